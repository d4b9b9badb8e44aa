#include <gtest/gtest.h>

#include <algorithm>

#include "OfflineService.h"

namespace cantorino {
namespace {

using test::SmfWriter;

class ServiceTimingTest : public ::testing::Test {
protected:
    int32_t position(SegmentStateHandle state) { return s.service.GetPosition(state); }

    test::OfflineService s;
};

/// Two quarters at 120 bpm (1 s), then 240 bpm; a note held to music time 7680.
SmfWriter tempoSong() {
    SmfWriter song(480);
    song.track().tempo(500000).at(960).tempo(250000);
    song.track().noteOn(0, 60, 80).at(4800).noteOff(0, 60);
    return song;
}

/// `measures` measures of `numerator`/4 with a note on every beat.
SmfWriter beatSong(int numerator, int measures) {
    SmfWriter song(480);
    song.track().timeSignature(numerator, 2);
    auto& notes = song.track();
    for (int b = 0; b < numerator * measures; ++b) notes.at(uint32_t(b * 480)).noteOn(0, 72, 90).wait(240).noteOff(0, 72);
    return song;
}

TEST_F(ServiceTimingTest, PositionFollowsTheTempoMap) {
    const auto segment = s.load(tempoSong());
    const auto state = s.service.StartSegment(s.performance, segment, 0, 0);
    EXPECT_EQ(position(state), 0);
    s.render(0.5);
    EXPECT_EQ(position(state), 768);
    s.render(0.5);
    EXPECT_EQ(position(state), 1536);
    s.render(0.5);
    EXPECT_EQ(position(state), 3072);  // half a second at 240 bpm is two quarters
    EXPECT_EQ(s.service.GetMusicNow(s.performance), 3072);
    s.service.SetTempoFactor(s.performance, 2.0f);
    s.render(0.25);
    EXPECT_EQ(position(state), 4608);
}

TEST_F(ServiceTimingTest, TempoFactorTwoDoublesTheSpeed) {
    const auto segment = s.load(tempoSong());
    s.service.SetTempoFactor(s.performance, 2.0f);
    EXPECT_FLOAT_EQ(s.service.GetTempoFactor(s.performance), 2.0f);
    const auto state = s.service.StartSegment(s.performance, segment, 0, 0);
    s.render(0.5);
    EXPECT_EQ(position(state), 1536);
    s.render(0.25);
    EXPECT_EQ(position(state), 3072);
}

TEST_F(ServiceTimingTest, TempoFactorIsHeldWithinItsRange) {
    s.service.SetTempoFactor(s.performance, 0.0f);
    EXPECT_FLOAT_EQ(s.service.GetTempoFactor(s.performance), 0.01f);
    s.service.SetTempoFactor(s.performance, 1000.0f);
    EXPECT_FLOAT_EQ(s.service.GetTempoFactor(s.performance), 100.0f);
    s.render(0.5);
    EXPECT_EQ(s.service.GetMusicNow(s.performance), 76800);  // idle performances run at 120 bpm too
}

TEST_F(ServiceTimingTest, PositionStopsAtTheLengthAndPlayFromStartsThere) {
    SmfWriter song(480);
    song.track().noteOn(0, 60, 80).at(960).noteOff(0, 60).at(1920).text("end");
    const auto segment = s.load(song);
    EXPECT_EQ(s.service.GetLength(segment), 3072);
    const auto first = s.service.StartSegment(s.performance, segment, 0, 0);
    s.render(2.5);
    EXPECT_EQ(position(first), 3072);

    s.service.SetPlayFrom(segment, 1536);
    const auto second = s.service.StartSegment(s.performance, segment, 0, 0);
    EXPECT_EQ(position(second), 1536);
    s.render(0.5);
    EXPECT_EQ(position(second), 2304);
    EXPECT_EQ(position(first), 3072);  // an older instance keeps the last position it had
}

TEST_F(ServiceTimingTest, BeatNoticesCountBeatsWithinThreeFourMeasures) {
    const auto segment = s.load(beatSong(3, 3));
    s.service.SubscribeNotifications(s.performance, 3);
    s.service.StartSegment(s.performance, segment, 0, 0);
    s.renderFrames(s.frames(0.5) - 64);  // just before the second beat
    ASSERT_TRUE(s.service.PollNotification(s.performance));
    EXPECT_FALSE(s.service.PollNotification(s.performance));
    s.render(3.0);
    std::vector<int32_t> beats{0}, measures{0}, times{0};
    while (const auto n = s.service.PollNotification(s.performance)) {
        beats.push_back(n->Beat);
        measures.push_back(n->Measure);
        times.push_back(n->MusicTime);
    }
    ASSERT_GE(beats.size(), 7u);
    beats.resize(7), measures.resize(7), times.resize(7);
    EXPECT_EQ(beats, (std::vector<int32_t>{0, 1, 2, 0, 1, 2, 0}));
    EXPECT_EQ(measures, (std::vector<int32_t>{0, 0, 0, 1, 1, 1, 2}));
    EXPECT_EQ(times, (std::vector<int32_t>{0, 768, 1536, 2304, 3072, 3840, 4608}));
}

TEST_F(ServiceTimingTest, NoBeatNoticesWithoutASubscription) {
    const auto segment = s.load(beatSong(4, 1));
    s.service.StartSegment(s.performance, segment, 0, 0);
    s.render(1.0);
    EXPECT_FALSE(s.service.PollNotification(s.performance));
}

TEST_F(ServiceTimingTest, TimeSignatureAtPerformanceTimesOfAScheduledStart) {
    EXPECT_EQ(s.service.QueryTimeSignature(s.performance, 0).BeatsPerMeasure, 4);  // nothing started yet
    SmfWriter song(480);
    song.track().timeSignature(4, 2).at(3840).timeSignature(3, 3);  // 3/8 after two measures
    song.track().noteOn(0, 60, 80).at(5760).noteOff(0, 60);
    const auto segment = s.load(song);
    s.render(0.1);
    const int32_t start = s.service.GetMusicNow(s.performance) + 2000;
    s.service.StartSegment(s.performance, segment, 0, start);
    const TimeSignatureRecord before = s.service.QueryTimeSignature(s.performance, start);
    EXPECT_EQ(before.BeatsPerMeasure, 4);
    EXPECT_EQ(before.BeatUnit, 4);
    const TimeSignatureRecord after = s.service.QueryTimeSignature(s.performance, start + 6144);
    EXPECT_EQ(after.BeatsPerMeasure, 3);
    EXPECT_EQ(after.BeatUnit, 8);
    EXPECT_EQ(after.SignatureTime, start + 6144);
    s.service.StopSegment(s.performance, segment, {}, 0, 0);
}

TEST(ServiceWithoutSoundFontTest, PlaysSilentlyAndSaysSo) {
    FluidSynthOptions options;
    options.offline = true;
    options.soundFont = "/nonexistent/none.sf2";
    FluidSynthService service(options);
    EXPECT_TRUE(service.Problems().noSoundFont);
    auto performance = service.CreatePerformance();
    service.InitPerformance(performance);
    test::OfflineService files;
    const auto segment = service.LoadSegmentFile(service.CreateLoader(), files.save(tempoSong().bytes()));
    const auto state = service.StartSegment(performance, segment, 0, 0);
    std::vector<float> left(22050, 1.0f), right(22050, 1.0f);
    service.renderFrames(left.data(), right.data(), 22050);
    EXPECT_EQ(service.GetPosition(state), 768);
    EXPECT_LT(*std::max_element(left.begin(), left.end()), 1e-6f);  // at most the effects' tiny offset
}

TEST_F(ServiceTimingTest, EmptyAndReleasedHandlesDoNothing) {
    const auto segment = s.load(tempoSong());
    auto state = s.service.StartSegment(s.performance, segment, 0, 0);
    auto created = s.service.CreatePerformance();
    const PerformanceHandle released = created;
    s.service.Release(created);
    EXPECT_FALSE(created);
    SegmentHandle loaded = s.load(tempoSong());
    const SegmentHandle gone = loaded;
    s.service.Release(loaded);
    EXPECT_FALSE(loaded);

    for (const PerformanceHandle p : {PerformanceHandle{}, released}) {
        s.service.InitPerformance(p);
        s.service.SelectPort(p, -1, 1);
        s.service.SubscribeNotifications(p, 3);
        EXPECT_EQ(s.service.GetMusicNow(p), 0);
        EXPECT_FALSE(s.service.StartSegment(p, segment, 0, 0));
        s.service.StopSegment(p, {}, {}, 0, 0);
        EXPECT_EQ(s.service.QueryTimeSignature(p, 0).BeatsPerMeasure, 0);
        EXPECT_FALSE(s.service.PollNotification(p));
        s.service.SetTempoFactor(p, 2.0f);
        EXPECT_EQ(s.service.GetTempoFactor(p), 0.0f);
        s.service.SetMasterVolume(p, -10000);
        s.service.SendChannelMessage(p, 0, 1, 0, 0xB0, 7, 0);
        s.service.SendProgramChange(p, 0, 1, 0, 0);
        s.service.SendTranspose(p, 0, 1, 0, 12);
        s.service.ShutDown(p);
        s.service.ResetPerformance(p, 1);
    }
    for (const SegmentHandle seg : {SegmentHandle{}, gone}) {
        s.service.MarkAsMidiFile(seg);
        s.service.DownloadInstruments(seg, s.performance);
        EXPECT_EQ(s.service.GetLength(seg), 0);
        s.service.SetPlayFrom(seg, 100);
        EXPECT_FALSE(s.service.StartSegment(s.performance, seg, 0, 0));
    }
    s.service.StopSegment(s.performance, gone, {}, 0, 0);
    s.service.StopSegment(s.performance, {}, SegmentStateHandle{9999}, 0, 0);
    EXPECT_EQ(s.service.GetPosition({}), 0);
    EXPECT_FALSE(s.service.LoadSegmentFile({}, "song.mid"));

    s.render(1.0);  // the song plays on untouched
    EXPECT_EQ(position(state), 1536);
    EXPECT_GT(s.activeVoices(), 0);
    s.service.Release(state);
    EXPECT_EQ(position(state), 0);
}

TEST_F(ServiceTimingTest, NonMidiFilesGiveEmptyHandlesAndTruncatedOnesPlay) {
    EXPECT_FALSE(s.service.LoadSegmentFile(s.loader, s.save({'h', 'e', 'l', 'l', 'o'}, "text.kar")));
    EXPECT_FALSE(s.service.LoadSegmentFile(s.loader, s.save({}, "empty.kar")));
    EXPECT_FALSE(s.service.LoadSegmentFile(s.loader, s.save({}, "empty.kar") + ".missing"));

    auto bytes = tempoSong().bytes();
    bytes.resize(bytes.size() - 9);  // the note-off and the End of Track are lost
    const auto segment = s.service.LoadSegmentFile(s.loader, s.save(bytes, "cut.kar"));
    ASSERT_TRUE(segment);
    const auto state = s.service.StartSegment(s.performance, segment, 0, 0);
    EXPECT_GT(s.render(0.5).peak, 0.0f);
    EXPECT_EQ(position(state), 768);
}

}  // namespace
}  // namespace cantorino
