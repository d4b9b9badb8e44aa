#include "HitMaps.h"

#include <span>

#include "Layout.h"
#include "PanelLayout.h"

namespace cantorino::skin {

namespace {

constexpr QRgb kTransportBackground = qRgb(180, 180, 180);
constexpr QRgb kSongBackground = qRgb(255, 255, 255);
constexpr int kDiscDiameter = 32;
/// Disc of transport button n sits 2 pixels in from the left and top of its cell.
constexpr int kDiscInset = 2;

/// Colours of transport buttons 1..8.
constexpr QRgb kTransportColours[8] = {kRed,     qRgb(255, 255, 0),   kGreen,        kBlue,
                                       kMagenta, qRgb(255, 255, 255), qRgb(0, 0, 0), kCyan};
/// Colours of song keys 9..12.
constexpr QRgb kSongColours[4] = {kRed, kGreen, kBlue, kMagenta};

}  // namespace

void HitMaps::fillDisc(QImage& map, const QRect& box, QRgb colour)
{
    // A pixel belongs to the disc when its centre lies inside the circle
    // inscribed in `box`; the result touches all four sides of the box.
    const double cx = box.left() + box.width() / 2.0;
    const double cy = box.top() + box.height() / 2.0;
    const double r = box.width() / 2.0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= r * r)
                map.setPixel(x, y, colour);
        }
    }
}

void HitMaps::fillBox(QImage& map, const QRect& box, QRgb colour)
{
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            map.setPixel(x, y, colour);
    }
}

QImage HitMaps::transport()
{
    QImage map(kButtonSheetSize, QImage::Format_RGB32);
    map.fill(kTransportBackground);
    for (int n = 1; n <= 8; ++n) {
        const QRect cell = buttonCell(n);
        fillDisc(map, QRect(cell.left() + kDiscInset, cell.top() + kDiscInset, kDiscDiameter, kDiscDiameter),
                 kTransportColours[n - 1]);
    }
    return map;
}

QImage HitMaps::songs()
{
    QImage map(kSongSheetSize, QImage::Format_RGB32);
    map.fill(kSongBackground);
    for (int n = 9; n <= 12; ++n)
        fillBox(map, songKeyCell(n).adjusted(0, 0, 1, 1), kSongColours[n - 9]);
    return map;
}

QImage HitMaps::panel()
{
    QImage map(kPanelSheetSize, QImage::Format_RGB32);
    map.fill(kPanelHitBackground);
    using Keys = std::span<const PanelKey>;
    for (Keys keys : {Keys(kArrowKeys), Keys(kSideKeys)}) {
        for (const PanelKey& key : keys)
            fillBox(map, key.hit, key.colour);
    }
    return map;
}

}  // namespace cantorino::skin
