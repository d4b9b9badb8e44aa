#pragma once

#include <QLabel>

namespace cantorino {

/// A label that reports clicks, for the small text buttons around the lyric display.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    /// A label with `text` that reacts to the left button.
    explicit ClickableLabel(const QString& text = {}, QWidget* parent = nullptr);

signals:
    /// Released over the label after a press on it.
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace cantorino
