#include <gtest/gtest.h>

#include "MidiFile.h"
#include "SmfWriter.h"

using namespace cantorino;
using cantorino::test::SmfWriter;

namespace {

std::vector<uint8_t> twoTrackSong() {
    SmfWriter w(480);
    w.track().tempo(500000).at(960).endOfTrack();
    w.track().program(0, 5).noteOn(0, 60, 100).wait(480).noteOff(0, 60).endOfTrack();
    return w.bytes();
}

}  // namespace

TEST(MidiFile, ReadsHeaderTracksAndAbsoluteTicks) {
    const MidiFile f = MidiFile::parse(twoTrackSong());
    ASSERT_TRUE(f.valid());
    EXPECT_EQ(f.format(), 1);
    EXPECT_EQ(f.division(), 480);
    ASSERT_EQ(f.tracks().size(), 2u);
    const auto& t1 = f.tracks()[1].events;
    ASSERT_EQ(t1.size(), 4u);
    EXPECT_EQ(t1[0].kind(), 0xC0);
    EXPECT_EQ(t1[0].data1, 5);
    EXPECT_EQ(t1[2].tick, 480u);
    EXPECT_EQ(t1[2].kind(), 0x80);
    EXPECT_FALSE(f.tracks()[1].truncated);
}

TEST(MidiFile, RunningStatusSysexAndLongMetaLengths) {
    SmfWriter w(96);
    const std::string longText(200, 'x');  // needs a two-byte length
    w.track().runningStatus().noteOn(2, 60, 90).wait(10).noteOn(2, 62, 90).sysex("\x7E\x7F\x09\x01\xF7")
        .noteOn(2, 64, 0).text(longText).endOfTrack();
    const MidiFile f = MidiFile::parse(w.bytes());
    const auto& ev = f.tracks()[0].events;
    ASSERT_EQ(ev.size(), 6u);
    EXPECT_EQ(ev[1].status, 0x92);
    EXPECT_EQ(ev[1].data1, 62);
    EXPECT_EQ(ev[1].tick, 10u);
    EXPECT_EQ(ev[2].status, 0xF0);
    EXPECT_EQ(ev[2].dataLength, 5u);
    EXPECT_EQ(ev[3].data1, 64);  // running status survives the sysex
    EXPECT_EQ(f.text(ev[4]), longText);
}

TEST(MidiFile, HonoursALongerHeader) {
    auto bytes = twoTrackSong();
    bytes[7] = 8;  // header length 8: two extra bytes before the first track
    bytes.insert(bytes.begin() + 14, {0xAA, 0xBB});
    const MidiFile f = MidiFile::parse(std::move(bytes));
    ASSERT_EQ(f.tracks().size(), 2u);
    EXPECT_EQ(f.tracks()[1].events.size(), 4u);
}

TEST(MidiFile, LoadsDamagedFiles) {
    // Last track one byte short: its End of Track is cut.
    auto cut = twoTrackSong();
    cut.pop_back();
    MidiFile f = MidiFile::parse(cut);
    ASSERT_EQ(f.tracks().size(), 2u);
    EXPECT_EQ(f.tracks()[1].events.size(), 3u);
    EXPECT_TRUE(f.tracks()[1].truncated);

    // Junk after the declared tracks is ignored.
    auto junk = twoTrackSong();
    junk.insert(junk.end(), {'M', 'T', 'r', 'k', 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3});
    f = MidiFile::parse(junk);
    EXPECT_EQ(f.tracks().size(), 2u);

    // A track length pointing past the end of the file.
    SmfWriter w(480);
    w.track().noteOn(0, 60, 100).wait(10).noteOff(0, 60);  // no End of Track either
    auto noEnd = w.bytes();
    noEnd[19] = 0x10;  // track length about a megabyte: far past the end
    f = MidiFile::parse(noEnd);
    ASSERT_EQ(f.tracks().size(), 1u);
    EXPECT_EQ(f.tracks()[0].events.size(), 2u);
    EXPECT_TRUE(f.tracks()[0].truncated);
}

TEST(MidiFile, FewerTracksThanDeclared) {
    auto bytes = twoTrackSong();
    bytes[11] = 5;
    const MidiFile f = MidiFile::parse(bytes);
    EXPECT_EQ(f.declaredTracks(), 5);
    EXPECT_EQ(f.tracks().size(), 2u);
}

TEST(MidiFile, SkipsUnknownChunksAndReadsRiffWrappedFiles) {
    auto bytes = twoTrackSong();
    const std::vector<uint8_t> alien = {'X', 'F', 'I', 'H', 0, 0, 0, 2, 9, 9};
    bytes.insert(bytes.begin() + 14, alien.begin(), alien.end());
    EXPECT_EQ(MidiFile::parse(bytes).tracks().size(), 2u);

    const auto smf = twoTrackSong();
    std::vector<uint8_t> riff = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I', 'D', 'd', 'a', 't', 'a'};
    const uint32_t n = uint32_t(smf.size());
    riff.insert(riff.end(), {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)});
    riff.insert(riff.end(), smf.begin(), smf.end());
    const MidiFile f = MidiFile::parse(riff);
    ASSERT_TRUE(f.valid());
    EXPECT_EQ(f.tracks().size(), 2u);
}

TEST(MidiFile, RejectsWhatIsNoMidiFile) {
    EXPECT_FALSE(MidiFile::parse(std::vector<uint8_t>{}).valid());
    const std::string text = "this is a text file, not a song";
    EXPECT_FALSE(MidiFile::parse(std::vector<uint8_t>(text.begin(), text.end())).valid());
    auto shortHeader = twoTrackSong();
    shortHeader.resize(12);
    EXPECT_FALSE(MidiFile::parse(shortHeader).valid());
}

TEST(MidiFile, NeverReadsPastTheEnd) {
    // Every prefix of a file parses without touching memory beyond it (ASan checks in fuzz builds).
    SmfWriter w(480);
    w.track().tempo(400000).text("hello").sysex("\x01\x02\x03").noteOn(0, 60, 1).wait(300).noteOff(0, 60);
    const auto full = w.bytes();
    for (size_t n = 0; n <= full.size(); ++n) {
        const MidiFile f = MidiFile::parse(std::vector<uint8_t>(full.begin(), full.begin() + long(n)));
        for (const auto& t : f.tracks())
            for (const auto& e : t.events) EXPECT_LE(e.dataOffset + e.dataLength, n);
    }
}

TEST(MidiFile, MergesTracksByTickKeepingFileOrderOnTies) {
    SmfWriter w(480);
    w.track().at(10).text("a").at(20).text("c");
    w.track().at(10).text("b").at(15).text("x");
    const MidiFile f = MidiFile::parse(w.bytes());
    std::string order;
    for (const auto& te : mergeTracks(f)) order += f.text(*te.event);
    EXPECT_EQ(order, "abxc");
}
