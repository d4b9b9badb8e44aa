#pragma once

#include <QRectF>
#include <QRgb>

class QPainter;

namespace cantorino::skin {

/// The recurring materials of the skin: raised plates, sunken wells, displays.
class Surfaces {
public:
    /// Paints with `painter`, which must have antialiasing on.
    explicit Surfaces(QPainter& painter);

    /// A plate standing out of the face: soft drop shadow, vertical gradient,
    /// dark outline, lit top edge.
    void raised(const QRectF& rect, qreal radius, QRgb top, QRgb bottom);
    /// A recess cut into the face: shaded top inside, lit lower lip outside.
    void sunken(const QRectF& rect, qreal radius, QRgb fill);
    /// A black display glass with a faint reflection.
    void display(const QRectF& rect, qreal radius);
    /// A horizontal engraved rule: a dark line over a lit one.
    void rule(qreal x1, qreal x2, qreal y);
    /// A round hole of the given radius with a lit lower rim.
    void hole(QPointF centre, qreal radius);

private:
    QPainter& painter_;
};

}  // namespace cantorino::skin
