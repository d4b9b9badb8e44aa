#pragma once

#include <array>

class QCheckBox;
class QLabel;
class QTimer;
class QWidget;

namespace cantorino {

class BeatIndicator;
class LyricBox;
class ShapeWidget;

/// The controls of the main and lyrics windows that the transport and the lyric clock
/// write to. The main window creates them and owns them; this only points at them.
struct PlaybackControls {
    QWidget* window = nullptr;            ///< the main window: mouse pointer
    LyricBox* Picture4 = nullptr;         ///< main lyric box
    LyricBox* LyricsPicture1 = nullptr;   ///< lyrics window's lyric box
    ShapeWidget* Shape1 = nullptr;        ///< the ball, inside Picture4
    std::array<QLabel*, 3> Label10{};     ///< title lines of the main window
    std::array<QLabel*, 3> LyricsLabel10{};  ///< title lines of the lyrics window
    QLabel* LyricsLabel2_1 = nullptr;     ///< lyrics window's transposition readout
    QLabel* Label1 = nullptr;             ///< beat counter
    QLabel* Label4 = nullptr;             ///< elapsed time
    QLabel* Label5 = nullptr;             ///< "Durata" song length
    QLabel* Label8 = nullptr;             ///< percentage
    QLabel* Label9 = nullptr;             ///< time signature
    QLabel* Label12 = nullptr;            ///< status text
    QWidget* Image3 = nullptr;            ///< progress knob
    QCheckBox* Check5 = nullptr;          ///< "Auto-Skip"
    BeatIndicator* Picture3 = nullptr;    ///< beat indicator
    QTimer* Timer1 = nullptr;             ///< lyric clock, 1 ms
    QTimer* Timer2 = nullptr;             ///< ball bounce
};

}  // namespace cantorino
