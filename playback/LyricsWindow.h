#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QLabel;

namespace cantorino {

class LyricBox;
class ShapeWidget;

/// What the lyrics window's function keys press on the main window. Buttons that are null
/// (their feature is not there yet) are skipped.
struct LyricsWindowKeys {
    std::function<void()> showAbout;       ///< F1
    QAbstractButton* volumeDown = nullptr;  ///< F2 "vol-"
    QAbstractButton* volumeUp = nullptr;    ///< F3 "vol+"
    QAbstractButton* firstSong = nullptr;   ///< F4 "inizio"
    QAbstractButton* transposeDown = nullptr;  ///< F6 "T-"
    QAbstractButton* transposeUp = nullptr;    ///< F7 "T+"
    QAbstractButton* play = nullptr;        ///< F8 "play"
    QAbstractButton* pause = nullptr;       ///< F9 "paus"
    QAbstractButton* previous = nullptr;    ///< F10 "prev"
    QAbstractButton* next = nullptr;        ///< F11 "next"
    QCheckBox* autoSkip = nullptr;          ///< "Auto-Skip"
    QCheckBox* channel4 = nullptr;          ///< F12: the mixer's channel 4 switch
};

/// The separate, resizable lyrics window: a large copy of the lyric display with the titles,
/// driven from the function keys. It holds no song state.
class LyricsWindow : public QWidget {
    Q_OBJECT
public:
    /// Margin ratio between the window and its lyric box.
    static constexpr double kBoxRatio = 1.014;

    /// A hidden window; `mainBox` is the main window's lyric box, for the height ratio.
    explicit LyricsWindow(const LyricBox* mainBox, QWidget* parent = nullptr);

    /// Wires the function keys to the main window's controls.
    void setKeys(LyricsWindowKeys keys) { keys_ = std::move(keys); }

    /// The lyric box (Picture1).
    LyricBox* Picture1() const { return picture1_; }
    /// Title line i (Label10(i)).
    QLabel* Label10(int i) const { return label10_[size_t(i)]; }
    /// The transposition readout (Label2(1)).
    QLabel* Label2_1() const { return label2_1_; }
    /// The channel-4 indicator (Shape1).
    ShapeWidget* Shape1() const { return shape1_; }
    /// Lyric box height ÷ main lyric box height, as of the last activation.
    double HeightRatio() const { return heightRatio_; }

    /// Runs the action of a function key (Qt::Key_F1 … Qt::Key_F12); other keys do nothing.
    void FunctionKey(int key);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Activate();
    void layoutBox();
    static void press(QAbstractButton* button);

    const LyricBox* mainBox_;
    LyricBox* picture1_;
    std::array<QLabel*, 3> label10_{};
    QLabel* label2_1_;
    ShapeWidget* shape1_;
    LyricsWindowKeys keys_;
    double heightRatio_ = 1;
    int keyPaused_ = 0;
};

}  // namespace cantorino
