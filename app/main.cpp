#include <iostream>
#include <string>

#include "Version.h"

int main(int argc, char** argv) {
    const std::string arg = argc > 1 ? argv[1] : "";
    if (arg == "--help" || arg == "-h") {
        std::cout << "usage: cantorino [SONG.kar]\n";
        return 0;
    }
    std::cout << "Cantorino " << kCantorinoVersion << "\n";
    return 0;
}
