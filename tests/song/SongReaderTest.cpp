#include <gtest/gtest.h>

#include <cmath>

#include "MidiFile.h"
#include "ReadSong.h"
#include "SmfWriter.h"
#include "SongReader.h"

using namespace cantorino;
using cantorino::test::SmfWriter;
using cantorino::test::readSong;

TEST(SongReader, TimingFromTheFirstTempoInFileOrder) {
    SmfWriter w(480);
    w.track().at(100).tempo(600000);
    w.track().tempo(400000);  // earlier in time but later in the file
    const SongModel m = readSong(w);
    EXPECT_EQ(m.TempoMicros, 600000);
    EXPECT_EQ(m.TicksPerSixteenth, 120);
    EXPECT_FLOAT_EQ(m.TempoBpm, 100.0f);
    EXPECT_DOUBLE_EQ(m.TickMs, 600000.0 / 480 / 1000);
}

TEST(SongReader, DefaultsWhenTheSongHasNoTempoOrDivision) {
    SmfWriter w(0);
    w.track().noteOn(0, 60, 100);
    const SongModel m = readSong(w);
    EXPECT_EQ(m.TempoMicros, 500000);
    EXPECT_EQ(m.TicksPerSixteenth, 24);  // division 0 read as 96
    EXPECT_FLOAT_EQ(m.TempoBpm, 120.0f);
    EXPECT_GT(m.TickMs, 0);
}

TEST(SongReader, TempoBpmIsRoundedToTwoDecimals) {
    SmfWriter w(96);
    w.track().tempo(700000);  // 85.714285…
    EXPECT_FLOAT_EQ(readSong(w).TempoBpm, 85.71f);
}

TEST(SongReader, ChannelsComeFromRealEventsOnly) {
    SmfWriter w(480);
    // Bytes that look like a note-on of channel 5 inside a text and a delta time do not count.
    w.track().text("\x94\x3C\x40").wait(0x14 * 128 + 5).text("x");  // delta bytes 94 05
    auto& t = w.track();
    t.program(0, 0).program(0, 24).program(0, 40);  // program 0 is passed over
    t.control(0, 7, 127).control(0, 7, 0).control(0, 7, 90).control(0, 7, 50);
    t.control(0, 10, 0).control(0, 10, 30).control(0, 10, 100);  // a first pan of 0: the second decides
    t.noteOn(0, 60, 100);
    t.control(1, 10, 20).control(1, 10, 0).noteOn(1, 60, 1);
    t.control(2, 10, 0).noteOn(2, 60, 1);    // only pan 0: stays 0
    t.program(3, 7).control(3, 7, 50);        // no note: unused, its data ignored
    t.noteOn(4, 60, 0);                       // velocity 0 is a note-off
    const SongModel m = readSong(w);
    const auto& c = m.Channels;
    EXPECT_EQ(c[0].ChannelNumber, 1);
    EXPECT_EQ(c[0].Program, 24);
    EXPECT_EQ(c[0].ChannelVolume, 90);
    EXPECT_EQ(c[0].ChannelBalance, 30);
    EXPECT_EQ(c[0].OctaveIndex, 2);
    EXPECT_EQ(c[1].ChannelBalance, 20);
    EXPECT_EQ(c[1].ChannelVolume, 100);
    EXPECT_EQ(c[1].Program, 0);
    EXPECT_EQ(c[2].ChannelBalance, 0);
    for (int ch : {3, 4, 5, 9, 15}) {
        EXPECT_EQ(c[ch].ChannelNumber, -1) << ch;
        EXPECT_EQ(c[ch].Program, 0);
        EXPECT_EQ(c[ch].ChannelVolume, 0);
        EXPECT_EQ(c[ch].ChannelBalance, 64);
    }
}

TEST(SongReader, RunningStatusEventsAreSeen) {
    SmfWriter w(480);
    w.track().runningStatus().control(6, 7, 20).control(6, 10, 99).program(6, 3).program(6, 12)
        .noteOn(6, 60, 100).noteOn(6, 62, 100);
    const SongModel m = readSong(w);
    EXPECT_EQ(m.Channels[6].ChannelNumber, 7);
    EXPECT_EQ(m.Channels[6].ChannelVolume, 20);
    EXPECT_EQ(m.Channels[6].ChannelBalance, 99);
    EXPECT_EQ(m.Channels[6].Program, 3);
}

TEST(SongReader, ZeroVariablesClearsTheModelButKeepsPathDataAndTiming) {
    SmfWriter w(480);
    w.track().name("Words").tempo(400000).text("la").wait(10).text("la").noteOn(3, 50, 90);
    SongModel m = readSong(w);
    m.SongPath = "/songs/a.kar";
    m.SyllableIndex = 3;
    SongReader(m).ZeroVariables();
    EXPECT_EQ(m.SyllableIndex, 0);
    EXPECT_EQ(m.Syllables.size(), 1u);
    EXPECT_EQ(m.LyricLines, std::vector<std::string>{""});
    EXPECT_EQ(m.Channels[3].ChannelNumber, -1);
    EXPECT_EQ(m.Channels[3].ChannelBalance, 64);
    EXPECT_EQ(m.SongPath, "/songs/a.kar");
    EXPECT_FALSE(m.SongData.empty());
    EXPECT_EQ(m.TempoMicros, 400000);
}

TEST(SongReader, ReportsFilesThatCannotBeRead) {
    SongModel m;
    m.SongPath = "/nonexistent/song.kar";
    EXPECT_EQ(SongReader(m).ReadFile(), ReadStatus::CannotOpen);
    m.SongPath = CANTORINO_SOURCE_DIR "/CMakeLists.txt";
    EXPECT_EQ(SongReader(m).ReadFile(), ReadStatus::NotMidi);
    EXPECT_EQ(m.Syllables.size(), 1u);
}
