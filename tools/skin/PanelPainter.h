#pragma once

#include <QImage>

class QPainter;

namespace cantorino::skin {

/// Paints the playlist panel: its 644 x 292 picture and its two key sprites.
class PanelPainter {
public:
    /// The panel picture with its keys released (`pressed` false) or pressed,
    /// painted over the part of `face` that the panel covers.
    static QImage picture(const QImage& face, bool pressed);
    /// The 123 x 205 sprite sheet cut out of `picture` at the key places.
    static QImage sprites(const QImage& picture);

private:
    static void lists(QPainter& painter);
    static void plates(QPainter& painter);
};

}  // namespace cantorino::skin
