#include "StatusTimers.h"

#include <QLabel>
#include <QTimer>

#include "BeatIndicator.h"
#include "LyricBox.h"
#include "ShapeWidget.h"

namespace cantorino {

StatusTimers::StatusTimers(const SongModel& model, const PlayerState& state, const PlaybackControls& controls)
    : model_(model), state_(state), controls_(controls) {}

void StatusTimers::SetStatusText(const QString& text) {
    if (controls_.Label12->text() == text) return;
    controls_.Label12->setText(text);
    statusChanged(text);
}

void StatusTimers::statusChanged(const QString& text) {
    if (text == "Esecuzione") {
        const bool allShown = int64_t(model_.Syllables.size()) - 1 < int64_t(model_.SyllableIndex) + 1;
        if (allShown) {
            controls_.Timer2->stop();
            controls_.Shape1->hide();
            controls_.Picture4->Cls();
            controls_.LyricsPicture1->Cls();
        }
    } else if (text == "Fermo" || text == "In Pausa") {
        controls_.Timer2->stop();
        controls_.Shape1->hide();
        controls_.Picture3->Cls();
        controls_.Timer1->stop();
    }
}

void StatusTimers::SetBeatCounter(int counter) {
    const QString text = QString::number(counter);
    if (controls_.Label1->text() == text) return;
    controls_.Label1->setText(text);
    beatChanged();
}

void StatusTimers::beatChanged() {
    BeatIndicator* box = controls_.Picture3;
    box->Cls();
    const int beats = state_.TimeSignature.BeatsPerMeasure;
    if (state_.PlayState != kPlaying || beats == 0) return;
    const double width = box->width();
    const double unit = width / beats;
    const int n = state_.BeatNumber + 1;
    box->PaintPicture(QRectF(width / 2 - n * unit / 2, 0, n * unit, 4));
}

void StatusTimers::BounceBall() {
    ShapeWidget* ball = controls_.Shape1;
    int top = ball->y();
    if (!ballGoingUp_) {
        top += 4;
        if (top > kBallLow) {
            top -= 8;
            ballGoingUp_ = true;
        }
    } else {
        top -= 4;
        if (top < kBallHigh) {
            top += 8;
            ballGoingUp_ = false;
        }
    }
    ball->move(ball->x(), top);
}

}  // namespace cantorino
