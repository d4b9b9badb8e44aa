#include <gtest/gtest.h>

#include "MidiFile.h"
#include "SmfWriter.h"
#include "SongTitles.h"

using namespace cantorino;
using cantorino::test::SmfWriter;

TEST(SongTitles, FirstThreeTitleTextEventsInFileOrder) {
    SmfWriter w(96);
    // "@T" bytes inside note data and in a lyric event are not titles.
    w.track().raw({0x90, '@', 'T'}).lyric("@Tnot a title").text("@KMIDI KARAOKE FILE");
    w.track().text("@Tmy little song").text("@LIT").text("@TDON'T STOP").text("@T").text("@Tfourth");
    const Titles t = SongTitles::GetTitles(MidiFile::parse(w.bytes()));
    EXPECT_EQ(t, (Titles{"My Little Song", "Don't Stop", ""}));
}

TEST(SongTitles, NoTitlesGiveEmptyLines) {
    SmfWriter w(96);
    w.track().text("hello");
    EXPECT_EQ(SongTitles::GetTitles(MidiFile::parse(w.bytes())), Titles{});
    EXPECT_FALSE(SongTitles::GetTitles(std::string("/nonexistent.kar")).has_value());
}

TEST(SongTitles, ProperCaseHandlesAccentsAndBlanks) {
    EXPECT_EQ(SongTitles::ProperCase("l'ITALIANO  vero"), "L'italiano  Vero");
    EXPECT_EQ(SongTitles::ProperCase("\xC3\xA8 PI\xC3\x99 BELLO"), "\xC3\x88 Pi\xC3\xB9 Bello");  // È Più Bello
    EXPECT_EQ(SongTitles::ProperCase("\xE2\x80\x9Cquoted\xE2\x80\x9D"), "\xE2\x80\x9Cquoted\xE2\x80\x9D");
}

TEST(SongTitles, DecodesWindows1252Titles) {
    SmfWriter w(96);
    w.track().text("@Tperch\xE9");
    EXPECT_EQ(SongTitles::GetTitles(MidiFile::parse(w.bytes()))[0], "Perch\xC3\xA9");
}
