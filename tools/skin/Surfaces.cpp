#include "Surfaces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "Palette.h"

namespace cantorino::skin {

namespace {

QPainterPath rounded(const QRectF& rect, qreal radius)
{
    QPainterPath p;
    p.addRoundedRect(rect, radius, radius);
    return p;
}

QLinearGradient vertical(const QRectF& rect, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

}  // namespace

Surfaces::Surfaces(QPainter& painter) : painter_(painter) {}

void Surfaces::raised(const QRectF& rect, qreal radius, QRgb top, QRgb bottom)
{
    painter_.save();
    painter_.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        painter_.setBrush(withAlpha(0, 28 + 16 * (3 - i)));
        painter_.drawPath(rounded(rect.adjusted(-i * 0.5, 0, i * 0.5, i), radius + i));
    }
    painter_.setBrush(vertical(rect, QColor(top), QColor(bottom)));
    painter_.drawPath(rounded(rect, radius));

    QLinearGradient lip = vertical(rect, withAlpha(0xffffff, 52), withAlpha(0xffffff, 0));
    lip.setColorAt(0.35, withAlpha(0xffffff, 6));
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(QBrush(lip), 1));
    painter_.drawPath(rounded(rect.adjusted(1.5, 1.5, -1.5, -1.5), qMax<qreal>(radius - 1, 0)));
    painter_.setPen(QPen(withAlpha(kOutline, 230), 1));
    painter_.drawPath(rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius));
    painter_.restore();
}

void Surfaces::sunken(const QRectF& rect, qreal radius, QRgb fill)
{
    painter_.save();
    painter_.setPen(QPen(QBrush(vertical(rect, withAlpha(0xffffff, 0), withAlpha(0xffffff, 40))), 1));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(rounded(rect.adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5));

    const QPainterPath inside = rounded(rect, radius);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(fill));
    painter_.drawPath(inside);
    painter_.setClipPath(inside);
    const QRectF shade(rect.x(), rect.y(), rect.width(), qMin<qreal>(5, rect.height()));
    painter_.setBrush(vertical(shade, withAlpha(0, 120), withAlpha(0, 0)));
    painter_.drawRect(shade);
    painter_.setClipping(false);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(QBrush(vertical(rect, withAlpha(0, 220), withAlpha(0, 140))), 1));
    painter_.drawPath(rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius));
    painter_.restore();
}

void Surfaces::display(const QRectF& rect, qreal radius)
{
    sunken(rect, radius, kDisplay);
    painter_.save();
    painter_.setClipPath(rounded(rect.adjusted(1, 1, -1, -1), radius));
    const QRectF glare(rect.left(), rect.top(), rect.width(), rect.height() * 0.45);
    painter_.fillRect(glare, vertical(glare, withAlpha(0x9fb8ff, 14), withAlpha(0x9fb8ff, 0)));
    painter_.restore();
}

void Surfaces::rule(qreal x1, qreal x2, qreal y)
{
    painter_.save();
    painter_.setPen(QPen(withAlpha(0, 150), 1));
    painter_.drawLine(QPointF(x1, y + 0.5), QPointF(x2, y + 0.5));
    painter_.setPen(QPen(withAlpha(0xffffff, 26), 1));
    painter_.drawLine(QPointF(x1, y + 1.5), QPointF(x2, y + 1.5));
    painter_.restore();
}

void Surfaces::hole(QPointF centre, qreal radius)
{
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(withAlpha(0xffffff, 30));
    painter_.drawEllipse(centre + QPointF(0, 0.6), radius, radius);
    painter_.setBrush(QColor(kWellDeep));
    painter_.drawEllipse(centre, radius, radius);
    painter_.restore();
}

}  // namespace cantorino::skin
