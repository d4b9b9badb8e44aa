#include "AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "Glyphs.h"
#include "Palette.h"

namespace cantorino::skin {

namespace {

constexpr qreal kDesign = 256;

QLinearGradient vertical(qreal top, qreal bottom, const QColor& from, const QColor& to)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

}  // namespace

QImage AppIcon::paint(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kDesign, size / kDesign);
    painter.setPen(Qt::NoPen);

    const QRectF tile(12, 12, 232, 232);
    painter.setBrush(withAlpha(0, 90));
    painter.drawRoundedRect(tile.translated(0, 5), 52, 52);
    painter.setBrush(vertical(tile.top(), tile.bottom(), QColor(kPanelTop), QColor(kBodyBottom)));
    painter.drawRoundedRect(tile, 52, 52);
    painter.setBrush(Qt::NoBrush);
    const QLinearGradient rim = vertical(tile.top(), tile.bottom(), withAlpha(0xffffff, 70), withAlpha(0xffffff, 8));
    painter.setPen(QPen(QBrush(rim), 3));
    painter.drawRoundedRect(tile.adjusted(3, 3, -3, -3), 49, 49);
    painter.setPen(Qt::NoPen);

    const QPointF c(128, 128);
    painter.setBrush(vertical(28, 228, withAlpha(0, 210), withAlpha(0xffffff, 40)));
    painter.drawEllipse(c, 100, 100);
    painter.setBrush(QColor(kOutline));
    painter.drawEllipse(c, 94, 94);
    painter.setBrush(vertical(36, 220, QColor(kKeyTop), QColor(kKeyBottom)));
    painter.drawEllipse(c, 90, 90);
    painter.setBrush(vertical(56, 200, QColor(kFaceTop), QColor(kFaceBottom)));
    painter.drawEllipse(c, 70, 70);

    QRadialGradient halo(c, 70);
    halo.setColorAt(0, withAlpha(kAccent, 70));
    halo.setColorAt(1, withAlpha(kAccent, 0));
    painter.setBrush(halo);
    painter.drawEllipse(c, 70, 70);

    const QRectF mic(68, 64, 120, 120);
    Glyphs::paint(painter, Glyph::Microphone, mic.translated(0, 4), withAlpha(0, 150));
    QLinearGradient lit(mic.topLeft(), mic.bottomLeft());
    lit.setColorAt(0, qRgb(0xc8, 0xf1, 0xff));
    lit.setColorAt(0.45, QColor(kAccent));
    lit.setColorAt(1, QColor(kAccentDeep));
    Glyphs::paint(painter, Glyph::Microphone, mic, lit);
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace cantorino::skin
