#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "MidiFile.h"
#include "PreloadFile.h"

using namespace cantorino;

TEST(PreloadFile, IsAWellFormedFileOfAllProgramsOnChannelOne) {
    const auto bytes = PreloadFile::Bytes();
    const MidiFile f = MidiFile::parse(std::span<const uint8_t>(bytes));
    ASSERT_TRUE(f.valid());
    EXPECT_EQ(f.division(), 96);
    ASSERT_EQ(f.tracks().size(), 1u);
    const auto& events = f.tracks()[0].events;
    ASSERT_EQ(events.size(), 129u);
    EXPECT_FALSE(f.tracks()[0].truncated);  // the End of Track lies inside the track
    for (int p = 0; p < 128; ++p) {
        EXPECT_EQ(events[p].status, 0xC0);
        EXPECT_EQ(events[p].data1, p);
        EXPECT_EQ(events[p].tick, uint32_t(p));
    }
    EXPECT_EQ(events[128].metaType(), 0x2F);
    // Track length covers exactly the rest of the file.
    EXPECT_EQ(size_t(bytes[18] << 24 | bytes[19] << 16 | bytes[20] << 8 | bytes[21]), bytes.size() - 22);
}

TEST(PreloadFile, WritesTheSameBytesEveryTime) {
    const auto dir = std::filesystem::temp_directory_path() / "cantorino-preload-test";
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(PreloadFile::CreateFileTemp(dir));
    ASSERT_TRUE(PreloadFile::CreateFileTemp(dir));
    EXPECT_EQ(PreloadFile::Path(dir), dir / "filetemp.tmp");
    std::ifstream in(PreloadFile::Path(dir), std::ios::binary);
    const std::vector<uint8_t> written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto expected = PreloadFile::Bytes();
    EXPECT_EQ(written, std::vector<uint8_t>(expected.begin(), expected.end()));
    std::filesystem::remove_all(dir);
    EXPECT_FALSE(PreloadFile::CreateFileTemp(dir / "missing"));
}
