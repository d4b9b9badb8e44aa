#include <gtest/gtest.h>

#include "LyricFont.h"

using namespace cantorino;

namespace {

/// Every character is `points` pixels wide; counts the measurements made.
struct FakeMetrics {
    int calls = 0;
    std::vector<std::string> measured;
    LyricFont::MeasureText fn() {
        return [this](double points, const std::string& line) {
            ++calls;
            measured.push_back(line);
            return points * double(line.size());
        };
    }
};

}  // namespace

TEST(LyricFont, MaximumSizeFromTheSetting) {
    EXPECT_EQ(LyricFont::MaximumSize("30"), 30);
    EXPECT_EQ(LyricFont::MaximumSize(" 18 "), 18);
    EXPECT_EQ(LyricFont::MaximumSize(""), 24);
    EXPECT_EQ(LyricFont::MaximumSize("grande"), 24);
    EXPECT_EQ(LyricFont::MaximumSize("0"), 24);
    EXPECT_EQ(LyricFont::MaximumSize("-5"), 24);
}

TEST(LyricFont, StaysAtTheMaximumWhenTheWidestLineFits) {
    FakeMetrics m;
    EXPECT_EQ(LyricFont::FitSize({"abc", "abcdef"}, m.fn(), 200, 30), 30);  // 180 < 190
}

TEST(LyricFont, GoesDownUntilTheWidestLineIsNarrowerThanTheBoxLessTen) {
    FakeMetrics m;
    // 10 characters: fits when 10 × size < 140 − 10, that is at 12.
    EXPECT_EQ(LyricFont::FitSize({"short", "0123456789", "tiny"}, m.fn(), 140, 30), 12);
    // After choosing, only the widest line is measured again.
    for (size_t i = 3; i < m.measured.size(); ++i) EXPECT_EQ(m.measured[i], "0123456789");
    // Exactly box − 10 is not narrower: 13 × 10 = 130 does not fit a 140 box.
    EXPECT_EQ(LyricFont::FitSize({"0123456789"}, m.fn(), 140, 13), 12);
}

TEST(LyricFont, FirstOfEqualWidthsIsTheWidest) {
    FakeMetrics m;
    LyricFont::FitSize({"aaaa", "bbbb"}, m.fn(), 10, 20);
    EXPECT_EQ(m.measured.at(2), "aaaa");
}

TEST(LyricFont, StopsAtTheMinimumForALineThatFitsAtNoSize) {
    FakeMetrics m;
    EXPECT_EQ(LyricFont::FitSize({std::string(500, 'x')}, m.fn(), 100, 24), LyricFont::kMinimumSize);
    EXPECT_LT(m.calls, 30);
    EXPECT_EQ(LyricFont::FitSize({}, m.fn(), 100, 24), 24);
}
