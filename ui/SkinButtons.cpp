#include "SkinButtons.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>

#include "LyricBox.h"
#include "MidiService.h"
#include "MusicTime.h"
#include "SkinFace.h"
#include "SongModel.h"
#include "Transport.h"

namespace cantorino {
namespace {

/// Runs an action that may not be wired yet.
void run(const std::function<void()>& action) {
    if (action) action();
}

}  // namespace

SkinButtons::SkinButtons(SkinFace& face, MidiService& service, const SongModel& model, PlayerState& state,
                         const PlaybackControls& controls, Transport& transport, QLabel* statusValue,
                         QLabel* statusName, const bool& skinButtonsEnabled, SkinActions actions)
    : face_(face), service_(service), model_(model), state_(state), controls_(controls), transport_(transport),
      statusValue_(statusValue), statusName_(statusName), skinButtonsEnabled_(skinButtonsEnabled),
      actions_(std::move(actions)) {}

bool SkinButtons::pressable(int n) const {
    if (n >= 3 && n <= 7) return state_.SongOpen != 0;  // these act on an open song
    return n != 0;
}

void SkinButtons::Press(QPoint p, Qt::MouseButton button) {
    pressedButton_ = 0;
    if (button != Qt::LeftButton || !skinButtonsEnabled_) return;
    const int n = face_.ButtonAt(p);
    if (!pressable(n)) return;
    face_.PaintButton(n, true);
    pressedButton_ = n;
    run(actions_.repaintFace);
}

void SkinButtons::Release(QPoint p, Qt::MouseButton button) {
    if (pressedButton_ == 0) return;
    releasedInside_ = false;
    if (button != Qt::LeftButton) return;
    const int n = pressedButton_;
    face_.PaintButton(n, false);
    run(actions_.repaintFace);
    if (n == 13)
        releasedInside_ = SkinFace::InTab(p);
    else if (n >= 9)
        releasedInside_ = face_.SongButtonAt(p) == n;
    else
        releasedInside_ = face_.TransportButtonAt(p) == n;
    ButtonClick(n);
}

void SkinButtons::Move(QPoint p, Qt::MouseButtons buttons) {
    if (SkinFace::InTitleBar(p)) {
        if (buttons & Qt::LeftButton) run(actions_.startWindowMove);
        return;
    }
    if (draggingMarker_) {
        if (buttons & Qt::LeftButton) moveMarker(int(p.x() - markerGrabOffset_));
        QCoreApplication::processEvents();
        return;
    }
    if (SkinFace::InTab(p)) {
        statusName_->setText(SkinFace::SongButtonCaption(13));
    } else if (SkinFace::InSongStrip(p)) {
        statusName_->setText(SkinFace::SongButtonCaption(face_.SongButtonAt(p)));
    } else {
        statusName_->setText(SkinFace::ButtonCaption(face_.TransportButtonAt(p)));
        statusValue_->clear();
    }
}

void SkinButtons::moveMarker(int left) {
    QWidget* marker = controls_.Image3;
    left = std::clamp(left, kMarkerLeft, kTrackEnd - marker->width());
    marker->move(left, marker->y());
}

void SkinButtons::ButtonClick(int n) {
    if (!releasedInside_) return;
    QCheckBox* autoSkip = controls_.Check5;
    switch (n) {
    case 1: run(actions_.togglePlaylist); break;
    case 2: {
        run(actions_.hidePlaylist);
        const QString title = controls_.Label10[0]->text();
        if (title != "Play List Non Trovata" && !title.isEmpty()) {
            autoSkip->setChecked(true);
            transport_.Play();
        }
        break;
    }
    case 3:
        autoSkip->setChecked(false);
        transport_.PauseMusic();
        break;
    case 4:
        autoSkip->setChecked(false);
        transport_.StopMusic();
        moveMarker(kMarkerLeft);
        break;
    case 5:
        transport_.SeekStart();
        moveMarker(kMarkerLeft);
        controls_.Label4->setText("00:00");
        controls_.Label8->setText("0 %");
        break;
    case 6: {
        const int32_t length = service_.GetLength(state_.SongSegment);
        controls_.Label4->setText(formatMinutesSeconds(length, model_.TempoMicros));
        controls_.Label8->setText("100 %");
        transport_.SeekEnd();
        moveMarker(kTrackEnd - controls_.Image3->width());
        break;
    }
    case 7: run(actions_.toggleLyricsText); break;
    case 8: transport_.EndProgram(); break;
    case 9: run(actions_.PreviousSong); break;
    case 10: run(actions_.FirstList); break;
    case 11: run(actions_.LastList); break;
    case 12: run(actions_.NextSong); break;
    case 13: run(actions_.ShowPreferences); break;
    default: break;
    }
}

void SkinButtons::MarkerPress(QPoint p) {
    QCheckBox* autoSkip = controls_.Check5;
    autoSkipBeforeDrag_ = autoSkip->isChecked() ? 1 : 0;
    autoSkip->setChecked(false);
    draggingMarker_ = true;
    service_.SetPlayFrom(state_.SongSegment, 0);
    service_.StopSegment(state_.MidiPerformance, {}, {}, 0, 0);
    markerGrabOffset_ = float(p.x());
    controls_.Picture4->Cls();
    controls_.LyricsPicture1->Cls();
    state_.PlayState = kPaused;
}

void SkinButtons::MarkerMove(QPoint p, Qt::MouseButtons buttons) {
    if (state_.SongOpen == 0) return;
    Move(controls_.Image3->pos() + p, buttons);
}

void SkinButtons::MarkerRelease() {
    if (autoSkipBeforeDrag_ == 1) controls_.Check5->setChecked(true);
    draggingMarker_ = false;
    transport_.SetMusicPosition();
    state_.PlayState = kPlaying;
}

}  // namespace cantorino
