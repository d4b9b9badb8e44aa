#pragma once

#include <QRectF>
#include <QRgb>
#include <QString>

#include "Glyphs.h"

class QPainter;

namespace cantorino::skin {

/// Paints the skin's keys in their released or pressed state. Everything a key
/// paints stays inside its cell, so a sprite cell can replace it on the face.
class ButtonPainter {
public:
    /// Paints with `painter`, which must have antialiasing on.
    explicit ButtonPainter(QPainter& painter);

    /// The round recess a transport button sits in; part of the bare face.
    void socket(const QRectF& cell);
    /// A round transport button filling a 36 x 36 cell; `warm` for leaving.
    void round(const QRectF& cell, Glyph glyph, bool pressed, bool warm = false);
    /// A small rectangular key (song keys, playlist arrows).
    void key(const QRectF& cell, Glyph glyph, bool pressed, qreal glyphSize);
    /// The preferences tab with its caption.
    void tab(const QRectF& cell, bool pressed);
    /// A wide key with a symbol at its left end and a caption after it.
    void sideKey(const QRectF& cell, Glyph glyph, const QString& text, bool pressed);
    /// A small raised key without a pressed state (minimise, drop-down).
    void smallKey(const QRectF& rect, Glyph glyph, qreal glyphSize);

private:
    void caption(QPointF baseline, const QString& text, int pixels, bool pressed, QRgb ink);
    void symbol(const QRectF& box, Glyph glyph, bool pressed, QRgb ink);
    void keyBody(const QRectF& rect, qreal radius, bool pressed);

    QPainter& painter_;
};

}  // namespace cantorino::skin
