#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "PlayerFixture.h"
#include "SkinButtons.h"
#include "SkinFace.h"
#include "Transport.h"

namespace cantorino::test {
namespace {

/// Centres of the eight round buttons and the four song buttons, in window pixels.
const QPoint kButtonCentres[13] = {{},         {620, 504}, {656, 504}, {692, 504}, {728, 504},
                                   {620, 545}, {656, 545}, {692, 545}, {728, 545}, {620, 461},
                                   {648, 461}, {700, 461}, {729, 461}};

class SkinButtonsTest : public PlayerFixture {
protected:
    void click(QPoint press, QPoint release) {
        QTest::mousePress(window_.get(), Qt::LeftButton, {}, press);
        QTest::mouseRelease(window_.get(), Qt::LeftButton, {}, release);
    }
    void click(int n) { click(kButtonCentres[n], kButtonCentres[n]); }
    QString text(const char* name) { return window_->findChild<QLabel*>(name)->text(); }
    QCheckBox* autoSkip() { return window_->findChild<QCheckBox*>("Check5"); }
    void openSong(uint32_t tempo = 500000) {
        window_->model().SongPath = writeSong("song.kar", fourLineSong(tempo)).toStdString();
        ASSERT_TRUE(window_->transport().OpenMusic());
    }
};

}  // namespace

TEST_F(SkinButtonsTest, HitMapsNameEveryButtonAndNothingElse) {
    const SkinFace face;
    for (int n = 1; n <= 12; ++n) EXPECT_EQ(face.ButtonAt(kButtonCentres[n]), n) << n;
    EXPECT_EQ(face.ButtonAt({650, 285}), 13);
    // Disc edges: the top-left corner of a disc's box is background, its rim is not.
    EXPECT_EQ(face.ButtonAt({605, 489}), 0);
    EXPECT_EQ(face.ButtonAt({605, 504}), 1);
    EXPECT_EQ(face.ButtonAt({637, 504}), 0);
    EXPECT_EQ(face.ButtonAt({601, 486}), 0);   // grey background
    EXPECT_EQ(face.ButtonAt({664, 461}), 0);   // white between the song buttons
    EXPECT_EQ(face.ButtonAt({606, 454}), 9);   // first pixel of the red rectangle
    EXPECT_EQ(face.ButtonAt({605, 454}), 0);
    EXPECT_EQ(face.ButtonAt({100, 100}), 0);   // outside every map
    EXPECT_EQ(face.ButtonAt({595, 285}), 0);   // the tab's edges are outside it
    EXPECT_EQ(face.ButtonAt({709, 285}), 0);
}

TEST_F(SkinButtonsTest, PressedButtonsArePaintedAndRestored) {
    SkinFace face;
    const QImage before = face.image();
    face.PaintButton(2, true);
    EXPECT_NE(face.image(), before);
    for (int n = 1; n <= 13; ++n) face.PaintButton(n, false);
    EXPECT_EQ(face.image(), before);  // the released sprites match the face
}

TEST_F(SkinButtonsTest, ReleaseOverAnotherButtonRunsNothing) {
    openSong();
    window_->findChild<QLabel*>("Label10_0")->setText("Alfa");
    click(kButtonCentres[2], kButtonCentres[3]);  // press play, release over pause
    EXPECT_TRUE(service_.callsTo("StartSegment(p2,s3,0,0)").empty());
    EXPECT_EQ(window_->skinButtons().PressedButton(), 2);
    click(2);
    EXPECT_EQ(service_.callsTo("StartSegment(p2,s3,0,0)").size(), 1u);
    EXPECT_TRUE(autoSkip()->isChecked());
    // Without a song title (or with the playlist's "not found" title) play does nothing.
    window_->findChild<QLabel*>("Label10_0")->setText("Play List Non Trovata");
    click(2);
    EXPECT_EQ(service_.callsTo("StartSegment(p2,s3,0,0)").size(), 1u);
}

TEST_F(SkinButtonsTest, SongButtonsNeedAnOpenSong) {
    for (int n = 3; n <= 7; ++n) {
        QTest::mousePress(window_.get(), Qt::LeftButton, {}, kButtonCentres[n]);
        EXPECT_EQ(window_->skinButtons().PressedButton(), 0) << n;
        QTest::mouseRelease(window_.get(), Qt::LeftButton, {}, kButtonCentres[n]);
    }
    EXPECT_TRUE(service_.callsTo("StopSegment").empty());
    openSong();
    window_->transport().Play();
    autoSkip()->setChecked(true);
    click(3);  // pause turns Auto-Skip off
    EXPECT_FALSE(autoSkip()->isChecked());
    EXPECT_EQ(window_->state().PlayState, kPaused);
    click(4);
    EXPECT_EQ(window_->state().PlayState, kStopped);
    EXPECT_EQ(window_->findChild<QWidget*>("Image3")->x(), 305);
}

TEST_F(SkinButtonsTest, ToEndShowsTheLengthAndParksTheMarker) {
    openSong(768000);  // 768 units a second: 125 500 units are 2 min 5.5 s
    service_.length = 125500;
    click(6);
    EXPECT_EQ(text("Label4"), "02:05");
    EXPECT_EQ(text("Label8"), "100 %");
    EXPECT_EQ(window_->findChild<QWidget*>("Image3")->x(), 506);
    EXPECT_EQ(window_->state().PlayState, kPaused);
    EXPECT_EQ(window_->state().PlayPosition, 125250);

    openSong(500000);  // at 120 bpm the same length lasts 81.7 s
    service_.length = 125500;
    click(6);
    EXPECT_EQ(text("Label4"), "01:21");
    click(5);
    EXPECT_EQ(text("Label4"), "00:00");
    EXPECT_EQ(text("Label8"), "0 %");
}

TEST_F(SkinButtonsTest, HoverCaptions) {
    auto& buttons = window_->skinButtons();
    QLabel* value = window_->findChild<QLabel*>("Label2_1");
    QLabel* name = window_->findChild<QLabel*>("Label2_2");
    const char* captions[] = {"", "Apre Play List", "Esegue", "Pausa", "Ferma", "Va all'inizio", "Va alla fine",
                              "Visualizza Testo", "Esce", "Brano Precedente", "Primo Brano", "Ultimo Brano",
                              "Prossimo Brano"};
    for (int n = 1; n <= 12; ++n) {
        value->setText("15");
        buttons.Move(kButtonCentres[n], Qt::NoButton);
        EXPECT_EQ(name->text(), captions[n]);
        EXPECT_EQ(value->text(), n <= 8 ? "" : "15") << n;  // the song strip leaves the value alone
    }
    buttons.Move({650, 285}, Qt::NoButton);
    EXPECT_EQ(name->text(), "Preferenze");
    value->setText("15");
    buttons.Move({664, 461}, Qt::NoButton);  // white background of the song strip
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(value->text(), "15");
    buttons.Move({601, 486}, Qt::NoButton);  // grey background of the round buttons
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(value->text(), "");
    buttons.Move({300, 200}, Qt::NoButton);  // captions do not need a song or enabled buttons
    EXPECT_EQ(name->text(), "");
}

TEST_F(SkinButtonsTest, MarkerDragClampsAndPlaysFromTheDropPoint) {
    openSong();
    service_.length = 20300;
    window_->transport().Play();
    autoSkip()->setChecked(true);
    auto& buttons = window_->skinButtons();
    QWidget* marker = window_->findChild<QWidget*>("Image3");
    buttons.MarkerPress({8, 6});
    EXPECT_FALSE(autoSkip()->isChecked());
    EXPECT_TRUE(buttons.DraggingMarker());
    EXPECT_EQ(window_->state().PlayState, kPaused);
    EXPECT_EQ(service_.callsTo("StopSegment").back(), "StopSegment(p2,s0,st0,0,0)");
    buttons.MarkerMove({-400, 6}, Qt::LeftButton);
    EXPECT_EQ(marker->x(), 305);
    buttons.MarkerMove({600, 6}, Qt::LeftButton);
    EXPECT_EQ(marker->x(), 506);
    buttons.MarkerMove({-96, 6}, Qt::LeftButton);  // pointer at 410 − 8: left edge 402
    EXPECT_EQ(marker->x(), 402);
    buttons.MarkerRelease();
    EXPECT_FALSE(buttons.DraggingMarker());
    EXPECT_TRUE(autoSkip()->isChecked());
    // 100 × (402 − 304) / 203 = 48.3 → 48 %: 0.48 × 20300 − 100
    EXPECT_EQ(window_->state().PlayPosition, 9644);
    EXPECT_EQ(window_->state().PlayState, kPlaying);
}

TEST_F(SkinButtonsTest, ButtonsReactOnlyToTheLeftButtonWhileEnabled) {
    QTest::mousePress(window_.get(), Qt::RightButton, {}, kButtonCentres[2]);
    EXPECT_EQ(window_->skinButtons().PressedButton(), 0);
    QTest::mousePress(window_.get(), Qt::LeftButton, {}, kButtonCentres[1]);
    EXPECT_EQ(window_->skinButtons().PressedButton(), 1);
    QTest::mousePress(window_.get(), Qt::LeftButton, {}, {300, 300});  // a press anywhere resets it
    EXPECT_EQ(window_->skinButtons().PressedButton(), 0);
}

}  // namespace cantorino::test
