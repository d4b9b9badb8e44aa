#pragma once

#include <QString>
#include <QStringList>

namespace cantorino {

/// What the program was started with.
struct CommandLine {
    QString CommandLineArg;  ///< everything after the program name; non-empty keeps the first song
    QString songPath;        ///< a karaoke file to play at start, absolute; empty when none
    bool showHelp = false;   ///< --help / -h
    bool showVersion = false;  ///< --version

    /// Reads the arguments after the program name. A path ending in "kar" (any case) is a song;
    /// quotes around it are dropped; the path keeps its case.
    static CommandLine Parse(const QStringList& arguments);
    /// The --help text.
    static QString Usage();
};

}  // namespace cantorino
