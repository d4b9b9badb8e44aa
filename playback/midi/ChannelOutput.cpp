#include "ChannelOutput.h"

#include <fluidsynth.h>

#include <algorithm>

namespace cantorino {
namespace {

constexpr int kSustain = 64, kSostenuto = 66, kAllSoundOff = 120, kResetControllers = 121, kAllNotesOff = 123;

/// Controllers whose meaning depends on the ones before them (bank select, RPN and NRPN
/// selection and data entry): a chase replays every one of them in order, not only the last.
bool isSequenceController(int controller) {
    switch (controller) {
    case 0: case 32: case 6: case 38: case 96: case 97: case 98: case 99: case 100: case 101:
        return true;
    default:
        return false;
    }
}

}  // namespace

ChannelOutput::ChannelOutput() {
    for (auto& channel : sounding_) channel.fill(kSilent);
}

void ChannelOutput::attach(fluid_synth_t* synth, float baseGain) {
    synth_ = synth;
    baseGain_ = baseGain;
}

void ChannelOutput::play(const Segment& segment, const SegmentEvent& event) {
    if (!event.isSysex()) {
        shortMessage(event.status, event.data1, event.data2);
        return;
    }
    if (!synth_) return;
    const char* data = reinterpret_cast<const char*>(segment.sysexBytes().data()) + event.sysexOffset;
    fluid_synth_sysex(synth_, data, int(event.sysexLength), nullptr, nullptr, nullptr, 0);
}

void ChannelOutput::send(uint8_t status, uint8_t data1, uint8_t data2) {
    if (status < 0x80 || status >= 0xF0) return;
    if ((status & 0xF0) == 0x90 && data2 == 0) status = uint8_t(0x80 | (status & 0x0F));
    shortMessage(status, data1 & 0x7F, data2 & 0x7F);
}

void ChannelOutput::setTranspose(int channel, int semitones) {
    if (channel < 0 || channel > 15) return;
    transpose_[size_t(channel)] = int8_t(std::clamp(semitones, -127, 127));
}

void ChannelOutput::shortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    const int ch = status & 0x0F;
    switch (status & 0xF0) {
    case 0x80: noteOff(ch, data1); return;
    case 0x90: noteOn(ch, data1, data2); return;
    default: break;
    }
    if (!synth_) return;
    switch (status & 0xF0) {
    case 0xA0:
        if (sounding_[size_t(ch)][data1] != kSilent)
            fluid_synth_key_pressure(synth_, ch, sounding_[size_t(ch)][data1], data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth_, ch, data1, data2);
        // These end every note of the channel; 124..127 change the mode and imply it.
        if (data1 == kAllSoundOff || data1 >= kAllNotesOff) sounding_[size_t(ch)].fill(kSilent);
        break;
    case 0xC0: fluid_synth_program_change(synth_, ch, data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth_, ch, data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth_, ch, data1 | data2 << 7); break;
    default: break;
    }
}

void ChannelOutput::noteOn(int channel, int key, int velocity) {
    uint8_t& slot = sounding_[size_t(channel)][size_t(key)];
    if (slot != kSilent && synth_) fluid_synth_noteoff(synth_, channel, slot);
    slot = kSilent;
    const int sent = key + transpose_[size_t(channel)];
    if (sent < 0 || sent > 127) return;  // shifted off the keyboard: the note is left out
    slot = uint8_t(sent);
    if (synth_) fluid_synth_noteon(synth_, channel, sent, velocity);
}

void ChannelOutput::noteOff(int channel, int key) {
    uint8_t& slot = sounding_[size_t(channel)][size_t(key)];
    if (slot == kSilent) return;
    if (synth_) fluid_synth_noteoff(synth_, channel, slot);
    slot = kSilent;
}

void ChannelOutput::silence() {
    for (auto& channel : sounding_) channel.fill(kSilent);
    if (!synth_) return;
    for (int ch = 0; ch < 16; ++ch) {
        fluid_synth_cc(synth_, ch, kSustain, 0);
        fluid_synth_cc(synth_, ch, kSostenuto, 0);
        fluid_synth_cc(synth_, ch, kAllNotesOff, 0);
    }
}

void ChannelOutput::resetChannels() {
    for (auto& channel : sounding_) channel.fill(kSilent);
    transpose_.fill(0);
    if (synth_) fluid_synth_system_reset(synth_);
}

void ChannelOutput::resetControllers() {
    if (!synth_) return;
    for (int ch = 0; ch < 16; ++ch) fluid_synth_cc(synth_, ch, kResetControllers, 0);
}

void ChannelOutput::chase(const Segment& segment, size_t end) {
    const auto& events = segment.events();
    for (auto& channel : lastIndex_) channel.fill(-1);
    for (size_t i = 0; i < end; ++i) {
        const SegmentEvent& e = events[i];
        auto& last = lastIndex_[e.channel()];
        switch (e.kind()) {
        case 0xB0: last[e.data1] = int32_t(i); break;
        case 0xC0: last[kProgramSlot] = int32_t(i); break;
        case 0xE0: last[kBendSlot] = int32_t(i); break;
        case 0xD0: last[kPressureSlot] = int32_t(i); break;
        default: break;
        }
    }
    // In file order, so that a reset or a bank select still comes before what follows it.
    for (size_t i = 0; i < end; ++i) {
        const SegmentEvent& e = events[i];
        const auto& last = lastIndex_[e.channel()];
        const bool isLast = [&] {
            switch (e.kind()) {
            case 0xB0:
                if (e.data1 == kAllSoundOff || e.data1 == kAllNotesOff) return false;
                return isSequenceController(e.data1) || last[e.data1] == int32_t(i);
            case 0xC0: return last[kProgramSlot] == int32_t(i);
            case 0xE0: return last[kBendSlot] == int32_t(i);
            case 0xD0: return last[kPressureSlot] == int32_t(i);
            default: return false;
            }
        }();
        if (e.isSysex() || isLast) play(segment, e);
    }
}

void ChannelOutput::setGain(float gain) {
    if (synth_) fluid_synth_set_gain(synth_, baseGain_ * gain);
}

}  // namespace cantorino
