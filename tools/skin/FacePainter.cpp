#include "FacePainter.h"

#include <cmath>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "ButtonPainter.h"
#include "Glyphs.h"
#include "Layout.h"
#include "Palette.h"
#include "Surfaces.h"

namespace cantorino::skin {

namespace {

constexpr QRgb kStripFill = qRgb(0x1c, 0x22, 0x2f);
constexpr QRgb kSlotFill = qRgb(0x0b, 0x0f, 0x16);
constexpr QRgb kTitleTop = qRgb(0x33, 0x3d, 0x52);
constexpr QRgb kTitleBottom = qRgb(0x20, 0x27, 0x36);

QRectF grown(const QRect& rect, qreal by)
{
    return QRectF(rect).adjusted(-by, -by, by, by);
}

}  // namespace

QImage FacePainter::paint()
{
    QImage face(kFaceSize, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::black);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    body(painter);
    titleBar(painter);
    lyricFrame(painter);
    grille(painter, kLeftGrille);
    grille(painter, kRightGrille);
    toolbarRow(painter);
    console(painter);
    rightPanel(painter);
    painter.end();
    return face.convertToFormat(QImage::Format_RGB32);
}

void FacePainter::body(QPainter& painter)
{
    const QRectF all(QPointF(0, 0), QSizeF(kFaceSize));
    QLinearGradient shade(all.topLeft(), all.bottomLeft());
    shade.setColorAt(0, QColor(kBodyTop));
    shade.setColorAt(1, QColor(kBodyBottom));
    painter.fillRect(all, shade);
    QRadialGradient glow(QPointF(380, 40), 520);
    glow.setColorAt(0, withAlpha(0x7f9cff, 22));
    glow.setColorAt(1, withAlpha(0x7f9cff, 0));
    painter.fillRect(all, glow);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kOutline), 1));
    painter.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    QLinearGradient rim(all.topLeft(), all.bottomLeft());
    rim.setColorAt(0, withAlpha(0xffffff, 40));
    rim.setColorAt(1, withAlpha(0xffffff, 6));
    painter.setPen(QPen(QBrush(rim), 1));
    painter.drawRect(all.adjusted(1.5, 1.5, -1.5, -1.5));
}

void FacePainter::titleBar(QPainter& painter)
{
    Surfaces surfaces(painter);
    surfaces.raised(kTitleBar, 6, kTitleTop, kTitleBottom);

    QLinearGradient accent(QPointF(kTitleGlyph.topLeft()), QPointF(kTitleGlyph.bottomLeft()));
    accent.setColorAt(0, QColor(kAccent));
    accent.setColorAt(1, QColor(kAccentDeep));
    Glyphs::paint(painter, Glyph::Microphone, QRectF(kTitleGlyph).translated(0, 1), withAlpha(0, 140));
    Glyphs::paint(painter, Glyph::Microphone, kTitleGlyph, accent);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    painter.setFont(font);
    const QString caption = QStringLiteral("Cantorino");
    painter.setPen(withAlpha(0, 160));
    painter.drawText(kCaptionAt + QPoint(0, 1), caption);
    painter.setPen(QColor(kInk));
    painter.drawText(kCaptionAt, caption);

    surfaces.sunken(kInfoPill, 9, kWell);
    ButtonPainter(painter).smallKey(kMinimise, Glyph::Minimise, 14);
}

void FacePainter::lyricFrame(QPainter& painter)
{
    Surfaces(painter).sunken(kLyricBezel, 7, kWell);
    const QRectF bezel = QRectF(kLyricBezel).adjusted(1, 1, -1, -1);
    QLinearGradient ring(bezel.topLeft(), bezel.bottomLeft());
    ring.setColorAt(0, QColor(kWellDeep));
    ring.setColorAt(1, qRgb(0x1a, 0x20, 0x2c));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ring);
    painter.drawRoundedRect(bezel, 6, 6);
    painter.setBrush(QColor(kOutline));
    painter.drawRect(grown(kLyricBox, 1));
    painter.setBrush(QColor(kDisplay));
    painter.drawRect(kLyricBox);
}

void FacePainter::grille(QPainter& painter, const QRect& rect)
{
    Surfaces surfaces(painter);
    surfaces.raised(rect, 7, kPanelTop, kPanelBottom);
    const qreal left = rect.left() + 6.5;
    for (qreal y = rect.top() + 8.5; y < rect.bottom() - 5; y += 5) {
        for (qreal x = left; x < rect.right() - 4; x += 5)
            surfaces.hole(QPointF(x, y), 1.35);
    }
}

