#include "SkinFace.h"

#include <QPainter>
#include <QRect>

namespace cantorino {
namespace {

/// Window point of pixel (0,0) of the round-button hit map.
constexpr QPoint kButtonMapAt{599, 484};
/// Window point of pixel (0,0) of the song-button hit map.
constexpr QPoint kSongMapAt{605, 453};

constexpr std::array<QRgb, 8> kButtonColours = {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 255, 0),
                                                qRgb(0, 0, 255), qRgb(255, 0, 255), qRgb(255, 255, 255),
                                                qRgb(0, 0, 0), qRgb(0, 255, 255)};
constexpr std::array<QRgb, 4> kSongColours = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                              qRgb(255, 0, 255)};
constexpr std::array<int, 4> kColumns = {4, 40, 76, 112};       ///< sprite x of each column
constexpr std::array<int, 4> kDestColumns = {603, 639, 675, 711};
constexpr std::array<int, 4> kSongColumns = {1, 30, 82, 111};
constexpr std::array<int, 4> kSongDestColumns = {606, 635, 687, 716};

QImage load(const char* name) { return QImage(QString(":/skin/%1.png").arg(name)).convertToFormat(QImage::Format_RGB32); }

/// The pixel of `map` at `p` relative to `origin`, or nothing when `p` lies outside the map.
std::optional<QRgb> mapPixel(const QImage& map, QPoint p, QPoint origin) {
    const QPoint at = p - origin;
    if (!map.rect().contains(at)) return std::nullopt;
    return map.pixel(at) & 0xFFFFFF;
}

}  // namespace

SkinFace::SkinFace()
    : face_(load("Skin")), buttonHitMap_(load("ButtonHitMap")), songHitMap_(load("SongButtonHitMap")),
      pressed_(load("Image1")), released_(load("Image2")), tabPressed_(load("Image5")), tabReleased_(load("Image6")),
      songReleased_(load("Image7")), songPressed_(load("Image8")) {}

bool SkinFace::InTab(QPoint p) { return p.x() > 595 && p.x() < 709 && p.y() > 277 && p.y() < 292; }

bool SkinFace::InSongStrip(QPoint p) { return p.x() > 604 && p.x() < 745 && p.y() > 452 && p.y() < 471; }

bool SkinFace::InTitleBar(QPoint p) { return p.x() > 12 && p.x() < 721 && p.y() > 9 && p.y() < 28; }

int SkinFace::TransportButtonAt(QPoint p) const {
    const auto pixel = mapPixel(buttonHitMap_, p, kButtonMapAt);
    if (!pixel) return 0;
    for (size_t i = 0; i < kButtonColours.size(); ++i)
        if ((kButtonColours[i] & 0xFFFFFF) == *pixel) return int(i) + 1;
    return 0;
}

int SkinFace::SongButtonAt(QPoint p) const {
    const auto pixel = mapPixel(songHitMap_, p, kSongMapAt);
    if (!pixel) return 0;
    for (size_t i = 0; i < kSongColours.size(); ++i)
        if ((kSongColours[i] & 0xFFFFFF) == *pixel) return int(i) + 9;
    return 0;
}

int SkinFace::ButtonAt(QPoint p) const {
    if (InTab(p)) return 13;
    if (InSongStrip(p)) return SongButtonAt(p);
    return TransportButtonAt(p);
}

void SkinFace::PaintButton(int n, bool pressed) {
    QPainter painter(&face_);
    if (n >= 1 && n <= 8) {
        const int column = (n - 1) % 4;
        const int row = (n - 1) / 4;
        const QRect source(kColumns[size_t(column)], row == 0 ? 3 : 44, 36, 36);
        painter.drawImage(QPoint(kDestColumns[size_t(column)], row == 0 ? 487 : 528), pressed ? pressed_ : released_,
                          source);
    } else if (n >= 9 && n <= 12) {
        const size_t k = size_t(n - 9);
        painter.drawImage(QPoint(kSongDestColumns[k], 454), pressed ? songPressed_ : songReleased_,
                          QRect(kSongColumns[k], 1, 27, 15));
    } else if (n == 13) {
        painter.drawImage(QPoint(593, 278), pressed ? tabPressed_ : tabReleased_);
    }
}

QString SkinFace::ButtonCaption(int n) {
    static const char* captions[] = {"Apre Play List", "Esegue", "Pausa", "Ferma",
                                     "Va all'inizio", "Va alla fine", "Visualizza Testo", "Esce"};
    return n >= 1 && n <= 8 ? QString(captions[n - 1]) : QString();
}

QString SkinFace::SongButtonCaption(int n) {
    static const char* captions[] = {"Brano Precedente", "Primo Brano", "Ultimo Brano", "Prossimo Brano", "Preferenze"};
    return n >= 9 && n <= 13 ? QString(captions[n - 9]) : QString();
}

}  // namespace cantorino
