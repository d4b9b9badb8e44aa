#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>

#include "Glyphs.h"

// The playlist panel (Picture5), in panel pixels. Its picture is 644 x 292 and
// only the top-left 577 x 269 shows. The nine panel keys keep the player's hit
// rectangles and sprite places; the caption plates lie under the six caption
// labels, each plate starting 6 pixels left of its label and 3 pixels above it.
namespace cantorino::skin {

inline constexpr QSize kPanelPictureSize{644, 292};
inline constexpr QRect kPanelVisible{0, 0, 577, 269};
inline constexpr QRect kFoundListWell{20, 26, 227, 177};
inline constexpr QRect kPlaylistWell{312, 24, 227, 177};

inline constexpr QSize kPanelSheetSize{123, 205};
inline constexpr QRgb kPanelHitBackground = qRgb(167, 167, 167);
/// Sprite columns left of this belong to the arrow keys, the rest to the side keys.
inline constexpr int kSideSheetLeft = 45;
/// Panel point shown by sprite pixel (0,0) of the arrow keys.
inline constexpr QPoint kArrowSheetAt{259, 53};
/// Panel point shown by sprite pixel (0,0) of the side keys.
inline constexpr QPoint kSideSheetAt{518, 10};

/// One key of the panel: hit rectangle in the hit map, sprite cell, colour, symbol.
struct PanelKey {
    QRect hit;
    QRect cell;
    QRgb colour;
    Glyph glyph;
    const char* caption;
};

inline constexpr QRgb kRed = qRgb(255, 0, 0);
inline constexpr QRgb kGreen = qRgb(0, 255, 0);
inline constexpr QRgb kBlue = qRgb(0, 0, 255);
inline constexpr QRgb kMagenta = qRgb(255, 0, 255);
inline constexpr QRgb kCyan = qRgb(0, 255, 255);

/// Items 1..4: move selected / all to the right, selected / all to the left.
inline constexpr PanelKey kArrowKeys[4] = {
    {{3, 2, 37, 19}, {1, 1, 42, 22}, kRed, Glyph::Right, ""},
    {{3, 24, 37, 19}, {1, 23, 42, 22}, kGreen, Glyph::AllRight, ""},
    {{3, 53, 37, 19}, {1, 52, 42, 22}, kBlue, Glyph::Left, ""},
    {{3, 75, 37, 19}, {1, 74, 42, 22}, kMagenta, Glyph::AllLeft, ""},
};

/// Items 5..9: open, save, search a folder, clear, load and play.
inline constexpr PanelKey kSideKeys[5] = {
    {{47, 2, 73, 26}, {45, 1, 77, 30}, kRed, Glyph::Open, "Apre Lista"},
    {{47, 32, 73, 25}, {45, 32, 77, 30}, kGreen, Glyph::Save, "Salva Lista"},
    {{47, 60, 73, 26}, {45, 64, 77, 30}, kBlue, Glyph::Browse, "Sfoglia"},
    {{47, 147, 73, 26}, {45, 145, 77, 30}, kMagenta, Glyph::Clear, "Cancella"},
    {{47, 177, 73, 25}, {45, 177, 77, 30}, kCyan, Glyph::Play, "Carica"},
};

/// Left edges of the six caption labels, all at y 232 and 15 high.
inline constexpr int kCaptionLabelX[6] = {42, 126, 210, 296, 388, 476};
inline constexpr int kCaptionLabelY = 232;

/// The plate under the caption label starting at `labelX`.
constexpr QRect captionPlate(int labelX) { return {labelX - 6, kCaptionLabelY - 3, 80, 21}; }

}  // namespace cantorino::skin
