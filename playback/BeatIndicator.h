#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>

namespace cantorino {

/// The beat indicator box: empty, or one picture stretched into a rectangle.
class BeatIndicator : public QWidget {
    Q_OBJECT
public:
    /// An empty box that will paint `picture` (the beat bitmap).
    explicit BeatIndicator(const QImage& picture, QWidget* parent = nullptr);
    /// Empties the box.
    void Cls();
    /// Paints the beat bitmap stretched into `target` (box pixels), replacing what was there.
    void PaintPicture(const QRectF& target);
    /// Where the bitmap is painted; empty when the box is clear.
    QRectF paintedRect() const { return painted_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QRectF painted_;
};

}  // namespace cantorino
