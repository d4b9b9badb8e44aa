#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "InfoCommand.h"
#include "RenderCommand.h"
#include "Version.h"

namespace {

constexpr const char* kUsage =
    "usage: cantorino-cli info SONG\n"
    "       cantorino-cli render SONG OUT.wav [--tempo F] [--transpose N] [--soundfont PATH]\n"
    "       cantorino-cli --version\n"
    "\n"
    "  info SONG        print the song model (titles, timing, lyric records, channels) as JSON\n"
    "  render SONG OUT  render the song and a second of release to a 16-bit stereo 44.1 kHz WAV file;\n"
    "                   --tempo speed factor (1 = the song's own), --transpose semitones (not the\n"
    "                   drum channel), --soundfont the SoundFont (default: CANTORINO_SOUNDFONT or GM)\n";

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "--version") {
        std::cout << "cantorino-cli " << kCantorinoVersion << "\n";
        return 0;
    }
    if (command == "info" && argc == 3) return cantorino::runInfoCommand(argv[2], std::cout, std::cerr);
    if (command == "render")
        return cantorino::runRenderCommand(std::vector<std::string>(argv + 2, argv + argc), std::cerr,
                                           isatty(STDERR_FILENO));
    std::cerr << kUsage;
    return 2;
}
