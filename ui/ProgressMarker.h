#pragma once

#include <QLabel>

namespace cantorino {

/// The progress marker on the progress bar (Image3): a small picture that reports the mouse.
class ProgressMarker : public QLabel {
    Q_OBJECT
public:
    /// A marker showing `picture`.
    explicit ProgressMarker(const QPixmap& picture, QWidget* parent = nullptr);

signals:
    /// Pressed with any button at `p` (marker pixels).
    void pressed(QPoint p);
    /// The pointer moved over (or, while pressed, away from) the marker.
    void moved(QPoint p, Qt::MouseButtons buttons);
    /// Released after a press.
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace cantorino
