#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace cantorino {

/// Where playback stood when the sequencer had rendered `frame` frames.
struct Playhead {
    uint64_t frame = 0;        ///< frames rendered
    uint32_t performance = 0;  ///< the performance played for
    int32_t musicNow = 0;      ///< its music time
    uint32_t state = 0;        ///< the instance playing or last played
    int32_t position = 0;      ///< that instance's position in its segment, music time
};

/// The recent playheads of the sequencer, one per rendered slice, so that it can tell
/// where playback stood at the frame now being heard. Audio thread only; fixed storage.
class PlayheadHistory {
public:
    /// Forgets everything; `initial` stands for every frame before the next one recorded.
    void reset(const Playhead& initial);
    /// Records a playhead; frames must not decrease. The oldest is dropped when full.
    void record(const Playhead& playhead);
    /// The latest playhead at or before `frame` (the oldest kept when none is that old).
    /// Playheads before it are dropped: frames asked for must not decrease either.
    const Playhead& at(uint64_t frame);

private:
    /// 8192 slices of 64 frames: output latencies up to 11 s at 44.1 kHz.
    static constexpr size_t kCapacity = 8192;

    std::array<Playhead, kCapacity> ring_{};
    size_t first_ = 0;
    size_t count_ = 1;
};

}  // namespace cantorino
