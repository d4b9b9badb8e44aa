#include "PanelPainter.h"

#include <QPainter>

#include "ButtonPainter.h"
#include "Layout.h"
#include "Palette.h"
#include "PanelLayout.h"
#include "Surfaces.h"

namespace cantorino::skin {

QImage PanelPainter::picture(const QImage& face, bool pressed)
{
    QImage panel(kPanelPictureSize, QImage::Format_ARGB32_Premultiplied);
    panel.fill(QColor(kPanelBottom));
    QPainter painter(&panel);
    painter.drawImage(kPanelVisible, face, kPanelVisible.translated(kConsole.topLeft()));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Surfaces(painter).raised(kPanelVisible, 7, kPanelTop, kPanelBottom);
    lists(painter);
    plates(painter);

    ButtonPainter buttons(painter);
    for (const PanelKey& key : kArrowKeys)
        buttons.key(key.cell.translated(kArrowSheetAt), key.glyph, pressed, 12);
    for (const PanelKey& key : kSideKeys)
        buttons.sideKey(key.cell.translated(kSideSheetAt), key.glyph, QString::fromUtf8(key.caption), pressed);
    painter.end();
    return panel.convertToFormat(QImage::Format_RGB32);
}

QImage PanelPainter::sprites(const QImage& picture)
{
    QImage sheet(kPanelSheetSize, QImage::Format_RGB32);
    QPainter painter(&sheet);
    const QRect arrows(0, 0, kSideSheetLeft, kPanelSheetSize.height());
    const QRect sides(kSideSheetLeft, 0, kPanelSheetSize.width() - kSideSheetLeft, kPanelSheetSize.height());
    painter.drawImage(arrows, picture, arrows.translated(kArrowSheetAt));
    painter.drawImage(sides, picture, sides.translated(kSideSheetAt));
    painter.end();
    return sheet;
}

void PanelPainter::lists(QPainter& painter)
{
    Surfaces surfaces(painter);
    for (const QRect& list : {kFoundListWell, kPlaylistWell}) {
        surfaces.sunken(QRectF(list).adjusted(-2, -2, 2, 2), 3, kWell);
        painter.fillRect(list, QColor(kWellDeep));
    }
    Glyphs::paint(painter, Glyph::Browse, QRectF(kFoundListWell.left(), 6, 13, 13), withAlpha(kAccent, 150));
    Glyphs::paint(painter, Glyph::Playlist, QRectF(kPlaylistWell.left(), 5, 13, 13), withAlpha(kAccent, 150));
    surfaces.rule(kFoundListWell.left() + 18, kFoundListWell.right(), 12);
    surfaces.rule(kPlaylistWell.left() + 18, kPlaylistWell.right(), 11);
}

void PanelPainter::plates(QPainter& painter)
{
    Surfaces surfaces(painter);
    for (int x : kCaptionLabelX)
        surfaces.raised(captionPlate(x), 5, kKeyTop, kKeyBottom);
}

}  // namespace cantorino::skin
