#include <gtest/gtest.h>

#include <set>

#include "InstrumentNames.h"

using namespace cantorino;

TEST(InstrumentNames, TableBoundsAndSpellings) {
    EXPECT_EQ(InstrumentNames::GetPatch(0), "Acoustic Grand");
    EXPECT_EQ(InstrumentNames::GetPatch(21), "Accoridan");
    EXPECT_EQ(InstrumentNames::GetPatch(33), "Electric Bass(finger)");
    EXPECT_EQ(InstrumentNames::GetPatch(77), "Skakuhachi");
    EXPECT_EQ(InstrumentNames::GetPatch(127), "Gunshot");
    EXPECT_EQ(InstrumentNames::GetPatch(128), "Percussion");
    EXPECT_EQ(InstrumentNames::GetPatch(129), "");
    EXPECT_EQ(InstrumentNames::GetPatch(-1), "");
    // Names must be unique: the mixer selects an instrument by its name.
    std::set<std::string> names;
    for (int16_t p = 0; p <= 128; ++p) names.insert(InstrumentNames::GetPatch(p));
    EXPECT_EQ(names.size(), 129u);
}
