#include "Glyphs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

namespace cantorino::skin {

namespace {

/// Scale at which parts are merged.
constexpr qreal kFine = 64;

QPainterPath roundedBar(qreal x, qreal y, qreal w, qreal h, qreal radius)
{
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return p;
}

QPainterPath disc(QPointF centre, qreal radius)
{
    QPainterPath p;
    p.addEllipse(centre, radius, radius);
    return p;
}

QPainterPath line(QPointF from, QPointF to)
{
    QPainterPath p;
    p.moveTo(from);
    p.lineTo(to);
    return p;
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath p;
    p.moveTo(a);
    p.lineTo(b);
    p.lineTo(c);
    p.closeSubpath();
    return p;
}

}  // namespace

QPainterPath Glyphs::path(Glyph glyph)
{
    // Parts are merged at a fine scale so that curves stay round when a
    // glyph is painted large (the program icon).
    const QTransform up = QTransform::fromScale(kFine, kFine);
    QPainterPath merged;
    for (const Part& part : parts(glyph)) {
        QPainterPath fine = up.map(part.outline);
        if (part.stroke > 0) {
            QPainterPathStroker stroker;
            stroker.setWidth(part.stroke * kFine);
            stroker.setCapStyle(Qt::RoundCap);
            stroker.setJoinStyle(Qt::RoundJoin);
            fine = stroker.createStroke(fine);
        }
        merged = merged.united(fine);
    }
    return QTransform::fromScale(1 / kFine, 1 / kFine).map(merged);
}

std::vector<Glyphs::Part> Glyphs::mirrored(std::vector<Part> parts)
{
    for (Part& part : parts)
        part.outline = QTransform(-1, 0, 0, 1, 16, 0).map(part.outline);
    return parts;
}

std::vector<Glyphs::Part> Glyphs::parts(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Play:
        return {{triangle({4.6, 2.4}, {14.0, 8.0}, {4.6, 13.6})}};
    case Glyph::Pause:
        return {{roundedBar(3.6, 3.0, 3.3, 10.0, 0.8)}, {roundedBar(9.1, 3.0, 3.3, 10.0, 0.8)}};
    case Glyph::Stop:
        return {{roundedBar(3.4, 3.4, 9.2, 9.2, 1.3)}};
    case Glyph::ToStart:
        return {{roundedBar(2.6, 3.0, 2.2, 10.0, 0.6)}, {triangle({13.6, 3.0}, {5.6, 8.0}, {13.6, 13.0})}};
    case Glyph::ToEnd:
        return mirrored(parts(Glyph::ToStart));
    case Glyph::Playlist: {
        std::vector<Part> rows;
        for (qreal y : {3.8, 8.0, 12.2}) {
            rows.push_back({disc({3.0, y}, 1.35)});
            rows.push_back({roundedBar(6.0, y - 0.95, 8.6, 1.9, 0.95)});
        }
        return rows;
    }
    case Glyph::LyricsText: {
        QPainterPath page;
        page.moveTo(3.6, 1.8);
        page.lineTo(9.6, 1.8);
        page.lineTo(12.6, 4.8);
        page.lineTo(12.6, 14.2);
        page.lineTo(3.6, 14.2);
        page.closeSubpath();
        QPainterPath fold;
        fold.moveTo(9.4, 2.0);
        fold.lineTo(9.4, 5.0);
        fold.lineTo(12.4, 5.0);
        return {{page, 1.4},
                {fold, 1.4},
                {roundedBar(5.6, 7.05, 3.4, 1.1, 0.55)},
                {roundedBar(5.6, 9.45, 5.0, 1.1, 0.55)},
                {roundedBar(5.6, 11.65, 5.0, 1.1, 0.55)}};
    }
    case Glyph::Exit: {
        const QRectF circle(2.6, 3.2, 10.8, 10.8);
        QPainterPath ring;
        ring.arcMoveTo(circle, 124);
        ring.arcTo(circle, 124, 292);
        return {{ring, 1.9}, {line({8.0, 1.6}, {8.0, 7.6}), 1.9}};
    }
    case Glyph::PreviousSong:
        return {{triangle({8.0, 3.6}, {1.6, 8.0}, {8.0, 12.4})}, {triangle({14.4, 3.6}, {8.0, 8.0}, {14.4, 12.4})}};
    case Glyph::FirstSong:
        return {{roundedBar(1.0, 3.6, 1.7, 8.8, 0.5)},
                {triangle({8.6, 3.6}, {3.2, 8.0}, {8.6, 12.4})},
                {triangle({14.6, 3.6}, {9.2, 8.0}, {14.6, 12.4})}};
    case Glyph::LastSong:
        return mirrored(parts(Glyph::FirstSong));
    case Glyph::NextSong:
        return mirrored(parts(Glyph::PreviousSong));
    case Glyph::Preferences: {
        std::vector<Part> sliders;
        const qreal rows[3] = {3.5, 8.0, 12.5};
        const qreal knobs[3] = {10.5, 5.0, 9.0};
        for (int i = 0; i < 3; ++i) {
            sliders.push_back({roundedBar(1.5, rows[i] - 0.6, 13.0, 1.2, 0.6)});
            sliders.push_back({disc({knobs[i], rows[i]}, 2.0)});
        }
        return sliders;
    }
    case Glyph::Note: {
        QPainterPath head;
        head.addEllipse(QPointF(0, 0), 2.7, 2.0);
        QPainterPath flag;
        flag.moveTo(8.4, 2.4);
        flag.cubicTo(9.0, 5.0, 12.6, 5.4, 12.0, 9.2);
        flag.cubicTo(11.6, 7.0, 10.0, 6.6, 8.4, 6.4);
        flag.closeSubpath();
        return {{QTransform().translate(5.6, 12.2).rotate(-22).map(head)},
                {roundedBar(7.3, 2.4, 1.4, 10.0, 0.3)},
                {flag}};
    }
    case Glyph::Microphone: {
        QPainterPath holder;
        holder.moveTo(3.4, 6.6);
        holder.arcTo(QRectF(3.4, 2.6, 9.2, 8.8), 180, 180);
        return {{roundedBar(5.4, 0.8, 5.2, 8.6, 2.6)},
                {holder, 1.3},
                {line({8.0, 11.6}, {8.0, 14.0}), 1.3},
                {line({5.4, 14.4}, {10.6, 14.4}), 1.3}};
    }
    case Glyph::Right:
        return {{triangle({5.2, 3.2}, {11.6, 8.0}, {5.2, 12.8})}};
    case Glyph::AllRight:
        return {{triangle({1.8, 3.2}, {8.0, 8.0}, {1.8, 12.8})}, {triangle({8.2, 3.2}, {14.4, 8.0}, {8.2, 12.8})}};
    case Glyph::Left:
        return mirrored(parts(Glyph::Right));
    case Glyph::AllLeft:
        return mirrored(parts(Glyph::AllRight));
    case Glyph::Open: {
        QPainterPath folder;
        folder.moveTo(1.2, 3.2);
        folder.lineTo(6.0, 3.2);
        folder.lineTo(7.6, 4.8);
        folder.lineTo(14.8, 4.8);
        folder.lineTo(14.8, 13.2);
        folder.lineTo(1.2, 13.2);
        folder.closeSubpath();
        return {{folder}};
    }
    case Glyph::Save: {
        QPainterPath disk;
        disk.addRoundedRect(QRectF(1.8, 1.8, 12.4, 12.4), 1.6, 1.6);
        disk.addRect(QRectF(4.6, 1.8, 6.8, 4.0));
        disk.addRoundedRect(QRectF(4.2, 8.6, 7.6, 4.2), 0.8, 0.8);
        return {{disk}};
    }
    case Glyph::Browse: {
        QPainterPath lens;
        lens.addEllipse(QPointF(6.6, 6.6), 4.2, 4.2);
        return {{lens, 2.0}, {line({9.8, 9.8}, {14.0, 14.0}), 2.0}};
    }
    case Glyph::Clear:
        return {{line({3.6, 3.6}, {12.4, 12.4}), 2.2}, {line({12.4, 3.6}, {3.6, 12.4}), 2.2}};
    case Glyph::Help: {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(12);
        font.setBold(true);
        QPainterPath mark;
        mark.addText(0, 0, font, QStringLiteral("?"));
        const QRectF r = mark.boundingRect();
        return {{QTransform::fromTranslate(8.0 - r.center().x(), 8.0 - r.center().y()).map(mark)}};
    }
    case Glyph::Minimise:
        return {{roundedBar(3.0, 11.0, 10.0, 2.2, 1.1)}};
    case Glyph::Down:
        return {{triangle({3.4, 5.6}, {12.6, 5.6}, {8.0, 11.2})}};
    }
    return {};
}

void Glyphs::paint(QPainter& painter, Glyph glyph, const QRectF& box, const QBrush& brush)
{
    QTransform toBox;
    toBox.translate(box.x(), box.y());
    toBox.scale(box.width() / 16.0, box.height() / 16.0);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPath(toBox.map(path(glyph)));
    painter.restore();
}

}  // namespace cantorino::skin
