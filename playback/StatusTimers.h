#pragma once

#include <QString>

#include "PlaybackControls.h"
#include "PlayerState.h"
#include "SongModel.h"

namespace cantorino {

/// The small handlers around the lyric clock: the status text, the beat indicator and the
/// ball's bounce. UI thread.
class StatusTimers {
public:
    /// Top of the ball at rest and the lowest it bounces to, in lyric-box pixels.
    static constexpr int kBallLow = 48;
    /// The highest the ball bounces to.
    static constexpr int kBallHigh = 24;

    /// Works on state owned by the main window.
    StatusTimers(const SongModel& model, const PlayerState& state, const PlaybackControls& controls);

    /// Shows a status text ("Esecuzione", "Fermo", "In Pausa"); reacts only to a real change.
    void SetStatusText(const QString& text);
    /// Shows the beat counter (beat number + 1); a change redraws the beat indicator.
    void SetBeatCounter(int counter);
    /// One step of the ball's bounce (Timer2).
    void BounceBall();

private:
    void statusChanged(const QString& text);
    void beatChanged();

    const SongModel& model_;
    const PlayerState& state_;
    const PlaybackControls& controls_;
    bool ballGoingUp_ = false;
};

}  // namespace cantorino
