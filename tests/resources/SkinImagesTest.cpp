#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <set>
#include <span>
#include <vector>

namespace {

const QString kSkinDir = QStringLiteral(CANTORINO_SOURCE_DIR "/resources/skin/");

QImage load(const QString& name)
{
    const QImage image(kSkinDir + name);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000u; }

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kMagenta = qRgb(255, 0, 255);
constexpr QRgb kCyan = qRgb(0, 255, 255);
constexpr QRgb kWhite = qRgb(255, 255, 255);

/// A coloured area of a hit map, inclusive bounds.
struct Area {
    QRgb colour;
    int x1, x2, y1, y2;
};

// The transport discs, song rectangles and panel rectangles as the player's
// hit testing expects them.
const Area kDiscs[8] = {
    {kRed, 6, 37, 5, 36},
    {qRgb(255, 255, 0), 42, 73, 5, 36},
    {kGreen, 78, 109, 5, 36},
    {kBlue, 114, 145, 5, 36},
    {kMagenta, 6, 37, 46, 77},
    {kWhite, 42, 73, 46, 77},
    {qRgb(0, 0, 0), 78, 109, 46, 77},
    {kCyan, 114, 145, 46, 77},
};
const Area kSongRects[4] = {
    {kRed, 1, 28, 1, 16},
    {kGreen, 30, 57, 1, 16},
    {kBlue, 82, 109, 1, 16},
    {kMagenta, 111, 138, 1, 16},
};
const Area kPanelRects[9] = {
    {kRed, 3, 39, 2, 20},
    {kGreen, 3, 39, 24, 42},
    {kBlue, 3, 39, 53, 71},
    {kMagenta, 3, 39, 75, 93},
    {kRed, 47, 119, 2, 27},
    {kGreen, 47, 119, 32, 56},
    {kBlue, 47, 119, 60, 85},
    {kMagenta, 47, 119, 147, 172},
    {kCyan, 47, 119, 177, 201},
};

/// A key sprite: where its cell lies in the sheet and where it is painted.
struct Sprite {
    QRect source;
    QPoint destination;
};

std::vector<Sprite> transportSprites()
{
    std::vector<Sprite> sprites;
    const int xs[4] = {4, 40, 76, 112};
    const int windowXs[4] = {603, 639, 675, 711};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column)
            sprites.push_back({{xs[column], row == 0 ? 3 : 44, 36, 36}, {windowXs[column], row == 0 ? 487 : 528}});
    }
    return sprites;
}

const Sprite kSongSprites[4] = {{{1, 1, 27, 15}, {606, 454}},
                                {{30, 1, 27, 15}, {635, 454}},
                                {{82, 1, 27, 15}, {687, 454}},
                                {{111, 1, 27, 15}, {716, 454}}};
// The last side key's cell is cut at the bottom of the 205-pixel sheet.
const Sprite kPanelSprites[9] = {
    {{1, 1, 42, 22}, {260, 54}},
    {{1, 23, 42, 22}, {260, 76}},
    {{1, 52, 42, 22}, {260, 105}},
    {{1, 74, 42, 22}, {260, 127}},
    {{45, 1, 77, 30}, {563, 11}},
    {{45, 32, 77, 30}, {563, 42}},
    {{45, 64, 77, 30}, {563, 74}},
    {{45, 145, 77, 30}, {563, 155}},
    {{45, 177, 77, 28}, {563, 187}},
};

/// Colour expected at (x, y) of a map made of solid rectangles.
QRgb expectedColour(const Area* areas, int count, QRgb background, int x, int y)
{
    for (int i = 0; i < count; ++i) {
        if (x >= areas[i].x1 && x <= areas[i].x2 && y >= areas[i].y1 && y <= areas[i].y2)
            return areas[i].colour;
    }
    return background;
}

void expectSolidRectangles(const QImage& map, const Area* areas, int count, QRgb background)
{
    int wrong = 0;
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) {
            if (at(map, x, y) != expectedColour(areas, count, background, x, y) && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << "," << y << ") is " << std::hex << at(map, x, y);
        }
    }
    EXPECT_EQ(wrong, 0);
}

void expectSpritesMatch(const QImage& sheet, const QImage& face, std::span<const Sprite> sprites)
{
    for (const Sprite& s : sprites) {
        EXPECT_TRUE(sheet.copy(s.source) == face.copy(QRect(s.destination, s.source.size())))
            << "sprite at " << s.source.x() << "," << s.source.y();
    }
}

/// Pressed and released sheets differ inside every cell and nowhere else.
void expectPressedOnlyInsideCells(const QImage& pressed, const QImage& released, std::span<const Sprite> sprites)
{
    for (const Sprite& s : sprites)
        EXPECT_FALSE(pressed.copy(s.source) == released.copy(s.source))
            << "cell at " << s.source.x() << "," << s.source.y();
    for (int y = 0; y < pressed.height(); ++y) {
        for (int x = 0; x < pressed.width(); ++x) {
            const bool inCell = std::any_of(sprites.begin(), sprites.end(),
                                            [&](const Sprite& s) { return s.source.contains(x, y); });
            if (!inCell) {
                ASSERT_EQ(pressed.pixel(x, y), released.pixel(x, y)) << "outside the cells at " << x << "," << y;
            }
        }
    }
}

