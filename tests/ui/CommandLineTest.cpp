#include <gtest/gtest.h>

#include <QDir>

#include "CommandLine.h"

using cantorino::CommandLine;

TEST(CommandLine, KarPathKeepsItsCaseAndBecomesAbsolute) {
    const auto line = CommandLine::Parse({"/Songs/My Song.KAR"});
    EXPECT_EQ(line.songPath, "/Songs/My Song.KAR");
    EXPECT_EQ(line.CommandLineArg, "/Songs/My Song.KAR");
    EXPECT_EQ(CommandLine::Parse({"rel/a.kar"}).songPath, QDir::current().absoluteFilePath("rel/a.kar"));
}

TEST(CommandLine, QuotesAreDroppedOtherFilesIgnored) {
    EXPECT_EQ(CommandLine::Parse({"\"/s/a.kar\""}).songPath, "/s/a.kar");
    const auto mid = CommandLine::Parse({"/s/a.mid"});
    EXPECT_TRUE(mid.songPath.isEmpty());
    EXPECT_FALSE(mid.CommandLineArg.isEmpty());  // still blocks the first playlist song
    EXPECT_TRUE(CommandLine::Parse({"\"\""}).songPath.isEmpty());
    EXPECT_TRUE(CommandLine::Parse({}).CommandLineArg.isEmpty());
}

TEST(CommandLine, HelpAndVersion) {
    EXPECT_TRUE(CommandLine::Parse({"--help"}).showHelp);
    EXPECT_TRUE(CommandLine::Parse({"-h"}).showHelp);
    EXPECT_TRUE(CommandLine::Parse({"--version"}).showVersion);
    EXPECT_TRUE(CommandLine::Usage().contains("usage: cantorino"));
}
