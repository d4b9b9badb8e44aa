#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QWidget>

namespace cantorino {

/// One text run printed into a lyric box, in the box's coordinates.
struct PrintedRun {
    QString text;
    QPointF at;  ///< cursor position (top left of the text) when printed
    QColor color;
};

/// A lyric box: a persistent background (colour and optional picture) with text runs
/// printed over it at a text cursor, like a drawing surface that keeps what is drawn.
class LyricBox : public QWidget {
    Q_OBJECT
public:
    /// An empty black box.
    explicit LyricBox(QWidget* parent = nullptr);

    /// Clears the drawing back to the background and puts the cursor at the top left.
    void Cls();
    /// Draws `text` at the cursor in `color`; the cursor moves right, or to the next row when `endRow`.
    void Print(const QString& text, const QColor& color, bool endRow);
    /// Width of `text` in pixels with the box's font.
    double TextWidth(const QString& text) const;
    /// Height of one row of text in pixels.
    double TextHeight() const;

    /// Horizontal cursor position in pixels.
    double CurrentX() const { return currentX_; }
    /// Vertical cursor position, in the box's coordinates (see setScaleTop).
    double CurrentY() const { return currentY_; }
    /// Moves the cursor horizontally.
    void setCurrentX(double x) { currentX_ = x; }
    /// Moves the cursor vertically.
    void setCurrentY(double y) { currentY_ = y; }
    /// The coordinate of the box's top edge: with −k, text drawn at y lands k pixels lower.
    void setScaleTop(double top) { scaleTop_ = top; }
    /// The coordinate of the top edge.
    double scaleTop() const { return scaleTop_; }

    /// The lyric font.
    const QFont& lyricFont() const { return lyricFont_; }
    /// Sets the lyric font (face, size, weight) for text printed from now on.
    void setLyricFont(const QFont& font) { lyricFont_ = font; }
    /// Sets the lyric font size in points.
    void setFontSize(double points);
    /// Background colour; shown at the next Cls.
    void setBackColor(const QColor& color);
    /// Makes `picture`, stretched to the box, the persistent background; a null image removes it.
    void setPicture(const QImage& picture);
    /// True when nothing but the background is drawn.
    bool isClear() const { return clear_; }
    /// The runs printed since the last Cls, in order.
    const QList<PrintedRun>& runs() const { return runs_; }

signals:
    /// The box was clicked with any mouse button.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage background() const;

    QImage canvas_;
    QImage picture_;
    QColor backColor_ = Qt::black;
    QFont lyricFont_;
    double currentX_ = 0;
    double currentY_ = 0;
    double scaleTop_ = 0;
    bool clear_ = true;
    QList<PrintedRun> runs_;
};

}  // namespace cantorino
