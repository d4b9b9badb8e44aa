#include <gtest/gtest.h>

#include "LyricWords.h"
#include "MidiFile.h"
#include "ReadSong.h"
#include "SmfWriter.h"
#include "SongReader.h"

using namespace cantorino;
using cantorino::test::SmfWriter;
using cantorino::test::readSong;

namespace {

/// "text@line:column" for every record with text, to compare layouts at a glance.
std::vector<std::string> layout(const SongModel& m) {
    std::vector<std::string> out;
    for (size_t i = 1; i < m.Syllables.size(); ++i) {
        const auto& r = m.Syllables[i];
        if (!r.Text.empty() || r.Line > 0)
            out.push_back(r.Text + "@" + std::to_string(r.Line) + ":" + std::to_string(r.Column));
    }
    return out;
}

}  // namespace

TEST(LyricWords, ChoosesTheWordsTrackOrOneWithFiftyTexts) {
    SmfWriter w(96);
    w.track().name("Melody");
    auto& many = w.track();
    for (int i = 0; i < 49; ++i) many.text("x");
    w.track().name("Words").text("a");
    EXPECT_EQ(LyricWords::ChooseLyricTrack(MidiFile::parse(w.bytes())), 2);

    SmfWriter v(96);
    v.track().name("Words ");  // not exactly "Words"
    auto& fifty = v.track();
    for (int i = 0; i < 50; ++i) fifty.text("x");
    EXPECT_EQ(LyricWords::ChooseLyricTrack(MidiFile::parse(v.bytes())), 1);

    SmfWriter none(96);
    none.track().name("Lyrics").text("a");
    EXPECT_EQ(LyricWords::ChooseLyricTrack(MidiFile::parse(none.bytes())), std::nullopt);
}

TEST(LyricWords, LinesAndColumns) {
    SmfWriter w(96);
    w.track().name("Words").text("Hel").text("lo").text("/wor").text("ld").text(" \\ ").text(" /abc")
        .text("\\  Next").text("@Tignored");
    const SongModel m = readSong(w);
    EXPECT_EQ(m.LyricLines, (std::vector<std::string>{"Hello", "world", " /abc", "Next"}));
    // " /abc" stays on its line, slash included; the lone backslash gives an empty record.
    EXPECT_EQ(layout(m), (std::vector<std::string>{"Hel@0:0", "lo@0:3", "wor@1:0", "ld@1:3", "@2:0",
                                                   " /abc@2:0", "Next@3:0", "@3:4"}));
    EXPECT_EQ(m.Syllables.size(), 10u);  // record 0 + one per meta event, the track name included
}

TEST(LyricWords, LeadingLineMarkLeavesTheFirstLineEmpty) {
    SmfWriter w(96);
    w.track().name("Words").text("\\Twin").text("kle");
    const SongModel m = readSong(w);
    EXPECT_EQ(m.LyricLines, (std::vector<std::string>{"", "Twinkle"}));
}

TEST(LyricWords, TimesAreEventTicksAtTheFirstTempo) {
    SmfWriter w(96);
    w.track().tempo(960000);  // 10 ms per tick
    // Controller events between syllables must not disturb the times.
    w.track().name("Words").at(96).text("la").control(0, 7, 100).control(0, 10, 64).at(0x60 + 96)
        .text("li").at(0x60 + 96 + 128).text("lo").endOfTrack();
    const SongModel m = readSong(w);
    ASSERT_EQ(m.Syllables.size(), 6u);
    const auto& s = m.Syllables;
    EXPECT_DOUBLE_EQ(s[0].Time, 0);         // the track name at tick 0
    EXPECT_DOUBLE_EQ(s[1].Time, 960);       // name → "la"
    EXPECT_DOUBLE_EQ(s[2].Duration, 960);   // "la" → "li": a one-byte delta of 0x60
    EXPECT_DOUBLE_EQ(s[2].Time, 1920);
    EXPECT_DOUBLE_EQ(s[3].Duration, 1280);  // "li" → "lo": a two-byte delta 81 00
    EXPECT_DOUBLE_EQ(s[3].Time, 3200);
    EXPECT_DOUBLE_EQ(s[4].Duration, 0);     // "lo" and End of Track share a tick
    EXPECT_DOUBLE_EQ(s[5].Duration, 0);     // the last record keeps its own time
    EXPECT_DOUBLE_EQ(s[5].Time, 3200);
}

TEST(LyricWords, OnsetOfEverySyllableIsTheTimeOfTheRecordBefore) {
    SmfWriter w(480);
    w.track().tempo(545455);
    auto& words = w.track();
    words.at(37).text("first");  // the lyric data starts after tick 0
    for (uint32_t tick = 500; tick < 20000; tick += 333) words.at(tick).text("la");
    const SongModel m = readSong(w);
    const MidiFile f = MidiFile::parse(w.bytes());
    const auto& events = f.tracks()[1].events;
    for (size_t i = 1; i < m.Syllables.size(); ++i)
        EXPECT_NEAR(m.Syllables[i - 1].Time, events[i - 1].tick * m.TickMs, 0.01) << i;
}

TEST(LyricWords, OnlyTextEventsGiveSyllables) {
    SmfWriter w(96);
    w.track().name("Words").lyric("sung").text("real").meta(0x06, "marker");
    const SongModel m = readSong(w);
    EXPECT_EQ(m.LyricLines[0], "real");
    EXPECT_EQ(m.Syllables.size(), 5u);
    EXPECT_EQ(m.Syllables[2].Text, "");
}

TEST(LyricWords, TextsAreCutAtNulAndDecoded) {
    SmfWriter w(96);
    w.track().name("Words").text(std::string("Ci\0garbage", 10)).text("t\xE0");  // CP1252 à
    SongModel m = readSong(w);
    EXPECT_EQ(m.LyricLines[0], "Cit\xC3\xA0");
    EXPECT_EQ(m.Syllables[3].Length, 2);
    EXPECT_EQ(m.Encoding, TextEncoding::Windows1252);

    SmfWriter u(96);
    u.track().name("Words").text("ci\xC3\xA0").text("o");  // UTF-8 à
    m = readSong(u);
    EXPECT_EQ(m.Encoding, TextEncoding::Utf8);
    EXPECT_EQ(m.LyricLines[0], "ci\xC3\xA0o");
    EXPECT_EQ(m.Syllables[2].Length, 3);
    EXPECT_EQ(m.Syllables[3].Column, 3);
}

TEST(LyricWords, WithoutALyricTrackAllTracksAreMergedInTime) {
    SmfWriter w(96);
    w.track().tempo(960000).at(20).text("c");
    w.track().at(10).text("a").at(20).text("d");
    w.track().at(15).text("b");
    const SongModel m = readSong(w);
    EXPECT_FALSE(m.LyricTrack.has_value());
    EXPECT_EQ(m.LyricLines[0], "abcd");
    // tempo@0, a@10, b@15, c@20, d@20
    EXPECT_DOUBLE_EQ(m.Syllables[2].Time, 150);
    EXPECT_DOUBLE_EQ(m.Syllables[2].Duration, 50);
}

TEST(LyricWords, SongWithoutMetaEventsHasNoRecords) {
    SmfWriter w(96);
    w.track().noteOn(0, 60, 100);
    const SongModel m = readSong(w);
    EXPECT_EQ(m.Syllables.size(), 1u);
    EXPECT_EQ(m.LyricLines.size(), 1u);
}
