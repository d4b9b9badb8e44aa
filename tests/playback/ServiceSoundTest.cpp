#include <gtest/gtest.h>

#include <fluidsynth.h>

#include "OfflineService.h"

namespace cantorino {
namespace {

using test::SmfWriter;

/// Below -120 dB: what the synthesiser's effects give out with no voice playing.
constexpr float kSilent = 1e-6f;
/// Above -60 dB: a note is playing.
constexpr float kAudible = 1e-3f;

class ServiceSoundTest : public ::testing::Test {
protected:
    fluid_synth_t* synth() { return s.service.offlineSynth(); }
    int program(int channel) {
        int font = 0, bank = 0, preset = 0;
        fluid_synth_get_program(synth(), channel, &font, &bank, &preset);
        return preset;
    }
    int controller(int channel, int number) {
        int value = 0;
        fluid_synth_get_cc(synth(), channel, number, &value);
        return value;
    }
    int pitchBend(int channel) {
        int value = 0;
        fluid_synth_get_pitch_bend(synth(), channel, &value);
        return value;
    }

    test::OfflineService s;
};

/// Organ chords that sound as long as they are held: channel 0 keys 60 and 64, channel 1
/// key 48, from 0 to music time 6144, with the sustain pedal down on channel 1.
SmfWriter heldChords() {
    SmfWriter song(480);
    song.track().program(0, 19).program(1, 19).control(1, 64, 127)
        .noteOn(0, 60, 100).noteOn(0, 64, 100).noteOn(1, 48, 100)
        .at(3840).noteOff(0, 60).noteOff(0, 64).noteOff(1, 48).at(7680).control(1, 64, 0);
    return song;
}

TEST_F(ServiceSoundTest, StartInTheMiddleChasesProgramsControllersAndBendButNoNotes) {
    SmfWriter song(480);
    song.track().program(0, 40).control(0, 7, 90).noteOn(0, 60, 100)
        .at(1920).program(0, 73).control(0, 1, 50).pitchBend(0, 10000)
        .at(3840).noteOff(0, 60)
        .at(5760).noteOn(0, 67, 100).at(6720).noteOff(0, 67);
    const auto segment = s.load(song);

    s.service.SetPlayFrom(segment, 4608);
    s.service.StartSegment(s.performance, segment, 0, 0);
    s.renderFrames(64);
    EXPECT_EQ(program(0), 73);
    EXPECT_EQ(controller(0, 7), 90);
    EXPECT_EQ(controller(0, 1), 50);
    EXPECT_EQ(pitchBend(0), 10000);
    EXPECT_EQ(s.activeVoices(), 0);  // the note held across the start point is not replayed

    // Started again before the bend: nothing of the later position is left.
    s.service.SetPlayFrom(segment, 100);
    s.service.StartSegment(s.performance, segment, 0, 0);
    s.renderFrames(64);
    EXPECT_EQ(program(0), 40);
    EXPECT_EQ(controller(0, 7), 90);
    EXPECT_EQ(controller(0, 1), 0);
    EXPECT_EQ(pitchBend(0), 8192);

    // Volume and pan the player set on a channel the song leaves alone survive a start.
    s.service.SendChannelMessage(s.performance, 0, 1, 3, 0xB0, 7, 50);
    s.service.SendChannelMessage(s.performance, 0, 1, 3, 0xB0, 10, 20);
    s.service.SetPlayFrom(segment, 9000);
    s.service.StartSegment(s.performance, segment, 0, 0);
    EXPECT_GT(s.render(0.5).peak, kAudible);  // the notes after the start point do play
    EXPECT_EQ(controller(3, 7), 50);
    EXPECT_EQ(controller(3, 10), 20);
}

TEST_F(ServiceSoundTest, StopSilencesHeldAndSustainedNotes) {
    const auto segment = s.load(heldChords());
    const auto state = s.service.StartSegment(s.performance, segment, 0, 0);
    s.render(0.5);
    EXPECT_GE(s.activeVoices(), 3);
    s.service.StopSegment(s.performance, segment, state, 0, 0);
    s.render(1.0);
    EXPECT_EQ(s.activeVoices(), 0);
    EXPECT_EQ(controller(1, 64), 0);
}

TEST_F(ServiceSoundTest, NoteOffsReachTheirNotesAfterTheTranspositionChanged) {
    const auto segment = s.load(heldChords());
    s.service.StartSegment(s.performance, segment, 0, 0);
    s.render(0.5);
    s.service.SendTranspose(s.performance, 0, 1, 0, 5);
    s.service.SendTranspose(s.performance, 0, 1, 1, -7);
    s.service.SendChannelMessage(s.performance, 0, 1, 1, 0xB0, 64, 0);
    s.render(4.5);  // the song's note-offs at 4 s, with the pedal lifted on channel 1, and the release
    EXPECT_EQ(s.activeVoices(), 0);
}

TEST_F(ServiceSoundTest, NothingHangsAfterStartsStopsTempoAndTranspositionChanges) {
    const auto segment = s.load(heldChords());
    for (int round = 0; round < 3; ++round) {
        s.service.SetPlayFrom(segment, round * 700);
        s.service.StartSegment(s.performance, segment, 0, 0);
        s.render(0.3);
        s.service.SendTranspose(s.performance, 0, 1, 0, round * 3 - 2);
        s.service.SetTempoFactor(s.performance, 0.5f + round);
        s.service.SetPlayFrom(segment, 300);
        s.service.StartSegment(s.performance, segment, 0, 0);  // replaces the instance playing
        s.render(0.2);
        s.service.StopSegment(s.performance, {}, {}, 0, 0);
    }
    s.render(1.0);
    EXPECT_EQ(s.activeVoices(), 0);
}

TEST_F(ServiceSoundTest, ScheduledStartSoundsWhenDueAndACancelledOneNever) {
    const auto segment = s.load(heldChords());
    s.render(0.2);
    const int32_t now = s.service.GetMusicNow(s.performance);
    s.service.StartSegment(s.performance, segment, 0, now + 2000);
    s.service.StopSegment(s.performance, segment, {}, 0, 0);
    EXPECT_LT(s.render(3.0).peak, kSilent);

    const int32_t later = s.service.GetMusicNow(s.performance) + 1536;  // one second at 120 bpm
    const auto state = s.service.StartSegment(s.performance, segment, 0, later);
    EXPECT_LT(s.render(0.99).peak, kSilent);
    EXPECT_EQ(s.service.GetPosition(state), 0);
    EXPECT_GT(s.render(0.1).peak, kAudible);
}

TEST_F(ServiceSoundTest, TimedSendsGoOutInTimeOrder) {
    s.render(0.1);
    const int32_t now = s.service.GetMusicNow(s.performance);
    s.service.SendChannelMessage(s.performance, now + 400, 1, 2, 0xB0, 7, 20);
    s.service.SendChannelMessage(s.performance, now + 200, 1, 2, 0xB0, 7, 40);
    s.service.SendProgramChange(s.performance, now + 200, 1, 2, 33);
    s.service.SendChannelMessage(s.performance, 10, 1, 2, 0xB0, 10, 5);
    s.service.SendChannelMessage(s.performance, 20, 1, 2, 0xB0, 10, 6);
    s.renderFrames(64);
    EXPECT_EQ(controller(2, 10), 6);  // already due: at once, in call order
    EXPECT_EQ(controller(2, 7), 100);
    s.render(0.15);  // music time now + 230
    EXPECT_EQ(controller(2, 7), 40);
    EXPECT_EQ(program(2), 33);
    s.render(0.15);
    EXPECT_EQ(controller(2, 7), 20);
}

TEST_F(ServiceSoundTest, MasterVolumeIsHundredthsOfADecibelHeldAtPlusTwenty) {
    auto levelAt = [](int32_t volume) {
        test::OfflineService t;
        const auto segment = t.load(heldChords());
        t.service.SetMasterVolume(t.performance, volume);
        t.service.StartSegment(t.performance, segment, 0, 0);
        return t.render(1.0).rms;
    };
    const double unity = levelAt(0);
    EXPECT_NEAR(levelAt(-2000) / unity, 0.1, 0.005);
    EXPECT_NEAR(levelAt(-600) / unity, 0.501, 0.02);
    EXPECT_DOUBLE_EQ(levelAt(5000), levelAt(2000));
}

TEST_F(ServiceSoundTest, SameInputRendersTheSameSound) {
    auto renderSong = [] {
        test::OfflineService t;
        const auto segment = t.load(heldChords());
        t.service.StartSegment(t.performance, segment, 0, 0);
        std::vector<float> left(20000), right(20000);
        t.service.renderFrames(left.data(), right.data(), 20000);
        left.insert(left.end(), right.begin(), right.end());
        return left;
    };
    EXPECT_EQ(renderSong(), renderSong());
}

}  // namespace
}  // namespace cantorino
