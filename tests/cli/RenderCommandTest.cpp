#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "RenderCommand.h"
#include "SmfWriter.h"
#include "WavWriter.h"

namespace cantorino {
namespace {

namespace fs = std::filesystem;

class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "cantorino-render-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        folder_ = pattern;
        // Two seconds at 120 bpm: a chord held for a second, a second of rest, one last event.
        test::SmfWriter song(480);
        song.track().noteOn(0, 60, 100).noteOn(0, 64, 100).at(960).noteOff(0, 60).noteOff(0, 64).at(1920).text("end");
        song.save(path("song.mid"));
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    int render(std::vector<std::string> args) {
        args.insert(args.end(), {"--soundfont", "/usr/share/sounds/sf2/TimGM6mb.sf2"});
        errors_.str({});
        return runRenderCommand(args, errors_, false);
    }
    std::vector<uint8_t> read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
        return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
    }

    fs::path folder_;
    std::ostringstream errors_;
};

TEST_F(RenderCommandTest, WritesTheWholeSongAndASecondOfReleaseAsStereoPcm) {
    ASSERT_EQ(render({path("song.mid"), path("out.wav")}), 0) << errors_.str();
    const auto wav = read("out.wav");
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(wav[22], 2);                    // channels
    EXPECT_EQ(le32(wav, 24), 44100u);         // frames a second
    EXPECT_EQ(wav[34], 16);                   // bits a sample
    EXPECT_EQ(le32(wav, 40), 3u * 44100 * 4);  // 2 s of song, 1 s of release
    EXPECT_EQ(wav.size(), 44u + le32(wav, 40));
    int peak = 0;
    for (size_t i = 44; i + 1 < 44 + 44100 * 4; i += 2) peak = std::max(peak, std::abs(int(int16_t(wav[i] | wav[i + 1] << 8))));
    EXPECT_GT(peak, 1000);

    ASSERT_EQ(render({path("song.mid"), path("fast.wav"), "--tempo", "2", "--transpose", "-5"}), 0);
    EXPECT_EQ(le32(read("fast.wav"), 40), 2u * 44100 * 4);
    EXPECT_TRUE(errors_.str().empty());
}

TEST_F(RenderCommandTest, BadInputIsOneLineAndLeavesNoFile) {
    std::ofstream(path("notes.txt")) << "not a song";
    const std::vector<std::vector<std::string>> bad = {
        {path("notes.txt"), path("out.wav")},
        {path("missing.mid"), path("out.wav")},
        {path("song.mid"), path("out.wav"), "--tempo", "0"},
        {path("song.mid"), path("out.wav"), "--transpose", "up"},
        {path("song.mid"), path("out.wav"), "--loud"},
        {path("song.mid")},
        {path("song.mid"), path("no-such-folder/out.wav")},
    };
    for (const auto& args : bad) {
        EXPECT_EQ(render(args), 1) << args.back();
        const std::string message = errors_.str();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);  // song and notes only
}

TEST_F(RenderCommandTest, AnUnfinishedWavFileIsRemovedAndAnOldOneKept) {
    std::ofstream(path("old.wav")) << "old";
    {
        WavWriter wav(path("old.wav"), 1000, 44100);
        const std::vector<float> samples(500, 0.5f);
        ASSERT_TRUE(wav.write(samples.data(), samples.data(), samples.size()));
    }
    EXPECT_EQ(read("old.wav"), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace cantorino
