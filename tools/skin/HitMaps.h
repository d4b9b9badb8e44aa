#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

namespace cantorino::skin {

/// The hidden colour-coded maps that tell which key lies under the pointer.
/// Hard edges only: every pixel is the background or one key's colour.
class HitMaps {
public:
    /// ButtonHitMap, 151 x 84: eight discs of 32 pixels on grey.
    static QImage transport();
    /// SongButtonHitMap, 140 x 18: four 28 x 16 rectangles on white.
    static QImage songs();
    /// The playlist panel's map, 123 x 205: nine rectangles on grey.
    static QImage panel();

private:
    static void fillBox(QImage& map, const QRect& box, QRgb colour);
    static void fillDisc(QImage& map, const QRect& box, QRgb colour);
};

}  // namespace cantorino::skin
