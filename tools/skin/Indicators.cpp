#include "Indicators.h"

#include <QLinearGradient>
#include <QPainter>

#include "Layout.h"
#include "Palette.h"

namespace cantorino::skin {

QImage Indicators::marker()
{
    QImage image(kMarkerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0.5, 0.5, kMarkerSize.width() - 1, kMarkerSize.height() - 1);
    QLinearGradient metal(body.topLeft(), body.bottomLeft());
    metal.setColorAt(0, qRgb(0xf2, 0xf6, 0xfc));
    metal.setColorAt(0.5, qRgb(0xb8, 0xc4, 0xd6));
    metal.setColorAt(1, qRgb(0x7c, 0x8a, 0xa2));
    painter.setPen(QPen(QColor(kOutline), 1));
    painter.setBrush(metal);
    painter.drawRoundedRect(body, 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kAccentDeep));
    painter.drawRoundedRect(QRectF(7, 3, 3, 7), 1.5, 1.5);
    painter.setBrush(QColor(kAccent));
    painter.drawRoundedRect(QRectF(7.5, 3.5, 2, 5), 1, 1);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage Indicators::beatBar()
{
    QImage image(24, 5, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient lit(0, 0, 0, 5);
    lit.setColorAt(0, qRgb(0xb8, 0xee, 0xff));
    lit.setColorAt(0.4, QColor(kAccent));
    lit.setColorAt(1, QColor(kAccentDeep));
    painter.fillRect(image.rect(), lit);
    painter.end();
    return image;
}

}  // namespace cantorino::skin
