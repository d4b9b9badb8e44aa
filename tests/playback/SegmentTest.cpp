#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "PreloadFile.h"
#include "Segment.h"
#include "SmfWriter.h"

namespace cantorino {
namespace {

using test::SmfWriter;

std::optional<Segment> parse(const std::vector<uint8_t>& bytes) { return Segment::fromBytes(bytes); }

TEST(TempoMapTest, ConvertsBothWaysAcrossTempoChanges) {
    TempoMap map;
    map.add(1536, 300000);
    map.add(1536, 250000);  // same time: replaces
    map.add(3072, 0);       // no tempo: ignored
    map.add(3072, 1000000);
    ASSERT_EQ(map.changes().size(), 3u);
    EXPECT_DOUBLE_EQ(map.secondsAt(768), 0.5);
    EXPECT_DOUBLE_EQ(map.secondsAt(1536), 1.0);
    EXPECT_DOUBLE_EQ(map.secondsAt(3072), 1.5);
    EXPECT_DOUBLE_EQ(map.secondsAt(3840), 2.5);
    EXPECT_DOUBLE_EQ(map.timeAt(1.25), 2304);
    EXPECT_DOUBLE_EQ(map.timeAt(2.5), 3840);
    EXPECT_EQ(map.indexAt(3071.9), 1u);
}

TEST(TimeSignatureMapTest, CountsBeatsAndMeasuresAcrossChanges) {
    TimeSignatureMap map;
    map.add(0, 3, 2);     // 3/4: measures of 2304
    map.add(4608, 2, 2);  // 2/4 after two measures
    map.add(5000, 0, 2);  // no beats: ignored
    map.add(5000, 4, 9);  // beat too short: ignored
    auto beat = [&](double t) {
        const BeatPosition b = map.beatAtOrAfter(t);
        return std::vector<int32_t>{b.time, b.measure, b.beat};
    };
    EXPECT_EQ(beat(0), (std::vector<int32_t>{0, 0, 0}));
    EXPECT_EQ(beat(1), (std::vector<int32_t>{768, 0, 1}));
    EXPECT_EQ(beat(1537), (std::vector<int32_t>{2304, 1, 0}));
    EXPECT_EQ(beat(3841), (std::vector<int32_t>{4608, 2, 0}));
    EXPECT_EQ(beat(4609), (std::vector<int32_t>{5376, 2, 1}));
    EXPECT_EQ(beat(5377), (std::vector<int32_t>{6144, 3, 0}));
    EXPECT_EQ(map.at(4607).numerator, 3);
    EXPECT_EQ(map.at(4608).numerator, 2);
    EXPECT_EQ(map.signatures().size(), 2u);

    map.add(7000, 6, 3);  // 6/8 inside measure 3: a new measure, beats of an eighth
    EXPECT_EQ(beat(6913), (std::vector<int32_t>{7000, 4, 0}));
    EXPECT_EQ(beat(7001), (std::vector<int32_t>{7384, 4, 1}));
}

TEST(SegmentTest, PreloadFileLoadsAs128ProgramChanges) {
    const auto bytes = PreloadFile::Bytes();
    const auto segment = Segment::fromBytes(bytes);
    ASSERT_TRUE(segment);
    ASSERT_EQ(segment->events().size(), 128u);
    for (int p = 0; p < 128; ++p) {
        const SegmentEvent& e = segment->events()[size_t(p)];
        EXPECT_EQ(e.status, 0xC0);
        EXPECT_EQ(e.data1, p);
        EXPECT_EQ(e.time, p * 8);  // one tick at 96 per quarter is 8 units
    }
    EXPECT_EQ(segment->length(), 128 * 8);  // the End of Track one tick after the last change
}

TEST(SegmentTest, MergesTracksIntoMusicTimeWithTempoSignaturesAndLength) {
    SmfWriter song(480);
    song.track().tempo(400000).timeSignature(3, 2).at(960).tempo(600000);
    song.track().at(240).noteOn(1, 60, 100).at(480).noteOn(1, 60, 0).at(1200).control(1, 7, 90);
    song.track().at(100).program(2, 5).at(1500).lyric("end");
    const auto segment = parse(song.bytes());
    ASSERT_TRUE(segment);
    const auto& e = segment->events();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].time, 160);
    EXPECT_EQ(e[0].status, 0xC2);
    EXPECT_EQ(e[1].time, 384);
    EXPECT_EQ(e[2].status, 0x81);  // a note-on with velocity 0 ends the note
    EXPECT_EQ(e[2].data1, 60);
    EXPECT_EQ(e[3].time, 1920);
    EXPECT_EQ(segment->length(), 2400);  // the lyric is the last event
    ASSERT_EQ(segment->tempoMap().changes().size(), 2u);
    EXPECT_EQ(segment->tempoMap().changes()[0].microsPerQuarter, 400000u);
    EXPECT_EQ(segment->tempoMap().changes()[1].time, 1536);
    EXPECT_EQ(segment->timeSignatures().at(0).numerator, 3);
    EXPECT_EQ(segment->firstEventAt(384), 1u);
    EXPECT_EQ(segment->firstEventAt(385), 2u);
}

