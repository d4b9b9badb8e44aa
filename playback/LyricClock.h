#pragma once

#include <QColor>
#include <QString>
#include <functional>

#include "MidiService.h"
#include "PlaybackControls.h"
#include "PlayerState.h"
#include "SongModel.h"

namespace cantorino {

class LyricBox;
class StatusTimers;
class Transport;

/// The lyric clock (Timer1, every millisecond while playing): follows the service's position,
/// advances the lyrics one syllable at a time, draws the current and the next line in both
/// lyric boxes, keeps time, percentage and knob current and detects the song's end. UI thread.
class LyricClock {
public:
    /// Gap between the two lyric lines in the main box, in pixels.
    static constexpr double kMainLineGap = 12;
    /// Gap between the two lyric lines in the lyrics window, in pixels.
    static constexpr double kLyricsWindowLineGap = 18;
    /// Top of the first lyric row in both boxes.
    static constexpr double kFirstRowTop = 68;

    /// Works on state owned by the main window; `nextSong` selects the playlist's next song.
    LyricClock(MidiService& service, SongModel& model, PlayerState& state, const PlaybackControls& controls,
               Transport& transport, StatusTimers& status, std::function<void()> nextSong);

    /// One tick of the clock.
    void Tick();
    /// Moves the progress knob to the service's position; the argument is not used.
    void UpdateBar(int16_t percent);

    /// Colour of the lyric lines (TextColor1).
    void setTextColor(const QColor& color) { textColor1_ = color; }
    /// Colour of the current syllable (TextColor2).
    void setCurrentColor(const QColor& color) { textColor2_ = color; }
    /// Whether the ball is shown over the current syllable.
    void setShowBall(bool show) { showBall_ = show; }

private:
    void Redraw();
    void drawLines(LyricBox* box, double gap, const QString& current, const QString& next, bool nextExists,
                   const QString& firstRun, const QString& syllable, const QString& rest);
    void placeBall(const QString& current, const QString& firstRun, const QString& syllable);

    MidiService& service_;
    SongModel& model_;
    PlayerState& state_;
    const PlaybackControls& controls_;
    Transport& transport_;
    StatusTimers& status_;
    std::function<void()> nextSong_;
    QColor textColor1_ = QColor(255, 0, 0);
    QColor textColor2_ = QColor(255, 255, 0);
    bool showBall_ = true;
    QString pendingLine_;    ///< the line that next takes the slot freed by the line being sung
    int nextLineAbove_ = 0;  ///< 1 when the next line was drawn in the upper slot
};

}  // namespace cantorino
