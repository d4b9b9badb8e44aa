#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <memory>

#include "Glyphs.h"
#include "SkinSet.h"

namespace {

using cantorino::skin::Glyph;
using cantorino::skin::Glyphs;
using cantorino::skin::SkinSet;

/// Runs the painter the way make-skin does, once for all tests of the suite.
class SkinGeneratorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "skin_resource_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
        skin_ = std::make_unique<SkinSet>();
    }
    static void TearDownTestSuite()
    {
        skin_.reset();
        app_.reset();
    }

    static std::unique_ptr<QGuiApplication> app_;
    static std::unique_ptr<SkinSet> skin_;
};

std::unique_ptr<QGuiApplication> SkinGeneratorTest::app_;
std::unique_ptr<SkinSet> SkinGeneratorTest::skin_;

/// Mean difference per colour channel, 0..255.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * x.width() * x.height());
}

TEST_F(SkinGeneratorTest, CommittedPicturesAreUpToDate)
{
    for (const auto& [name, painted] : skin_->images()) {
        const QImage committed(QStringLiteral(CANTORINO_SOURCE_DIR "/resources/skin/") + name);
        ASSERT_EQ(committed.size(), painted.size()) << name.toStdString();
        if (name.contains(QStringLiteral("HitMap"))) {
            const QImage expected = painted.convertToFormat(QImage::Format_RGB32);
            EXPECT_TRUE(committed.convertToFormat(QImage::Format_RGB32) == expected)
                << name.toStdString() << " differs from the generator's; run the skin target";
        } else {
            // Text and edges may be rasterised a shade differently elsewhere.
            EXPECT_LT(meanDifference(committed, painted), 1.0)
                << name.toStdString() << " differs from the generator's; run the skin target";
        }
    }
}

TEST_F(SkinGeneratorTest, EveryGlyphStaysInsideItsDesignBox)
{
    for (int g = int(Glyph::Playlist); g <= int(Glyph::Down); ++g) {
        const QRectF bounds = Glyphs::path(Glyph(g)).boundingRect();
        EXPECT_FALSE(bounds.isEmpty()) << "glyph " << g;
        EXPECT_TRUE(QRectF(0, 0, 16, 16).contains(bounds)) << "glyph " << g << " reaches " << bounds.left() << ","
                                                           << bounds.top() << " to " << bounds.right() << ","
                                                           << bounds.bottom();
    }
}

}  // namespace
