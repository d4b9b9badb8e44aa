#include <QCheckBox>
#include <QLabel>
#include <QTimer>

#include "LyricBox.h"
#include "PlayerFixture.h"
#include "Transport.h"

namespace cantorino::test {
namespace {

class TransportTest : public PlayerFixture {};

}  // namespace

TEST_F(TransportTest, CloseDeviceBeforeAnySongOnlyTouchesEmptyHandles) {
    service_.clearCalls();
    window_->transport().CloseDevice();
    EXPECT_EQ(service_.calls, (std::vector<std::string>{"UnloadInstruments(s0,p0)", "UnloadInstruments(s0,p0)",
                                                       "ResetPerformance(p0,1)"}));
    EXPECT_EQ(window_->state().SongOpen, 0);
}

TEST_F(TransportTest, OpenMusicCallsTheServiceInOrder) {
    service_.length = 125500;
    service_.musicNow = 700;
    service_.timeSignature = {0, 3, 4, 4};
    window_->model().SongPath = writeSong("a.kar", fourLineSong()).toStdString();
    service_.clearCalls();
    ASSERT_TRUE(window_->transport().OpenMusic());
    const std::string song = window_->model().SongPath;
    const std::string preload = QDir(dir_.path()).filePath("filetemp.tmp").toStdString();
    EXPECT_EQ(service_.calls, (std::vector<std::string>{
        "UnloadInstruments(s0,p0)", "UnloadInstruments(s0,p0)", "ResetPerformance(p0,1)",
        "CreatePerformance()", "InitPerformance(p2)", "SelectPort(p2,-1,1)", "SubscribeNotifications(p2,3)",
        "LoadSegmentFile(l1," + song + ")", "LoadSegmentFile(l1," + preload + ")",
        "MarkAsMidiFile(s3)", "MarkAsMidiFile(s4)", "DownloadInstruments(s3,p2)", "DownloadInstruments(s4,p2)",
        "GetLength(s3)", "GetMusicNow(p2)", "StartSegment(p2,s3,0,2700)", "QueryTimeSignature(p2,2700)",
        "StopSegment(p2,s3,st0,0,0)", "SetTempoFactor(p2,1)", "SetMasterVolume(p2,-312)"}));
    const auto& state = window_->state();
    EXPECT_EQ(state.SongOpen, -1);
    EXPECT_EQ(state.PlayState, kStopped);
    EXPECT_EQ(state.PlayPosition, 0);
    EXPECT_EQ(window_->findChild<QLabel*>("Label9")->text(), "3/4");
    // 125 500 units at 500 000 µs per quarter last 81.7 s.
    EXPECT_EQ(window_->findChild<QLabel*>("Label5")->text(), "Durata  01:21");
    EXPECT_EQ(window_->findChild<QTimer*>("Timer2")->interval(), 78);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(preload)));
}

TEST_F(TransportTest, PlayStartsAtThePositionAndPlacesTheLyrics) {
    service_.length = 10000;
    window_->model().SongPath = writeSong("a.kar", fourLineSong()).toStdString();
    ASSERT_TRUE(window_->transport().OpenMusic());
    service_.clearCalls();
    auto& state = window_->state();
    state.PlayPosition = 768 * 2;  // 1000 ms at 120 bpm: "Be" (tick 680) is the syllable being sung
    window_->transport().Play();
    EXPECT_EQ(service_.calls, (std::vector<std::string>{"GetLength(s3)", "SetPlayFrom(s3,1536)",
                                                       "StartSegment(p2,s3,0,0)"}));
    EXPECT_EQ(state.PlayState, kPlaying);
    EXPECT_TRUE(state.SongSegmentState);
    EXPECT_TRUE(window_->findChild<QTimer*>("Timer1")->isActive());
    // The clock runs TempoBpm (120) ms ahead of the position: 1120 ms. The first record that
    // ends after that is "ma" (record 7, sung from tick 980 to 1080, i.e. 1020.8 to 1125 ms).
    const auto& s = window_->model().Syllables;
    EXPECT_EQ(window_->model().SyllableIndex, 7);
    EXPECT_EQ(s[7].Text, "ma");
}

