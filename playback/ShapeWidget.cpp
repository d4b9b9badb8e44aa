#include "ShapeWidget.h"

#include <QPainter>

namespace cantorino {

ShapeWidget::ShapeWidget(int diameter, const QColor& color, QWidget* parent) : QWidget(parent), color_(color) {
    resize(diameter, diameter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ShapeWidget::setFillColor(const QColor& color) {
    color_ = color;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(width() * 0.35, height() * 0.35, width() * 0.7);
    shine.setColorAt(0, color_.lighter(160));
    shine.setColorAt(1, color_);
    p.setPen(QPen(color_.darker(180), 1));
    p.setBrush(shine);
    p.drawEllipse(QRectF(0.5, 0.5, width() - 1, height() - 1));
}

}  // namespace cantorino
