#include "ButtonPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>

#include "Palette.h"

namespace cantorino::skin {

namespace {

constexpr qreal kSocketRadius = 17.8;
constexpr qreal kBodyRadius = 15.8;
constexpr qreal kFaceRadius = 11.6;
constexpr int kCaptionPixels = 10;
constexpr QRgb kTabTop = qRgb(0x3a, 0x45, 0x5c);
constexpr QRgb kPressedFaceTop = qRgb(0x19, 0x1e, 0x2a);
constexpr QRgb kPressedFaceBottom = qRgb(0x29, 0x31, 0x43);

QLinearGradient vertical(const QRectF& rect, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QRectF around(QPointF centre, qreal radius)
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

QFont captionFont(int pixels)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace

ButtonPainter::ButtonPainter(QPainter& painter) : painter_(painter) {}

void ButtonPainter::symbol(const QRectF& box, Glyph glyph, bool pressed, QRgb ink)
{
    const QRectF at = pressed ? box.translated(1, 1) : box;
    if (pressed) {
        QTransform toBox;
        toBox.translate(at.x(), at.y());
        toBox.scale(at.width() / 16.0, at.height() / 16.0);
        QPainterPathStroker halo;
        halo.setWidth(2.4);
        halo.setJoinStyle(Qt::RoundJoin);
        painter_.save();
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(withAlpha(ink, 60));
        painter_.drawPath(halo.createStroke(toBox.map(Glyphs::path(glyph))));
        painter_.restore();
    } else {
        Glyphs::paint(painter_, glyph, at.translated(0, 1), withAlpha(0, 150));
    }
    Glyphs::paint(painter_, glyph, at, QColor(ink));
}

void ButtonPainter::socket(const QRectF& cell)
{
    const QPointF c = cell.center();
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(vertical(around(c, kSocketRadius), withAlpha(0, 200), withAlpha(0xffffff, 34)));
    painter_.drawEllipse(c, kSocketRadius, kSocketRadius);
    painter_.setBrush(QColor(kWellDeep));
    painter_.drawEllipse(c, kSocketRadius - 1, kSocketRadius - 1);
    painter_.restore();
}

void ButtonPainter::round(const QRectF& cell, Glyph glyph, bool pressed, bool warm)
{
    const QPointF c = cell.center();
    const QRectF body = around(c, kBodyRadius - 0.8);
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(kOutline));
    painter_.drawEllipse(c, kBodyRadius, kBodyRadius);
    if (pressed) {
        painter_.setBrush(vertical(body, QColor(kKeyPressedTop), QColor(kKeyPressedBottom)));
        painter_.drawEllipse(body);
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(QPen(withAlpha(warm ? kWarm : kAccent, 120), 1));
        painter_.drawEllipse(c, kBodyRadius - 0.5, kBodyRadius - 0.5);
        painter_.setPen(QPen(QBrush(vertical(body, withAlpha(0, 170), withAlpha(0, 0))), 1.6));
        painter_.drawEllipse(c, kBodyRadius - 2, kBodyRadius - 2);
    } else {
        painter_.setBrush(vertical(body, QColor(kKeyTop), QColor(kKeyBottom)));
        painter_.drawEllipse(body);
        QLinearGradient lit = vertical(body, withAlpha(0xffffff, 90), withAlpha(0xffffff, 0));
        lit.setColorAt(0.5, withAlpha(0xffffff, 0));
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(QPen(QBrush(lit), 1));
        painter_.drawEllipse(c, kBodyRadius - 1.4, kBodyRadius - 1.4);
    }

    const QRectF face = around(c, kFaceRadius);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(pressed ? vertical(face, QColor(kPressedFaceTop), QColor(kPressedFaceBottom))
                              : vertical(face, QColor(kFaceTop), QColor(kFaceBottom)));
    painter_.drawEllipse(face);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(QBrush(vertical(face, withAlpha(0, 130), withAlpha(0xffffff, pressed ? 14 : 40))), 1));
    painter_.drawEllipse(c, kFaceRadius - 0.5, kFaceRadius - 0.5);
    painter_.restore();

    const QRgb ink = warm ? kWarm : (pressed ? kAccent : kInk);
    symbol(around(c, 6.5), glyph, pressed, ink);
}

void ButtonPainter::keyBody(const QRectF& rect, qreal radius, bool pressed)
{
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(kOutline));
    painter_.drawRoundedRect(rect, radius, radius);
    const QRectF inner = rect.adjusted(1, 1, -1, -1);
    if (pressed) {
        painter_.setBrush(vertical(inner, QColor(kKeyPressedTop), QColor(kKeyPressedBottom)));
        painter_.drawRoundedRect(inner, radius - 1, radius - 1);
        painter_.setClipRect(inner);
        painter_.setBrush(vertical(QRectF(inner.topLeft(), QSizeF(inner.width(), 3)), withAlpha(0, 150),
                                   withAlpha(0, 0)));
        painter_.drawRect(QRectF(inner.topLeft(), QSizeF(inner.width(), 3)));
    } else {
        painter_.setBrush(vertical(inner, QColor(kKeyTop), QColor(kKeyBottom)));
        painter_.drawRoundedRect(inner, radius - 1, radius - 1);
        painter_.setPen(QPen(withAlpha(0xffffff, 64), 1));
        painter_.drawLine(QPointF(inner.left() + radius - 1, inner.top() + 0.5),
                          QPointF(inner.right() - radius + 1, inner.top() + 0.5));
    }
    painter_.restore();
}