TEST_F(TransportTest, PositionEdges) {
    service_.length = 5000;
    window_->model().SongPath = writeSong("a.kar", fourLineSong()).toStdString();
    auto& state = window_->state();
    auto& transport = window_->transport();
    ASSERT_TRUE(transport.OpenMusic());

    state.PlayPosition = 5000;  // at the end: starts 10 units early
    transport.Play();
    EXPECT_EQ(service_.callsTo("SetPlayFrom").back(), "SetPlayFrom(s3,4990)");

    service_.position = 60;  // pause near the start: the resume point would be negative
    transport.PauseMusic();
    EXPECT_EQ(state.PlayState, kPaused);
    EXPECT_EQ(state.PlayPosition, -40);
    transport.Play();
    EXPECT_EQ(service_.callsTo("SetPlayFrom").back(), "SetPlayFrom(s3,0)");

    transport.SeekEnd();
    EXPECT_EQ(state.PlayPosition, 4750);
    EXPECT_EQ(state.PlayState, kPaused);
    transport.StopMusic();
    EXPECT_EQ(state.PlayPosition, 0);
    EXPECT_EQ(state.PlayState, kStopped);
    EXPECT_EQ(service_.callsTo("StopSegment").back(), "StopSegment(p2,s0,st0,0,0)");
}

TEST_F(TransportTest, KnobPositionToMusicPosition) {
    auto& transport = window_->transport();
    auto& state = window_->state();
    auto* knob = window_->findChild<QWidget*>("Image3");
    transport.SetMusicPosition();  // no song open: nothing happens
    EXPECT_EQ(state.PlayState, 0);
    EXPECT_TRUE(service_.callsTo("StartSegment").empty());

    service_.length = 20000;
    window_->model().SongPath = writeSong("a.kar", fourLineSong()).toStdString();
    ASSERT_TRUE(transport.OpenMusic());
    knob->move(506, knob->y());  // rightmost: 100 × 202 / 203 rounds to 100 %
    transport.SetMusicPosition();
    EXPECT_EQ(state.PlayPosition, 19900);
    EXPECT_EQ(state.PlayState, kPlaying);
    knob->move(406, knob->y());  // 100 × 102 / 203 = 50.2 → 50 %
    transport.SetMusicPosition();
    EXPECT_EQ(state.PlayPosition, 9900);
    knob->move(305, knob->y());  // 0 %: −100 starts at 0
    transport.SetMusicPosition();
    EXPECT_EQ(service_.callsTo("SetPlayFrom").back(), "SetPlayFrom(s3,0)");
}

TEST_F(TransportTest, UnreadableSongSaysSoAndDoesNotPlay) {
    window_->model().SongPath = dir_.filePath("missing.kar").toStdString();
    window_->transport().Play();
    EXPECT_EQ(window_->findChild<QLabel*>("Label10_0")->text(), "Impossibile leggere il brano");
    EXPECT_EQ(window_->findChild<QLabel*>("Label10_1")->text(), "missing.kar");
    EXPECT_EQ(window_->state().SongOpen, 0);
    EXPECT_FALSE(window_->findChild<QTimer*>("Timer1")->isActive());
    EXPECT_TRUE(service_.callsTo("StartSegment").empty());
}

TEST_F(TransportTest, CloseDeviceReleasesTheSongAndClearsTheModel) {
    service_.length = 5000;
    playSong(writeSong("a.kar", fourLineSong()));
    ASSERT_GT(window_->model().Syllables.size(), 1u);
    service_.clearCalls();
    window_->transport().CloseDevice();
    EXPECT_EQ(service_.calls.front(), "StopSegment(p2,s3,st6,0,0)");
    EXPECT_EQ(service_.calls[1], "StopSegment(p2,s4,st6,0,0)");
    EXPECT_EQ(service_.calls[2], "ShutDown(p2)");
    const auto& state = window_->state();
    EXPECT_FALSE(state.MidiPerformance);
    EXPECT_FALSE(state.SongSegment);
    EXPECT_FALSE(state.SongSegmentState);
    EXPECT_EQ(window_->model().Syllables.size(), 1u);
    EXPECT_FALSE(window_->findChild<QTimer*>("Timer1")->isActive());
}

}  // namespace cantorino::test
