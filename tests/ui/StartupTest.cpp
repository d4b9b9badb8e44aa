#include <QLabel>
#include <QTest>
#include <QTimer>

#include "LyricBox.h"
#include "LyricsWindow.h"
#include "PlayerFixture.h"

namespace cantorino::test {
namespace {

class StartupTest : public PlayerFixture {
protected:
    QString text(const char* name) { return window_->findChild<QLabel*>(name)->text(); }
};

}  // namespace

TEST_F(StartupTest, WithoutASongTheDemoIsReady) {
    EXPECT_EQ(text("Label10_0"), "Fra Martino");
    EXPECT_EQ(window_->lyricsWindow().Label10(1)->text(), "Tradizionale");
    EXPECT_EQ(window_->state().SongOpen, 0);
    EXPECT_FALSE(window_->findChild<QTimer*>("Timer4")->isActive());
    EXPECT_TRUE(service_.callsTo("CreateLoader").size() == 1);
    // The lyrics window's box is wider than the main one, and the font follows that scale.
    EXPECT_NEAR(window_->model().LyricsWindowScale,
                double(window_->lyricsWindow().Picture1()->width()) / 649, 1e-9);
}

TEST_F(StartupTest, ACommandLineSongPlaysOneSecondLater) {
    service_.length = 100000;
    const QString song = writeSong("Canzone.KAR", fourLineSong());
    window_ = std::make_unique<MainWindow>(service_, *settings_, CommandLine::Parse({song}));
    window_->Form_Load();
    auto* timer = window_->findChild<QTimer*>("Timer4");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_EQ(text("Label10_0"), "Titles non disponibile");
    EXPECT_EQ(window_->model().SongPath, song.toStdString());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window_->state().SongOpen == -1; }, 10000));
    EXPECT_EQ(window_->state().PlayState, kPlaying);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(StartupTest, AnUnreadableCommandLineSongIsReported) {
    window_ = std::make_unique<MainWindow>(service_, *settings_, CommandLine::Parse({dir_.filePath("nope.kar")}));
    window_->Form_Load();
    EXPECT_EQ(text("Label10_0"), "Impossibile leggere il brano");
    EXPECT_EQ(text("Label10_1"), "nope.kar");
}

}  // namespace cantorino::test

namespace cantorino::test {

TEST_F(StartupTest, ClosingTheWindowClosesTheLyricsWindowToo) {
    window_->show();
    window_->lyricsWindow().show();
    window_->close();
    EXPECT_FALSE(window_->lyricsWindow().isVisible());
}

}  // namespace cantorino::test