TEST(SegmentTest, KeepsSysexWithoutFramingAndDropsTuningMessages) {
    SmfWriter song(96);
    song.track().sysex(std::string("\x7E\x7F\x09\x01\xF7", 5)).sysex(std::string("\x7F\x7F\x08\x02\x00\x01\xF7", 7));
    const auto segment = parse(song.bytes());
    ASSERT_TRUE(segment);
    ASSERT_EQ(segment->events().size(), 1u);
    const SegmentEvent& e = segment->events()[0];
    ASSERT_TRUE(e.isSysex());
    const std::vector<uint8_t> payload(segment->sysexBytes().begin() + e.sysexOffset,
                                       segment->sysexBytes().begin() + e.sysexOffset + e.sysexLength);
    EXPECT_EQ(payload, (std::vector<uint8_t>{0x7E, 0x7F, 0x09, 0x01}));
}

TEST(SegmentTest, SmpteDivisionPlaysAtAFixedTempo) {
    SmfWriter song(uint16_t(0xE728));  // 25 frames a second, 40 ticks a frame: 1000 ticks a second
    song.track().tempo(1000000).at(1000).noteOn(0, 60, 100);
    const auto segment = parse(song.bytes());
    ASSERT_TRUE(segment);
    EXPECT_EQ(segment->length(), 1536);
    EXPECT_DOUBLE_EQ(segment->tempoMap().secondsAt(1536), 1.0);
}

TEST(SegmentTest, RefusesWhatIsNoMidiFile) {
    EXPECT_FALSE(parse({}));
    EXPECT_FALSE(parse({'R', 'I', 'F', 'F', 0, 0, 0, 0}));
    SmfWriter noDivision(0);
    noDivision.track().noteOn(0, 60, 100);
    EXPECT_FALSE(parse(noDivision.bytes()));

    const auto folder = std::filesystem::temp_directory_path();
    EXPECT_FALSE(Segment::load(folder / "cantorino-no-such-song.mid"));
    const auto empty = folder / "cantorino-empty-song.mid";
    std::ofstream{empty};
    EXPECT_FALSE(Segment::load(empty));
    std::filesystem::remove(empty);
}

TEST(SegmentTest, TruncatedFileKeepsWhatItHolds) {
    auto notes = [](int count) {
        SmfWriter song(480);
        auto& track = song.track();
        for (int i = 0; i < count; ++i) track.at(uint32_t(i * 480)).noteOn(0, 60 + i, 100).wait(240).noteOff(0, 60 + i);
        return song.bytes();
    };
    auto bytes = notes(8);
    bytes.resize(notes(4).size() + 1);  // four whole notes and the first byte of the next delta time
    const auto segment = parse(bytes);
    ASSERT_TRUE(segment);
    EXPECT_EQ(segment->events().size(), 8u);
    EXPECT_EQ(segment->length(), 3 * 768 + 384);
}

}  // namespace
}  // namespace cantorino