void FacePainter::toolbarRow(QPainter& painter)
{
    Surfaces surfaces(painter);
    surfaces.sunken(kHelpChip, 9.5, kWell);
    surfaces.sunken(kAutoSkipChip, 9.5, kWell);
    const QRectF help(kHelpChip.left() + 3, kHelpChip.top() + 2, 15, 15);
    painter.setPen(QPen(QColor(kAccentDeep), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(help.adjusted(1, 1, -1, -1));
    Glyphs::paint(painter, Glyph::Help, help.adjusted(1.5, 1.5, -1.5, -1.5), QColor(kAccent));
}

void FacePainter::console(QPainter& painter)
{
    Surfaces surfaces(painter);
    surfaces.raised(kConsole, 7, kPanelTop, kPanelBottom);
    for (int i = 0; i < kStripCount; ++i)
        mixerStrip(painter, i);
    channelDetail(painter);
    titleDisplay(painter);
    progressTrack(painter);
}

void FacePainter::mixerStrip(QPainter& painter, int index)
{
    Surfaces surfaces(painter);
    const int dx = index * kStripPitch;
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(0xffffff, 9));
    painter.drawRoundedRect(strip(index), 4, 4);
    surfaces.sunken(kStripNumber.translated(dx, 0), 2, kDisplay);
    surfaces.sunken(kStripSlider.translated(dx, 0), 2, kWell);
    surfaces.sunken(kStripCheck.translated(dx, 0), 4, kSlotFill);
    surfaces.sunken(kStripOption.translated(dx, 0), 4, kSlotFill);
}

void FacePainter::channelDetail(QPainter& painter)
{
    Surfaces surfaces(painter);
    surfaces.sunken(kDetail, 5, kStripFill);
    surfaces.rule(kDetail.left() + 8, kDetail.right() - 8, kDetailRuleY);
    surfaces.sunken(kInstrumentWell, 3, kWell);
    surfaces.sunken(kOctaveWell, 3, kSlotFill);
    ButtonPainter(painter).smallKey(kDropButton, Glyph::Down, 10);
}

void FacePainter::titleDisplay(QPainter& painter)
{
    Surfaces surfaces(painter);
    surfaces.display(kTitleDisplay, 5);
    painter.setPen(QPen(withAlpha(kAccent, 46), 1));
    painter.drawLine(QPointF(kTitleDisplay.left() + 8, kTitleDividerY + 0.5),
                     QPointF(kTitleDisplay.right() - 8, kTitleDividerY + 0.5));
    surfaces.sunken(kBeatSlot, 2, kSlotFill);
}

void FacePainter::progressTrack(QPainter& painter)
{
    Surfaces(painter).sunken(QRectF(kGroove).adjusted(-2, 0, 2, 0), 3, kWellDeep);
    const qreal half = kMarkerSize.width() / 2.0;
    const qreal span = kTrackRight - kTrackLeft - kMarkerSize.width();
    painter.setPen(Qt::NoPen);
    for (int k = 0; k <= 4; ++k) {
        const qreal x = kTrackLeft + half + span * k / 4.0;
        painter.setBrush(withAlpha(kInkDim, k % 2 == 0 ? 150 : 90));
        painter.drawRect(QRectF(std::floor(x), kGroove.bottom() + 4, 1, k % 2 == 0 ? 3 : 2));
    }
}

void FacePainter::rightPanel(QPainter& painter)
{
    Surfaces surfaces(painter);
    surfaces.raised(kRightPanel, 7, kPanelTop, kPanelBottom);
    painter.fillRect(QRect(kTab.left() + 1, kRightPanel.top(), kTab.width() - 2, 3), QColor(kPanelTop));

    surfaces.display(kStatusDisplay, 4);
    for (const QRect& slider : {kTransposeCtl, kVelocityCtl, kBalanceCtl, kVolumeCtl})
        surfaces.sunken(grown(slider, 2), 3, kWell);
    surfaces.sunken(kSongWell, 6, kWellDeep);
    const QRectF gap(kSongSheetAt.x() + 58, kSongWell.top() + 3, 23, 16);
    Glyphs::paint(painter, Glyph::Note, QRectF(gap.center().x() - 6, gap.top(), 12, 16).adjusted(0, 1, 0, -1),
                  withAlpha(kAccent, 110));

    surfaces.sunken(kTransportPlate, 10, kWell);
    ButtonPainter buttons(painter);
    for (int n = 1; n <= 8; ++n)
        buttons.socket(buttonCell(n).translated(kButtonSheetAt));
}

}  // namespace cantorino::skin
