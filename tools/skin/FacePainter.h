#pragma once

#include <QImage>

class QPainter;

namespace cantorino::skin {

/// Paints the bare 760 x 580 face: body, title bar, frames, wells and displays,
/// everything except the keys that have a pressed state.
class FacePainter {
public:
    /// The bare face, opaque.
    static QImage paint();

private:
    static void body(QPainter& painter);
    static void titleBar(QPainter& painter);
    static void lyricFrame(QPainter& painter);
    static void grille(QPainter& painter, const QRect& rect);
    static void toolbarRow(QPainter& painter);
    static void console(QPainter& painter);
    static void mixerStrip(QPainter& painter, int index);
    static void channelDetail(QPainter& painter);
    static void titleDisplay(QPainter& painter);
    static void progressTrack(QPainter& painter);
    static void rightPanel(QPainter& painter);
};

}  // namespace cantorino::skin