TEST(SkinFiles, EveryPictureLoadsWithItsSize)
{
    const std::pair<const char*, QSize> sizes[] = {
        {"Skin.png", {760, 580}},         {"Image1.png", {151, 84}},         {"Image2.png", {151, 84}},
        {"Image3.png", {17, 13}},         {"Image4.png", {24, 5}},           {"Image5.png", {119, 16}},
        {"Image6.png", {119, 16}},        {"Image7.png", {140, 18}},         {"Image8.png", {140, 18}},
        {"ButtonHitMap.png", {151, 84}},  {"SongButtonHitMap.png", {140, 18}}, {"PanelHitMap.png", {123, 205}},
        {"Image9.png", {123, 205}},       {"Image10.png", {123, 205}},      {"PanelBackground.png", {644, 292}},
    };
    for (const auto& [name, size] : sizes)
        EXPECT_EQ(load(name).size(), size) << name;
    const QImage icon(QStringLiteral(CANTORINO_SOURCE_DIR "/resources/icons/cantorino.png"));
    EXPECT_EQ(icon.size(), QSize(256, 256));
}

TEST(SkinFiles, ResourceListNamesExactlyThePicturesUnderTheSkinPrefix)
{
    QFile qrc(kSkinDir + "skin.qrc");
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(qrc.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("prefix=\"/skin\"")));
    QSet<QString> listed;
    for (const auto& match : QRegularExpression(QStringLiteral("<file>([^<]+)</file>")).globalMatch(text))
        listed.insert(match.captured(1));
    const QStringList files = QDir(kSkinDir).entryList({QStringLiteral("*.png")}, QDir::Files);
    EXPECT_EQ(listed, QSet<QString>(files.begin(), files.end()));
}

TEST(HitMaps, TransportDiscsHaveTheirExtentsOnGrey)
{
    const QImage map = load("ButtonHitMap.png");
    ASSERT_FALSE(map.isNull());
    std::set<QRgb> allowed{qRgb(180, 180, 180)};
    for (const Area& d : kDiscs)
        allowed.insert(d.colour);
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x)
            ASSERT_TRUE(allowed.count(at(map, x, y))) << "stray colour at " << x << "," << y;
    }
    for (const Area& d : kDiscs) {
        QRect box;
        int count = 0;
        for (int y = 0; y < map.height(); ++y) {
            for (int x = 0; x < map.width(); ++x) {
                if (at(map, x, y) == d.colour) {
                    box |= QRect(x, y, 1, 1);
                    ++count;
                    EXPECT_EQ(at(map, d.x1 + d.x2 - x, y), d.colour) << "not symmetric at " << x << "," << y;
                    EXPECT_EQ(at(map, x, d.y1 + d.y2 - y), d.colour) << "not symmetric at " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(box, QRect(QPoint(d.x1, d.y1), QPoint(d.x2, d.y2))) << std::hex << d.colour;
        EXPECT_NEAR(count, 3.14159 * 16 * 16, 30) << "a filled disc of 32 pixels, " << std::hex << d.colour;
        EXPECT_NE(at(map, d.x1, d.y1), d.colour) << "rounded, not square";
    }
}

TEST(HitMaps, SongAndPanelMapsAreSolidRectanglesOnTheirBackground)
{
    expectSolidRectangles(load("SongButtonHitMap.png"), kSongRects, 4, kWhite);
    expectSolidRectangles(load("PanelHitMap.png"), kPanelRects, 9, qRgb(167, 167, 167));
}

TEST(Sprites, ReleasedKeysAreThePictureUnderThem)
{
    const QImage skin = load("Skin.png");
    const std::vector<Sprite> transport = transportSprites();
    expectSpritesMatch(load("Image2.png"), skin, transport);
    expectSpritesMatch(load("Image7.png"), skin, kSongSprites);
    EXPECT_TRUE(load("Image6.png") == skin.copy(593, 278, 119, 16));
    expectSpritesMatch(load("Image10.png"), load("PanelBackground.png"), kPanelSprites);
}

TEST(Sprites, PressedKeysChangeOnlyTheirOwnCells)
{
    expectPressedOnlyInsideCells(load("Image1.png"), load("Image2.png"), transportSprites());
    expectPressedOnlyInsideCells(load("Image8.png"), load("Image7.png"), kSongSprites);
    expectPressedOnlyInsideCells(load("Image9.png"), load("Image10.png"), kPanelSprites);
    EXPECT_FALSE(load("Image5.png") == load("Image6.png"));
}

TEST(Face, StatusDisplayIsBlackWhereItsLabelsSit)
{
    const QImage skin = load("Skin.png");
    for (const QPoint label : {QPoint(618, 315), QPoint(717, 336), QPoint(618, 339), QPoint(740, 352)})
        EXPECT_LT(qGray(at(skin, label.x(), label.y())), 24) << label.x() << "," << label.y();
}

TEST(Face, MarkerIsOpaqueInsideAndClearAtItsCorners)
{
    const QImage marker = load("Image3.png");
    EXPECT_EQ(qAlpha(marker.pixel(8, 6)), 255);
    for (const QPoint corner : {QPoint(0, 0), QPoint(16, 0), QPoint(0, 12), QPoint(16, 12)})
        EXPECT_LT(qAlpha(marker.pixel(corner)), 128);
}

}  // namespace
