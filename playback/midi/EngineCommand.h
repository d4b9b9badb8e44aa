#pragma once

#include <cstdint>

namespace cantorino {

class Segment;

/// What the user-interface thread asks the sequencer to do.
enum class EngineCommandKind : uint8_t {
    InitPerformance,  ///< play for `performance` from now on: channels reset, clocks at 0
    ResetChannels,    ///< General MIDI reset of every channel
    ShutDown,         ///< stop everything and refuse further starts
    Subscribe,        ///< produce beat notices
    Start,            ///< play `segment` as instance `state` from `from`, at performance time `time` (0: now)
    Stop,             ///< stop the instance matching `segment` and `state` (null / 0: any)
    TempoFactor,      ///< `value` is the speed factor
    MasterGain,       ///< `value` is the linear gain over the base gain
    Send,             ///< short message `status` `data1` `data2` at performance time `time`
    Transpose,        ///< shift channel `data1` by `semitones` at performance time `time`
    ReleaseSegment,   ///< `segment` is about to be freed: forget it
};

/// One command; plain data, copied through the lock-free queue. A segment travels by
/// pointer and stays alive until the sequencer has consumed the ReleaseSegment for it.
struct EngineCommand {
    EngineCommandKind kind = EngineCommandKind::Send;
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
    uint32_t performance = 0;
    uint32_t state = 0;
    const Segment* segment = nullptr;
    int32_t time = 0;
    int32_t from = 0;
    int32_t semitones = 0;
    float value = 0;
};

}  // namespace cantorino
