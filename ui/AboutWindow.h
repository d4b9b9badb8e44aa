#pragma once

#include <QTimer>
#include <QWidget>

namespace cantorino {

/// The credits window: shown over the player without blocking it, it hides itself
/// five seconds after each activation.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    /// How long the window stays after it was activated, in ms.
    static constexpr int kShowMs = 5000;

    /// A hidden credits window over `parent`.
    explicit AboutWindow(QWidget* parent = nullptr);
    /// Shows and activates the window.
    void showCredits();
    /// True while the hide timer runs.
    bool hideTimerRunning() const { return hideTimer_.isActive(); }

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer hideTimer_;
};

}  // namespace cantorino
