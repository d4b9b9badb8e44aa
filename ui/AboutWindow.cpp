#include "AboutWindow.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "Version.h"

namespace cantorino {

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName("AboutWindow");
    setWindowTitle("Informazioni su Cantorino");
    setFixedSize(360, 220);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    const QString credits = QString(
        "<div style='color:#e8eef5'>"
        "<p style='font-size:22pt; font-weight:bold; color:#ffd54a; margin:0'>Cantorino</p>"
        "<p style='margin:2px 0 12px 0'>versione %1</p>"
        "<p style='margin:0'>Lettore karaoke per file MIDI (.kar)</p>"
        "<p style='margin:0'>Suono: FluidSynth e SoundFont General MIDI</p>"
        "<p style='margin:0'>Grafica: Qt 6</p>"
        "<p style='margin:12px 0 0 0; color:#9fb0c2'>Clicca per chiudere</p>"
        "</div>").arg(kCantorinoVersion);
    auto* text = new QLabel(credits, this);
    text->setObjectName("Credits");
    text->setTextFormat(Qt::RichText);
    layout->addWidget(text);
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(kShowMs);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void AboutWindow::showCredits() {
    if (parentWidget()) {
        const QRect over = parentWidget()->frameGeometry();
        move(over.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    hideTimer_.start();  // also when the window manager does not report the activation
}

void AboutWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) hideTimer_.start();
    QWidget::changeEvent(event);
}

void AboutWindow::mousePressEvent(QMouseEvent*) { hide(); }

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, height());
    bg.setColorAt(0, QColor(44, 58, 78));
    bg.setColorAt(1, QColor(20, 27, 38));
    p.setPen(QPen(QColor(110, 130, 155), 2));
    p.setBrush(bg);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10, 10);
}

}  // namespace cantorino
