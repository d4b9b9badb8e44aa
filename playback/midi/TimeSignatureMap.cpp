#include "TimeSignatureMap.h"

#include <algorithm>
#include <cmath>

#include "MidiService.h"

namespace cantorino {

int32_t TimeSignature::beatLength() const { return 4 * kMusicTimePerQuarter / denominator; }

TimeSignatureMap::TimeSignatureMap() : signatures_{TimeSignature{}} {}

void TimeSignatureMap::add(int32_t time, uint8_t numerator, uint8_t denominatorPower) {
    if (numerator == 0 || denominatorPower > 7 || time < signatures_.back().time) return;
    TimeSignature next{time, numerator, uint8_t(1u << denominatorPower), 0};
    const TimeSignature& last = signatures_.back();
    if (time == last.time) {
        next.firstMeasure = last.firstMeasure;
        signatures_.back() = next;
        return;
    }
    // A measure cut short by the change still counts as a measure.
    const int64_t measureLength = int64_t(last.numerator) * last.beatLength();
    next.firstMeasure = int32_t(last.firstMeasure + (int64_t(time) - last.time + measureLength - 1) / measureLength);
    signatures_.push_back(next);
}

size_t TimeSignatureMap::indexAt(double time) const {
    const auto after = std::upper_bound(signatures_.begin() + 1, signatures_.end(), time,
                                        [](double t, const TimeSignature& s) { return t < s.time; });
    return size_t(after - signatures_.begin()) - 1;
}

const TimeSignature& TimeSignatureMap::at(double time) const { return signatures_[indexAt(time)]; }

BeatPosition TimeSignatureMap::beatAtOrAfter(double time) const {
    const size_t i = indexAt(time);
    const TimeSignature& sig = signatures_[i];
    const int64_t beats = int64_t(std::ceil((time - sig.time) / sig.beatLength()));
    const int64_t beatTime = sig.time + beats * sig.beatLength();
    if (i + 1 < signatures_.size() && beatTime >= signatures_[i + 1].time) {
        const TimeSignature& next = signatures_[i + 1];
        return {next.time, next.firstMeasure, 0};
    }
    return {int32_t(std::min<int64_t>(beatTime, INT32_MAX)), int32_t(sig.firstMeasure + beats / sig.numerator),
            int32_t(beats % sig.numerator)};
}

}  // namespace cantorino
