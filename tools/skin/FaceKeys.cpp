#include "FaceKeys.h"

#include <QPainter>

#include "ButtonPainter.h"
#include "Layout.h"

namespace cantorino::skin {

namespace {

/// Symbols of transport buttons 1..8: playlist, play, pause, stop, to the
/// start, to the end, lyrics as text, leave.
constexpr Glyph kTransportGlyphs[8] = {Glyph::Playlist, Glyph::Play,    Glyph::Pause,      Glyph::Stop,
                                       Glyph::ToStart,  Glyph::ToEnd,   Glyph::LyricsText, Glyph::Exit};
/// Symbols of song keys 9..12: previous, first, last, next song.
constexpr Glyph kSongGlyphs[4] = {Glyph::PreviousSong, Glyph::FirstSong, Glyph::LastSong, Glyph::NextSong};
constexpr int kExitButton = 8;

}  // namespace

QImage FaceKeys::paint(const QImage& bare, bool pressed)
{
    QImage face = bare.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    ButtonPainter buttons(painter);
    for (int n = 1; n <= 8; ++n) {
        buttons.round(buttonCell(n).translated(kButtonSheetAt), kTransportGlyphs[n - 1], pressed,
                      n == kExitButton);
    }
    for (int n = 9; n <= 12; ++n)
        buttons.key(songKeyCell(n).translated(kSongSheetAt), kSongGlyphs[n - 9], pressed, 12);
    buttons.tab(kTab, pressed);
    painter.end();
    return face.convertToFormat(QImage::Format_RGB32);
}

}  // namespace cantorino::skin
