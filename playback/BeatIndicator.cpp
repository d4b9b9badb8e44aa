#include "BeatIndicator.h"

#include <QPainter>

namespace cantorino {

BeatIndicator::BeatIndicator(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

void BeatIndicator::Cls() {
    painted_ = {};
    update();
}

void BeatIndicator::PaintPicture(const QRectF& target) {
    painted_ = target;
    update();
}

void BeatIndicator::paintEvent(QPaintEvent*) {
    if (painted_.isEmpty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (picture_.isNull())
        p.fillRect(painted_, QColor(0, 200, 255));
    else
        p.drawImage(painted_, picture_);
}

}  // namespace cantorino
