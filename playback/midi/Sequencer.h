#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <fluidsynth/types.h>

#include "ChannelOutput.h"
#include "EngineCommand.h"
#include "MidiService.h"
#include "PlayheadHistory.h"
#include "Segment.h"
#include "SpscRing.h"

namespace cantorino {

/// Plays segments on the synthesiser in music time. render() runs inside the audio callback
/// (or, offline, on the caller's thread): it takes the queued commands and sends the events
/// due before each slice of at most 64 frames, so timing follows the rendered frames exactly.
/// Slices with nothing due in between are rendered by the synthesiser in one go.
/// The user-interface thread talks to it only through post(), audible() and takeBeat();
/// the audio side never locks, allocates, logs or does I/O.
class Sequencer {
public:
    /// A sequencer rendering at `sampleRate` frames a second, silent until attach().
    explicit Sequencer(double sampleRate);

    /// Set-up, before render() first runs: the synthesiser (may be null: silence) and the
    /// gain that stands for 0 dB.
    void attach(fluid_synth_t* synth, float baseGain);
    /// Set-up, before render() first runs: frames between rendering and hearing.
    void setOutputLatency(uint32_t frames) { latency_ = frames; }

    /// UI thread: queues a command; false when the queue is full.
    bool post(const EngineCommand& command) { return commands_.push(command); }
    /// UI thread: how many posted commands the audio side has carried out.
    uint64_t consumed() const { return consumed_.load(std::memory_order_acquire); }
    /// UI thread: the playhead at the frame being heard now.
    Playhead audible() const;
    /// UI thread: the next beat of `performance` that has been heard, if any.
    std::optional<BeatNotification> takeBeat(uint32_t performance);

    /// Audio thread: renders `frames` frames into the two channel buffers.
    void render(float* left, float* right, int frames);
    /// Audio thread: carries out every queued command.
    void drainCommands();

private:
    /// Slices are aligned to the synthesiser's own 64-frame blocks, so an event sent before a
    /// slice starts sounding exactly at its first frame.
    static constexpr int kSlice = 64;
    static constexpr size_t kTimedCapacity = 256;

    /// The segment playing (segment null once it stopped or ended; state and position stay).
    struct Instance {
        const Segment* segment = nullptr;
        uint32_t state = 0;
        int32_t from = 0;
        double position = 0;   ///< music time within the segment
        size_t next = 0;       ///< first event not yet sent
        size_t tempoIndex = 0; ///< tempo change in effect
        BeatPosition nextBeat;  ///< measure -1: no beat left
    };
    /// A start waiting for its performance time.
    struct PendingStart {
        const Segment* segment = nullptr;
        uint32_t state = 0;
        int32_t from = 0;
        int32_t at = 0;
    };
    /// A beat notice stamped with the frame at which its beat was rendered.
    struct StampedBeat {
        uint64_t frame = 0;
        uint32_t performance = 0;
        BeatNotification beat;
    };

    void apply(const EngineCommand& c);
    void begin(const Segment* segment, uint32_t state, int32_t from);
    void stopPlaying();
    void startPendingIfDue();
    void dispatchDue();
    void schedule(const EngineCommand& c);
    void deliverDue();
    void deliver(const EngineCommand& c);
    bool somethingDue() const;
    void advance(int frames);
    void emitBeats(double from, double to, double frameAt, double unitsPerFrame);
    Playhead playhead() const;
    void publish();

    const double sampleRate_;
    fluid_synth_t* synth_ = nullptr;
    uint32_t latency_ = 0;
    ChannelOutput out_;

    uint64_t frames_ = 0;
    uint32_t performance_ = 0;
    bool open_ = false;
    bool notify_ = false;
    double musicNow_ = 0;
    double factor_ = 1;
    uint32_t microsPerQuarter_ = 500000;
    Instance playing_;
    PendingStart pending_;
    std::array<EngineCommand, kTimedCapacity> timed_{};
    size_t timedCount_ = 0;
    uint64_t consumedLocal_ = 0;
    PlayheadHistory history_;

    SpscRing<EngineCommand, 4096> commands_;
    SpscRing<StampedBeat, 1024> beats_;
    std::atomic<uint64_t> consumed_{0};
    std::atomic<uint64_t> audibleFrame_{0};
    std::atomic<uint64_t> audibleClock_{0};  ///< performance << 32 | music time
    std::atomic<uint64_t> audiblePlay_{0};   ///< state << 32 | position
    static_assert(std::atomic<uint64_t>::is_always_lock_free);
};

}  // namespace cantorino
