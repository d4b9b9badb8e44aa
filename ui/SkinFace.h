#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>

namespace cantorino {

/// The painted face of the main window: the skin bitmap, the pressed and released images of
/// its thirteen buttons, and the hidden colour-coded hit maps that say which button lies where.
class SkinFace {
public:
    /// Number of painted buttons: 1–8 round transport buttons, 9–12 song buttons, 13 the tab.
    static constexpr int kButtons = 13;

    /// Loads the face, sprites and hit maps from the skin resources.
    SkinFace();

    /// The face as it looks now, with every button in its last painted state.
    const QImage& image() const { return face_; }
    /// The button whose hit region holds window point `p` (0: none). The colours of the hit
    /// maps decide; the tab is a rectangle.
    int ButtonAt(QPoint p) const;
    /// The transport button (1–8) under `p` in the round-button hit map, 0 for none.
    int TransportButtonAt(QPoint p) const;
    /// The song button (9–12) under `p` in the song-button hit map, 0 for none or its background.
    int SongButtonAt(QPoint p) const;
    /// True inside the song-button strip, where the song hit map is consulted.
    static bool InSongStrip(QPoint p);
    /// True inside the preferences tab.
    static bool InTab(QPoint p);
    /// True inside the title bar, where a drag moves the window.
    static bool InTitleBar(QPoint p);
    /// Paints button `n` pressed or released onto the face.
    void PaintButton(int n, bool pressed);
    /// Hover caption of buttons 1–8; empty for any other number.
    static QString ButtonCaption(int n);
    /// Hover caption of the song buttons and the tab (9–13); empty for any other number.
    static QString SongButtonCaption(int n);

private:
    QImage face_;
    QImage buttonHitMap_, songHitMap_;
    QImage pressed_, released_;          // Image1, Image2: round buttons
    QImage tabPressed_, tabReleased_;    // Image5, Image6
    QImage songReleased_, songPressed_;  // Image7, Image8
};

}  // namespace cantorino
