#include <cstring>
#include <iostream>
#include <string>

#include "InfoCommand.h"
#include "Version.h"

namespace {

constexpr const char* kUsage =
    "usage: cantorino-cli info SONG\n"
    "       cantorino-cli --version\n"
    "\n"
    "  info SONG   print the song model (titles, timing, lyric records, channels) as JSON\n";

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
    std::cerr << kUsage;
    return 2;
}
