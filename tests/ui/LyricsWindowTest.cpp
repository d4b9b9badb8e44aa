#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "AboutWindow.h"
#include "LyricBox.h"
#include "LyricsWindow.h"
#include "PlayerFixture.h"
#include "Transport.h"

namespace cantorino::test {
namespace {

class LyricsWindowTest : public PlayerFixture {
protected:
    LyricsWindow& lyrics() { return window_->lyricsWindow(); }
    void key(Qt::Key k) { QTest::keyClick(lyrics().Picture1(), k); }
    QCheckBox* autoSkip() { return window_->findChild<QCheckBox*>("Check5"); }
    int clicks(const char* button) { return spies_.at(button)->count(); }
    void SetUp() override {
        PlayerFixture::SetUp();
        for (const char* name : {"Command13", "Command14", "Command17", "Command18", "Command21"})
            spies_[name] = std::make_unique<QSignalSpy>(window_->findChild<QPushButton*>(name), &QPushButton::clicked);
    }
    std::map<std::string, std::unique_ptr<QSignalSpy>> spies_;
};

}  // namespace

TEST_F(LyricsWindowTest, TransportKeysPressTheHiddenButtons) {
    key(Qt::Key_F8);
    EXPECT_TRUE(autoSkip()->isChecked());
    EXPECT_EQ(clicks("Command18"), 1);
    key(Qt::Key_F11);  // without a pause before it, Auto-Skip stays as it was
    EXPECT_EQ(clicks("Command13"), 1);
    autoSkip()->setChecked(false);
    key(Qt::Key_F11);
    EXPECT_FALSE(autoSkip()->isChecked());

    key(Qt::Key_F9);
    EXPECT_FALSE(autoSkip()->isChecked());
    EXPECT_EQ(clicks("Command17"), 1);
    key(Qt::Key_F10);  // after the pause key, "prev" ticks Auto-Skip again, once
    EXPECT_TRUE(autoSkip()->isChecked());
    EXPECT_EQ(clicks("Command14"), 1);
    autoSkip()->setChecked(false);
    key(Qt::Key_F10);
    EXPECT_FALSE(autoSkip()->isChecked());

    key(Qt::Key_F4);
    EXPECT_EQ(clicks("Command21"), 1);
    key(Qt::Key_A);  // other keys do nothing
    EXPECT_EQ(clicks("Command18"), 1);
}

TEST_F(LyricsWindowTest, F5TogglesTheTitlesAndF1ShowsTheAboutWindow) {
    lyrics().show();
    key(Qt::Key_F5);
    EXPECT_TRUE(lyrics().Label10(0)->isHidden());
    EXPECT_TRUE(lyrics().Label10(2)->isHidden());
    key(Qt::Key_F5);
    EXPECT_FALSE(lyrics().Label10(0)->isHidden());
    key(Qt::Key_F1);
    EXPECT_TRUE(window_->aboutWindow().isVisible());
    EXPECT_TRUE(window_->aboutWindow().hideTimerRunning());
}

TEST_F(LyricsWindowTest, BoxFollowsTheWindowAndAClickHidesIt) {
    lyrics().show();
    lyrics().resize(1014, 507);
    EXPECT_EQ(lyrics().Picture1()->size(), QSize(1000, 500));
    lyrics().resize(60, 30);
    EXPECT_EQ(lyrics().Picture1()->size(), QSize(59, 29));
    QTest::mouseClick(lyrics().Picture1(), Qt::LeftButton);
    EXPECT_FALSE(lyrics().isVisible());
    // The main lyric box shows it again.
    QTest::mouseClick(window_->findChild<LyricBox*>("Picture4"), Qt::LeftButton);
    EXPECT_TRUE(lyrics().isVisible());
}

TEST_F(LyricsWindowTest, ActivationShiftsTheDrawingInProportion) {
    lyrics().resize(1014, 446);  // box 1000 × 439: twice the main box's 223 rounded
    lyrics().show();
    lyrics().activateWindow();
    QApplication::setActiveWindow(&lyrics());
    QCoreApplication::processEvents();
    const double ratio = 439.0 / 223.0;
    EXPECT_NEAR(lyrics().HeightRatio(), ratio, 1e-9);
    EXPECT_NEAR(lyrics().Picture1()->scaleTop(), -68 * ratio, 1e-9);
}

}  // namespace cantorino::test
