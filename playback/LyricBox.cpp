#include "LyricBox.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

namespace cantorino {

LyricBox::LyricBox(QWidget* parent) : QWidget(parent) {
    lyricFont_ = QFont("Times New Roman", 24);
    lyricFont_.setBold(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage LyricBox::background() const {
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    if (!picture_.isNull()) {
        QPainter p(&image);
        p.drawImage(image.rect(), picture_);
    } else {
        image.fill(backColor_);
    }
    return image;
}

void LyricBox::Cls() {
    canvas_ = background();
    currentX_ = 0;
    currentY_ = 0;
    clear_ = true;
    runs_.clear();
    update();
}

void LyricBox::Print(const QString& text, const QColor& color, bool endRow) {
    if (canvas_.size() != size().expandedTo(QSize(1, 1))) canvas_ = background();
    if (!text.isEmpty()) {
        runs_.append({text, QPointF(currentX_, currentY_), color});
        QPainter p(&canvas_);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(lyricFont_);
        p.setPen(color);
        const QFontMetricsF fm(lyricFont_);
        p.drawText(QPointF(currentX_, currentY_ - scaleTop_ + fm.ascent()), text);
        clear_ = false;
        update();
    }
    if (endRow) {
        currentX_ = 0;
        currentY_ += TextHeight();
    } else {
        currentX_ += TextWidth(text);
    }
}

double LyricBox::TextWidth(const QString& text) const { return QFontMetricsF(lyricFont_).horizontalAdvance(text); }

double LyricBox::TextHeight() const { return QFontMetricsF(lyricFont_).height(); }

void LyricBox::setFontSize(double points) {
    if (points > 0) lyricFont_.setPointSizeF(points);
}

void LyricBox::setBackColor(const QColor& color) { backColor_ = color; }

void LyricBox::setPicture(const QImage& picture) { picture_ = picture; }

void LyricBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (canvas_.isNull()) {
        p.fillRect(rect(), backColor_);
    } else {
        p.drawImage(0, 0, canvas_);
    }
}

void LyricBox::resizeEvent(QResizeEvent*) {
    // Keep what is drawn; the newly uncovered part shows the background.
    QImage grown = background();
    if (!canvas_.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, canvas_);
    }
    canvas_ = grown;
}

void LyricBox::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace cantorino