void ButtonPainter::key(const QRectF& cell, Glyph glyph, bool pressed, qreal glyphSize)
{
    keyBody(cell, 4, pressed);
    const QPointF c = cell.center();
    const QRectF box(c.x() - glyphSize / 2, c.y() - glyphSize / 2, glyphSize, glyphSize);
    symbol(box, glyph, pressed, pressed ? kAccent : kInk);
}

void ButtonPainter::smallKey(const QRectF& rect, Glyph glyph, qreal glyphSize)
{
    keyBody(rect, 4, false);
    const QPointF c = rect.center();
    symbol(QRectF(c.x() - glyphSize / 2, c.y() - glyphSize / 2, glyphSize, glyphSize), glyph, false, kInkDim);
}

void ButtonPainter::tab(const QRectF& cell, bool pressed)
{
    const qreal left = cell.left() + 0.5;
    const qreal right = cell.right() - 0.5;
    const qreal top = cell.top() + 0.5;
    const qreal bottom = cell.bottom();
    QPainterPath outline;
    outline.moveTo(left, bottom);
    outline.cubicTo(left + 3, bottom, left + 3, top, left + 9, top);
    outline.lineTo(right - 9, top);
    outline.cubicTo(right - 3, top, right - 3, bottom, right, bottom);

    painter_.save();
    QPainterPath fill = outline;
    fill.closeSubpath();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(pressed ? vertical(cell, QColor(kKeyPressedTop), QColor(kPanelTop))
                              : vertical(cell, QColor(kTabTop), QColor(kPanelTop)));
    painter_.drawPath(fill);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(withAlpha(kOutline, 230), 1));
    painter_.drawPath(outline);
    if (!pressed) {
        painter_.setPen(QPen(withAlpha(0xffffff, 50), 1));
        painter_.drawLine(QPointF(left + 9, top + 1), QPointF(right - 9, top + 1));
    }
    painter_.restore();

    const QString text = QStringLiteral("Preferenze");
    const qreal glyphSize = 10;
    const qreal textWidth = QFontMetricsF(captionFont(kCaptionPixels)).horizontalAdvance(text);
    const qreal start = cell.center().x() - (glyphSize + 5 + textWidth) / 2;
    symbol(QRectF(start, cell.top() + 3.5, glyphSize, glyphSize), Glyph::Preferences, pressed,
           pressed ? kAccent : kInkDim);
    caption(QPointF(start + glyphSize + 5, cell.top() + 12.5), text, kCaptionPixels, pressed, pressed ? kAccent : kInk);
}

void ButtonPainter::caption(QPointF baseline, const QString& text, int pixels, bool pressed, QRgb ink)
{
    painter_.save();
    painter_.setFont(captionFont(pixels));
    if (pressed) {
        baseline += QPointF(1, 1);
    } else {
        painter_.setPen(withAlpha(0, 150));
        painter_.drawText(baseline + QPointF(0, 1), text);
    }
    painter_.setPen(QColor(ink));
    painter_.drawText(baseline, text);
    painter_.restore();
}

void ButtonPainter::sideKey(const QRectF& cell, Glyph glyph, const QString& text, bool pressed)
{
    const QRectF body = cell.adjusted(1, 1, -1, -1);
    keyBody(body, 5, pressed);
    painter_.save();
    painter_.setPen(QPen(withAlpha(0, 140), 1));
    painter_.drawLine(QPointF(body.left() + 14.5, body.top() + 4), QPointF(body.left() + 14.5, body.bottom() - 4));
    painter_.setPen(QPen(withAlpha(0xffffff, 22), 1));
    painter_.drawLine(QPointF(body.left() + 15.5, body.top() + 4), QPointF(body.left() + 15.5, body.bottom() - 4));
    painter_.restore();

    const qreal cy = body.center().y();
    symbol(QRectF(body.left() + 2, cy - 4.5, 9, 9), glyph, pressed, pressed ? kAccent : kInk);
    caption(QPointF(body.left() + 19, cy + 3.5), text, kCaptionPixels - 1, pressed, pressed ? kAccent : kInkDim);
}

}  // namespace cantorino::skin
