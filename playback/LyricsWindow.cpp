#include "LyricsWindow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

#include "LyricBox.h"
#include "ShapeWidget.h"

namespace cantorino {
namespace {

/// Where the lyric box starts inside the window, in pixels.
constexpr int kBoxOffset = 6;

QLabel* overlayLabel(QWidget* parent, const char* name, const QString& text, int pointSize) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setStyleSheet("color: #d8e4f0; background: transparent;");
    QFont font("Liberation Sans", pointSize);
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

LyricsWindow::LyricsWindow(const LyricBox* mainBox, QWidget* parent)
    : QWidget(parent, Qt::Window), mainBox_(mainBox) {
    setObjectName("Form2");
    setWindowTitle("Cantorino - Testo");
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(11, 15, 22));
    setPalette(dark);
    setAutoFillBackground(true);
    picture1_ = new LyricBox(this);
    picture1_->setObjectName("Picture1");
    picture1_->move(kBoxOffset, kBoxOffset);
    picture1_->setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < 3; ++i) {
        label10_[size_t(i)] = overlayLabel(this, i == 0 ? "Label10_0" : i == 1 ? "Label10_1" : "Label10_2", {},
                                           i == 0 ? 14 : 10);
        label10_[size_t(i)]->setGeometry(18, 12 + 24 * i, 600, 22);
    }
    label2_1_ = overlayLabel(this, "Label2_1", "00", 12);
    shape1_ = new ShapeWidget(12, QColor(0, 220, 90), this);
    shape1_->setObjectName("Shape1");
    connect(picture1_, &LyricBox::clicked, this, &QWidget::hide);
    resize(1000, 420);
    layoutBox();
}

void LyricsWindow::resizeEvent(QResizeEvent*) { layoutBox(); }

void LyricsWindow::layoutBox() {
    picture1_->resize(int(width() / kBoxRatio), int(height() / kBoxRatio));
    label2_1_->setGeometry(width() - 60, 12, 44, 22);
    shape1_->move(width() - 30, height() - 30);
}

void LyricsWindow::showEvent(QShowEvent*) {
    picture1_->setFocus();
    Activate();  // also where no window manager reports the activation
}

void LyricsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Activate();
    QWidget::changeEvent(event);
}

void LyricsWindow::Activate() {
    if (mainBox_->height() > 0) heightRatio_ = double(picture1_->height()) / mainBox_->height();
    // Both boxes draw from the same top; this moves the large box's text down in proportion.
    picture1_->setScaleTop(-68 * heightRatio_);
}

void LyricsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F12) {
        FunctionKey(event->key());
        return;
    }
    QWidget::keyPressEvent(event);
}

void LyricsWindow::press(QAbstractButton* button) {
    if (button) button->click();
}

void LyricsWindow::FunctionKey(int key) {
    const auto tickAutoSkip = [this](bool on) {
        if (keys_.autoSkip) keys_.autoSkip->setChecked(on);
    };
    switch (key) {
    case Qt::Key_F1:
        if (keys_.showAbout) keys_.showAbout();
        break;
    case Qt::Key_F2: press(keys_.volumeDown); break;
    case Qt::Key_F3: press(keys_.volumeUp); break;
    case Qt::Key_F4: press(keys_.firstSong); break;
    case Qt::Key_F5: {
        const bool show = label10_[0]->isHidden();
        for (QLabel* label : label10_) label->setVisible(show);
        break;
    }
    case Qt::Key_F6: press(keys_.transposeDown); break;
    case Qt::Key_F7: press(keys_.transposeUp); break;
    case Qt::Key_F8:
        tickAutoSkip(true);
        press(keys_.play);
        break;
    case Qt::Key_F9:
        tickAutoSkip(false);
        keyPaused_ = 1;
        press(keys_.pause);
        break;
    case Qt::Key_F10:
    case Qt::Key_F11:
        if (keyPaused_ == 1) {
            tickAutoSkip(true);
            keyPaused_ = 0;
        }
        press(key == Qt::Key_F10 ? keys_.previous : keys_.next);
        break;
    case Qt::Key_F12:
        if (keys_.channel4) keys_.channel4->setChecked(!keys_.channel4->isChecked());
        break;
    default:
        break;
    }
}

}  // namespace cantorino
