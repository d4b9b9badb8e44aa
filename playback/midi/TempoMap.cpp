#include "TempoMap.h"

#include <algorithm>

#include "MidiService.h"

namespace cantorino {
namespace {

double secondsPerUnit(uint32_t microsPerQuarter) {
    return microsPerQuarter / (1e6 * kMusicTimePerQuarter);
}

}  // namespace

TempoMap::TempoMap() : changes_{Change{}} {}

void TempoMap::add(int32_t time, uint32_t microsPerQuarter) {
    if (microsPerQuarter == 0 || time < changes_.back().time) return;
    Change& last = changes_.back();
    if (time == last.time) {
        last.microsPerQuarter = microsPerQuarter;
        return;
    }
    const double seconds = last.seconds + (time - last.time) * secondsPerUnit(last.microsPerQuarter);
    changes_.push_back({time, microsPerQuarter, seconds});
}

size_t TempoMap::indexAt(double time) const {
    const auto after = std::upper_bound(changes_.begin() + 1, changes_.end(), time,
                                        [](double t, const Change& c) { return t < c.time; });
    return size_t(after - changes_.begin()) - 1;
}

double TempoMap::secondsAt(double time) const {
    const Change& c = changes_[indexAt(time)];
    return c.seconds + (time - c.time) * secondsPerUnit(c.microsPerQuarter);
}

double TempoMap::timeAt(double seconds) const {
    const auto after = std::upper_bound(changes_.begin() + 1, changes_.end(), seconds,
                                        [](double s, const Change& c) { return s < c.seconds; });
    const Change& c = *(after - 1);
    return c.time + (seconds - c.seconds) / secondsPerUnit(c.microsPerQuarter);
}

}  // namespace cantorino
