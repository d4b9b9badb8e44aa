#pragma once

#include <QBrush>
#include <QPainterPath>
#include <QRectF>
#include <vector>

class QPainter;

namespace cantorino::skin {

/// The symbols painted on keys and plates.
enum class Glyph {
    Playlist,
    Play,
    Pause,
    Stop,
    ToStart,
    ToEnd,
    LyricsText,
    Exit,
    PreviousSong,
    FirstSong,
    LastSong,
    NextSong,
    Preferences,
    Note,
    Microphone,
    Right,
    AllRight,
    Left,
    AllLeft,
    Open,
    Save,
    Browse,
    Clear,
    Help,
    Minimise,
    Down,
};

/// Filled outlines of the symbols, drawn in a 16 x 16 design box.
class Glyphs {
public:
    /// Outline of `glyph` in the 16 x 16 design box.
    static QPainterPath path(Glyph glyph);
    /// Fills `glyph` scaled into `box` with `brush`.
    static void paint(QPainter& painter, Glyph glyph, const QRectF& box, const QBrush& brush);

private:
    /// A filled outline, or a line stroked `stroke` units wide with round ends.
    struct Part {
        QPainterPath outline;
        qreal stroke = 0;
    };

    static std::vector<Part> parts(Glyph glyph);
    static std::vector<Part> mirrored(std::vector<Part> parts);
};

}  // namespace cantorino::skin
