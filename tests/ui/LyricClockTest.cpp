#include <QCheckBox>
#include <QLabel>
#include <QTimer>

#include "BeatIndicator.h"
#include "LyricBox.h"
#include "LyricClock.h"
#include "LyricsWindow.h"
#include "PlayerFixture.h"
#include "ShapeWidget.h"
#include "StatusTimers.h"
#include "Transport.h"

namespace cantorino::test {
namespace {

class LyricClockTest : public PlayerFixture {
protected:
    void start(const SmfWriter& song) {
        service_.length = 1000000;
        playSong(writeSong("song.kar", song));
        // The tests tick the clock themselves.
        window_->findChild<QTimer*>("Timer1")->stop();
    }
    void tick() { window_->lyricClock().Tick(); }
    /// "text@y" of every run printed in a box since its last clearing.
    static QStringList rows(const LyricBox* box) {
        QStringList out;
        for (const auto& r : box->runs()) out << QString("%1@%2").arg(r.text).arg(r.at.y());
        return out;
    }
    LyricBox* mainBox() { return window_->findChild<LyricBox*>("Picture4"); }
    LyricBox* lyricsBox() { return window_->lyricsWindow().Picture1(); }
    QString text(const char* name) { return window_->findChild<QLabel*>(name)->text(); }
};

}  // namespace

TEST_F(LyricClockTest, AdvancesOneSyllablePerTickAndKeepsLinesInTheirSlots) {
    start(fourLineSong());
    service_.position = 768 * 100;  // far past every syllable
    const double h = mainBox()->TextHeight();
    const auto y = [](double v) { return QString::number(v); };
    std::vector<QStringList> seen;
    for (int i = 0; i < 8; ++i) {
        const int32_t before = window_->model().SyllableIndex;
        tick();
        EXPECT_EQ(window_->model().SyllableIndex, std::max(before, 1) + 1);
        seen.push_back(rows(mainBox()));
    }
    // Index 2 is "Al": line A is sung, B waits above it.
    EXPECT_EQ(seen[0], (QStringList{"Beta@68", "Al@" + y(80 + h), "fa@" + y(80 + h)}));
    // B is sung: it keeps the upper slot, C comes below.
    EXPECT_EQ(seen[2], (QStringList{"Be@68", "ta@68", "Gamma@" + y(80 + h)}));
    // C is sung in the lower slot, D waits above.
    EXPECT_EQ(seen[4], (QStringList{"Delta@68", "Gam@" + y(80 + h), "ma@" + y(80 + h)}));
    // D is the last line: drawn alone one gap below the top.
    EXPECT_EQ(seen[6], (QStringList{"Del@80", "ta@80"}));
    EXPECT_EQ(rows(lyricsBox()), (QStringList{"Del@86", "ta@86"}));
    // The current syllable ("ta") is drawn in the second colour, the rest of the line in the first.
    const auto& runs = mainBox()->runs();
    EXPECT_EQ(runs[0].color, QColor(255, 0, 0));
    EXPECT_EQ(runs[1].color, QColor(255, 255, 0));
}

TEST_F(LyricClockTest, SyllablesLightUpWhenTheClockReachesThem) {
    start(fourLineSong());
    const auto& s = window_->model().Syllables;
    // Record 2 ("Al") ends at 604.2 ms; the clock runs 120 ms ahead of the position.
    service_.position = int32_t((s[2].Time - 120 - 5) * 768000 / 500000);
    tick();
    tick();
    EXPECT_EQ(window_->model().SyllableIndex, 2);
    service_.position = int32_t((s[2].Time - 120 + 1) * 768000 / 500000);
    tick();
    EXPECT_EQ(window_->model().SyllableIndex, 3);
    // The ball sits over the current syllable.
    auto* ball = window_->findChild<ShapeWidget*>("Shape1");
    EXPECT_TRUE(ball->isVisibleTo(mainBox()));
    EXPECT_EQ(ball->y(), 48);
    EXPECT_TRUE(window_->findChild<QTimer*>("Timer2")->isActive());
}

TEST_F(LyricClockTest, SongWithoutSyllablesStillMovesTimeAndKnob) {
    SmfWriter w(480);
    w.track().noteOn(0, 60, 100).wait(9600).noteOff(0, 60);
    start(w);
    service_.length = 20000;
    service_.position = 10000;  // 6.5 s at 120 bpm
    tick();
    EXPECT_EQ(window_->model().SyllableIndex, 1);
    EXPECT_TRUE(mainBox()->runs().isEmpty());
    EXPECT_EQ(text("Label4"), "00:06");
    EXPECT_EQ(text("Label8"), "50 %");
    EXPECT_EQ(window_->findChild<QWidget*>("Image3")->x(), 406);  // 305 + 0.5 × 201, rounded
    EXPECT_EQ(text("Label12"), "Esecuzione");
}

TEST_F(LyricClockTest, EndOfSongParksAndStopsTheClock) {
    start(fourLineSong());
    auto* timer = window_->findChild<QTimer*>("Timer1");
    timer->start();
    service_.length = 3000;
    service_.position = 3000;
    tick();
    EXPECT_EQ(window_->state().PlayState, kPaused);
    EXPECT_EQ(window_->state().PlayPosition, 2750);
    tick();
    EXPECT_EQ(text("Label12"), "In Pausa");
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(window_->state().PlayState, kPaused);
}

TEST_F(LyricClockTest, EndOfSongWithAutoSkipPlaysTheNextSong) {
    start(fourLineSong());
    window_->findChild<QCheckBox*>("Check5")->setChecked(true);
    service_.length = 3000;
    service_.position = 3000;
    tick();
    service_.clearCalls();
    tick();
    // No playlist: the same song is opened again and plays from its start.
    EXPECT_EQ(window_->state().PlayState, kPlaying);
    EXPECT_EQ(window_->state().SongOpen, -1);
    const auto starts = service_.callsTo("SetPlayFrom");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_TRUE(starts[0].ends_with(",0)"));
    EXPECT_TRUE(window_->findChild<QTimer*>("Timer1")->isActive());
}

TEST_F(LyricClockTest, StopShowsFermoAndStopsTheClock) {
    start(fourLineSong());
    auto* timer = window_->findChild<QTimer*>("Timer1");
    timer->start();
    tick();
    EXPECT_EQ(text("Label12"), "Esecuzione");
    window_->transport().StopMusic();
    tick();
    EXPECT_EQ(text("Label12"), "Fermo");
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(mainBox()->isClear());
}

TEST_F(LyricClockTest, BeatNoticesDriveTheIndicator) {
    start(fourLineSong());
    service_.timeSignature = {0, 3, 4, 4};
    window_->state().TimeSignature = service_.timeSignature;
    auto* indicator = window_->findChild<BeatIndicator*>("Picture3");
    const double width = indicator->width();
    for (int beat : {1, 2, 0, 1}) service_.notices.push_back({0, 0, beat});
    std::vector<double> widths;
    for (int i = 0; i < 4; ++i) {
        tick();
        widths.push_back(indicator->paintedRect().width());
    }
    EXPECT_EQ(text("Label1"), "2");
    EXPECT_NEAR(widths[0], 2 * width / 3, 1e-9);
    EXPECT_NEAR(widths[1], width, 1e-9);
    EXPECT_NEAR(widths[2], width / 3, 1e-9);
    EXPECT_NEAR(widths[3], 2 * width / 3, 1e-9);
    EXPECT_NEAR(indicator->paintedRect().center().x(), width / 2, 1e-9);

    // A beat that arrives while paused changes the counter and leaves the indicator empty.
    window_->state().PlayState = kPaused;
    window_->state().BeatNumber = 2;
    window_->statusTimers().SetBeatCounter(3);
    EXPECT_EQ(text("Label1"), "3");
    EXPECT_TRUE(indicator->paintedRect().isEmpty());
}

TEST_F(LyricClockTest, BallBouncesBetween24And48) {
    auto* ball = window_->findChild<ShapeWidget*>("Shape1");
    ball->move(ball->x(), 48);
    std::vector<int> tops;
    for (int i = 0; i < 16; ++i) {
        window_->statusTimers().BounceBall();
        tops.push_back(ball->y());
    }
    EXPECT_EQ(tops, (std::vector<int>{44, 40, 36, 32, 28, 24, 28, 32, 36, 40, 44, 48, 44, 40, 36, 32}));
}

}  // namespace cantorino::test
