#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cantorino {

/// A time signature taking effect at a music time; a change always starts a new measure.
struct TimeSignature {
    int32_t time = 0;          ///< music time at which it takes effect
    uint8_t numerator = 4;     ///< beats per measure
    uint8_t denominator = 4;   ///< note value of one beat: 4 = quarter note
    int32_t firstMeasure = 0;  ///< number of the measure it starts, from 0

    /// Length of one beat in music time.
    int32_t beatLength() const;
};

/// A beat: where it falls, its measure and its place in the measure.
struct BeatPosition {
    int32_t time = 0;     ///< music time
    int32_t measure = 0;  ///< measure number from 0
    int32_t beat = 0;     ///< beat within the measure from 0
};

/// The time signatures of a song, 4/4 until the first one.
class TimeSignatureMap {
public:
    /// A map at 4/4 throughout.
    TimeSignatureMap();

    /// Adds a signature at `time` (times must not decrease): `numerator` beats of the note
    /// 2^`denominatorPower`. A later signature at the same time replaces the earlier one;
    /// a numerator of 0 or a beat shorter than a 128th note is ignored.
    void add(int32_t time, uint8_t numerator, uint8_t denominatorPower);

    /// The signature in effect at `time`.
    const TimeSignature& at(double time) const;
    /// The first beat at or after `time` (time ≥ 0).
    BeatPosition beatAtOrAfter(double time) const;
    /// The signatures in time order; the first is always at time 0.
    const std::vector<TimeSignature>& signatures() const { return signatures_; }

private:
    size_t indexAt(double time) const;

    std::vector<TimeSignature> signatures_;
};

}  // namespace cantorino
