#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

#include "IniFile.h"
#include "SettingsAccess.h"

using namespace cantorino;
namespace fs = std::filesystem;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("cantorino-ini-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        path_ = dir_ / "Config.cfg";
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all);
        fs::remove_all(dir_);
    }
    void put(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    std::string contents() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir_;
    fs::path path_;
};

}  // namespace

TEST_F(IniFileTest, ReadsIgnoringCaseBlanksQuotesAndComments) {
    put("; settings\n[general]\r\n  TextColor1 = 255  \r\n;MaxFontSize=99\n"
        "Mostra Immagine=\"Si\"\nFont='Times New Roman'\nEmpty=\n[Other]\nMaxFontSize=12\n");
    const IniFile ini(path_);
    EXPECT_EQ(ini.read("General", "textcolor1"), "255");
    EXPECT_EQ(ini.read("GENERAL", "Mostra Immagine"), "Si");
    EXPECT_EQ(ini.read("General", "Font"), "Times New Roman");
    EXPECT_EQ(ini.read("General", "Empty"), "");
    EXPECT_EQ(ini.read("General", "MaxFontSize"), std::nullopt);  // commented out here, set in another section
    EXPECT_EQ(ini.read("Other", "MaxFontSize"), "12");
    EXPECT_EQ(ini.read("Missing", "Font"), std::nullopt);
    EXPECT_EQ(IniFile(dir_ / "none.cfg").read("General", "Font"), std::nullopt);
}

TEST_F(IniFileTest, LongValuesAreCut) {
    put("[General]\nPath=" + std::string(600, 'p') + "\n");
    EXPECT_EQ(IniFile(path_).read("General", "Path")->size(), IniFile::kMaxValueLength);
}

TEST_F(IniFileTest, WriteReplacesInPlaceAndKeepsEveryOtherLine) {
    put("; mine\n[General]\nA=1\nMostra Immagine=No\n\n[Other]\nA=x\n");
    const IniFile ini(path_);
    ASSERT_TRUE(ini.write("general", "mostra immagine", "Si"));
    EXPECT_EQ(contents(), "; mine\r\n[General]\r\nA=1\r\nmostra immagine=Si\r\n\r\n[Other]\r\nA=x\r\n");
}

TEST_F(IniFileTest, WriteAppendsToTheSectionOrAddsTheSection) {
    put("[General]\r\nA=1\r\n\r\n[Other]\r\nB=2\r\n");
    const IniFile ini(path_);
    ASSERT_TRUE(ini.write("General", "C", "3"));
    ASSERT_TRUE(ini.write("New", "D", "4"));
    EXPECT_EQ(contents(), "[General]\r\nA=1\r\nC=3\r\n\r\n[Other]\r\nB=2\r\n[New]\r\nD=4\r\n");
    EXPECT_EQ(ini.read("General", "C"), "3");

    fs::remove(path_);
    ASSERT_TRUE(ini.write("General", "Playlist", "/home/me/a b.lst"));
    EXPECT_EQ(contents(), "[General]\r\nPlaylist=/home/me/a b.lst\r\n");
}

TEST_F(IniFileTest, FailedWriteReportsAndLeavesTheFileWhole) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    put("[General]\nA=1\n");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(IniFile(path_).write("General", "A", "2"));
    EXPECT_EQ(contents(), "[General]\nA=1\n");
}

TEST_F(IniFileTest, UnreadableFileIsNeverReplaced) {
    fs::create_directories(path_);  // a folder where the file should be cannot be read as one
    std::ofstream(path_ / "keep.txt") << "mine";
    EXPECT_FALSE(IniFile(path_).write("General", "A", "1"));
    EXPECT_TRUE(fs::is_directory(path_));
    EXPECT_TRUE(fs::exists(path_ / "keep.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temp file left
}

TEST_F(IniFileTest, WriteIntoAMissingFolderFails) {
    EXPECT_FALSE(IniFile(dir_ / "no" / "Config.cfg").write("General", "A", "1"));
    EXPECT_FALSE(SettingsAccess::WriteIniValue("General", "A", "1", (dir_ / "no" / "x.cfg").string()));
}

TEST_F(IniFileTest, SettingsAccessHelpers) {
    const SettingsAccess access(dir_);
    EXPECT_EQ(access.GetConfigPath(), path_.string());
    EXPECT_EQ(SettingsAccess(dir_.string() + "/").GetConfigPath(), path_.string());  // no doubled "/"
    EXPECT_EQ(SettingsAccess::ReadIniValue("General", "MaxFontSize", access.GetConfigPath()), "");
    ASSERT_TRUE(SettingsAccess::WriteIniValue("General", "MaxFontSize", "30", access.GetConfigPath()));
    EXPECT_EQ(SettingsAccess::ReadIniValue("General", "maxfontsize", access.GetConfigPath()), "30");

    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    ::setenv("TMPDIR", (dir_.string() + "/").c_str(), 1);
    EXPECT_EQ(SettingsAccess::GetTempFolder(), dir_.string());
    old ? ::setenv("TMPDIR", saved.c_str(), 1) : ::unsetenv("TMPDIR");
}
