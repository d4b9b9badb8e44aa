#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cantorino {

/// Converts between music time (768 units per quarter note) and seconds for a song whose
/// tempo changes at given music times. Before the first change the tempo is 120 bpm.
class TempoMap {
public:
    /// A tempo taking effect at `time`; `seconds` is when that is, from music time 0.
    struct Change {
        int32_t time = 0;                     ///< music time
        uint32_t microsPerQuarter = 500000;   ///< length of a quarter note in microseconds
        double seconds = 0;                   ///< seconds from music time 0 to `time`
    };

    /// A map at 120 bpm throughout.
    TempoMap();

    /// Adds a tempo taking effect at `time`; times must not decrease. A later change at the
    /// same time replaces the earlier one; a tempo of 0 is ignored.
    void add(int32_t time, uint32_t microsPerQuarter);

    /// Seconds from music time 0 to `time`.
    double secondsAt(double time) const;
    /// Music time reached after `seconds`.
    double timeAt(double seconds) const;
    /// Index of the change in effect at `time`.
    size_t indexAt(double time) const;
    /// The changes in time order; the first is always at time 0.
    const std::vector<Change>& changes() const { return changes_; }

private:
    std::vector<Change> changes_;
};

}  // namespace cantorino
