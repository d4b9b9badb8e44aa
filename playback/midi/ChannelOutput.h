#pragma once

#include <array>
#include <cstdint>
#include <fluidsynth/types.h>

#include "Segment.h"

namespace cantorino {

/// The sixteen MIDI channels of the synthesiser as the sequencer plays them: applies the
/// transposition to notes and remembers which key each sounding note was actually sent
/// with, so its note-off reaches it whatever the transposition has become since.
/// Audio thread only; never allocates. Without a synthesiser every call is a no-op.
class ChannelOutput {
public:
    /// No synthesiser, no note sounding.
    ChannelOutput();

    /// Plays on `synth` (may be null) with `baseGain` as 0 dB.
    void attach(fluid_synth_t* synth, float baseGain);

    /// Plays a segment event.
    void play(const Segment& segment, const SegmentEvent& event);
    /// Sends a short message; notes go through the transposition like the song's.
    void send(uint8_t status, uint8_t data1, uint8_t data2);
    /// Shifts the notes that `channel` starts from now on.
    void setTranspose(int channel, int semitones);
    /// Releases every sounding note and lifts the pedals on every channel.
    void silence();
    /// General MIDI reset: every voice off, every channel to its defaults, no transposition.
    void resetChannels();
    /// Before a start: sustain, modulation, pitch bend and the like back to rest, so that
    /// nothing left from an earlier position colours the new one.
    void resetControllers();
    /// Sends, without notes, what the events before index `end` of `segment` leave in
    /// effect: programs and banks, controllers, pitch bend, channel pressure, sysex.
    void chase(const Segment& segment, size_t end);
    /// Master gain relative to the base gain.
    void setGain(float gain);

private:
    static constexpr uint8_t kSilent = 0xFF;
    /// Chase slots per channel: 128 controllers, program, pitch bend, channel pressure.
    static constexpr int kProgramSlot = 128, kBendSlot = 129, kPressureSlot = 130, kSlots = 131;

    void noteOn(int channel, int key, int velocity);
    void noteOff(int channel, int key);
    void shortMessage(uint8_t status, uint8_t data1, uint8_t data2);

    fluid_synth_t* synth_ = nullptr;
    float baseGain_ = 0;
    std::array<int8_t, 16> transpose_{};
    std::array<std::array<uint8_t, 128>, 16> sounding_{};  ///< key sent per key played, or kSilent
    std::array<std::array<int32_t, kSlots>, 16> lastIndex_{};  ///< chase scratch
};

}  // namespace cantorino
