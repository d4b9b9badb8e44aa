#include "ProgressMarker.h"

#include <QMouseEvent>

namespace cantorino {

ProgressMarker::ProgressMarker(const QPixmap& picture, QWidget* parent) : QLabel(parent) {
    setPixmap(picture);
    setCursor(Qt::SizeHorCursor);
    setMouseTracking(true);
}

void ProgressMarker::mousePressEvent(QMouseEvent* event) { emit pressed(event->position().toPoint()); }

void ProgressMarker::mouseMoveEvent(QMouseEvent* event) { emit moved(event->position().toPoint(), event->buttons()); }

void ProgressMarker::mouseReleaseEvent(QMouseEvent*) { emit released(); }

}  // namespace cantorino
