#pragma once

#include <QPoint>
#include <QString>
#include <functional>

#include "PlaybackControls.h"
#include "PlayerState.h"

class QLabel;
class QWidget;

namespace cantorino {

class MidiService;
class SkinFace;
class SongModel;
class Transport;

/// What the skin buttons do that belongs to other parts of the window.
struct SkinActions {
    std::function<void()> togglePlaylist;    ///< button 1
    std::function<void()> hidePlaylist;      ///< button 2 hides the panel first
    std::function<void()> toggleLyricsText;  ///< button 7
    std::function<void()> PreviousSong;      ///< button 9
    std::function<void()> FirstList;         ///< button 10
    std::function<void()> LastList;          ///< button 11
    std::function<void()> NextSong;          ///< button 12
    std::function<void()> ShowPreferences;   ///< button 13
    std::function<void()> startWindowMove;   ///< a drag in the title bar
    std::function<void()> repaintFace;       ///< the face image changed
};

/// The mouse on the painted face: press and release of the thirteen skin buttons, hover
/// captions, the title-bar drag and the progress-marker drag, and the buttons' actions.
class SkinButtons {
public:
    /// Leftmost and rightmost place of the progress marker's left edge.
    static constexpr int kMarkerLeft = 305;
    /// Right end of the progress track: the marker's left edge stops at this minus its width.
    static constexpr int kTrackEnd = 523;

    /// Works on state owned by the main window.
    SkinButtons(SkinFace& face, MidiService& service, const SongModel& model, PlayerState& state,
                const PlaybackControls& controls, Transport& transport, QLabel* statusValue, QLabel* statusName,
                const bool& skinButtonsEnabled, SkinActions actions);

    /// A mouse press on the window at `p`.
    void Press(QPoint p, Qt::MouseButton button);
    /// A mouse release on the window at `p`.
    void Release(QPoint p, Qt::MouseButton button);
    /// Pointer movement over the window with `buttons` held.
    void Move(QPoint p, Qt::MouseButtons buttons);
    /// Runs the action of skin button `n` if the release happened over it.
    void ButtonClick(int n);

    /// A press on the progress marker at `p` (marker pixels).
    void MarkerPress(QPoint p);
    /// Pointer movement over the marker.
    void MarkerMove(QPoint p, Qt::MouseButtons buttons);
    /// The release of the marker.
    void MarkerRelease();

    /// The button pressed last (0: none).
    int PressedButton() const { return pressedButton_; }
    /// True while the marker is dragged.
    bool DraggingMarker() const { return draggingMarker_; }

private:
    bool pressable(int n) const;
    void moveMarker(int left);

    SkinFace& face_;
    MidiService& service_;
    const SongModel& model_;
    PlayerState& state_;
    const PlaybackControls& controls_;
    Transport& transport_;
    QLabel* statusValue_;  // Label2(1)
    QLabel* statusName_;   // Label2(2)
    const bool& skinButtonsEnabled_;
    SkinActions actions_;
    int pressedButton_ = 0;
    bool releasedInside_ = false;
    bool draggingMarker_ = false;
    float markerGrabOffset_ = 0;
    int autoSkipBeforeDrag_ = 0;
};

}  // namespace cantorino
