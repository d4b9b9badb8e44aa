// Reads and rewrites an arbitrary settings file; a write must keep what a read saw.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("cantorino-fuzz-" + std::to_string(::getpid()) + ".cfg");
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    const cantorino::IniFile ini(path);
    const auto before = ini.read("General", "Other");
    if (!ini.write("General", "Key", "value")) __builtin_trap();
    if (ini.read("General", "Key") != "value") __builtin_trap();
    if (before && ini.read("General", "Other") != before) __builtin_trap();
    return 0;
}
