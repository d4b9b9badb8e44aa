#include "CommandLine.h"

#include <QFileInfo>

namespace cantorino {
namespace {

bool endsWithKar(const QString& s) { return s.endsWith("kar", Qt::CaseInsensitive); }

}  // namespace

CommandLine CommandLine::Parse(const QStringList& arguments) {
    CommandLine line;
    if (arguments.contains("--help") || arguments.contains("-h")) {
        line.showHelp = true;
        return line;
    }
    if (arguments.contains("--version")) {
        line.showVersion = true;
        return line;
    }
    line.CommandLineArg = arguments.join(' ');
    QString candidate = line.CommandLineArg;
    if (!endsWithKar(candidate) && candidate.size() >= 2) candidate = candidate.mid(1, candidate.size() - 2);
    if (endsWithKar(candidate) && candidate.size() >= 3) line.songPath = QFileInfo(candidate).absoluteFilePath();
    return line;
}

QString CommandLine::Usage() {
    return "usage: cantorino [SONG.kar]\n"
           "\n"
           "Karaoke player for MIDI karaoke files. A .kar file named on the command line\n"
           "starts playing one second after the window opens.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "\n"
           "Environment: CANTORINO_SOUNDFONT (a .sf2 file), CANTORINO_AUDIO_DRIVER\n"
           "(pipewire, pulseaudio, alsa or none).\n";
}

}  // namespace cantorino
