#pragma once

#include <QColor>
#include <QWidget>

namespace cantorino {

/// A filled circle laid over other controls: the bouncing ball, the channel indicator.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    /// A circle of `diameter` pixels in `color`, hidden until shown.
    ShapeWidget(int diameter, const QColor& color, QWidget* parent = nullptr);
    /// Sets the fill colour.
    void setFillColor(const QColor& color);
    /// The fill colour.
    QColor fillColor() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

}  // namespace cantorino
