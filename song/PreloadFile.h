#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

namespace cantorino {

/// The instrument preload file: a small MIDI file selecting all 128 programs on channel 1,
/// loaded beside each song so that every instrument is ready for the mixer.
class PreloadFile {
public:
    /// Size of the file in bytes.
    static constexpr size_t kSize = 410;

    /// The file's bytes, the same every time.
    static std::array<uint8_t, kSize> Bytes();
    /// Where the file lives: "filetemp.tmp" in `tempFolder`.
    static std::filesystem::path Path(const std::filesystem::path& tempFolder);
    /// Writes the file into `tempFolder`, replacing an older one; false when it cannot be written.
    static bool CreateFileTemp(const std::filesystem::path& tempFolder);
};

}  // namespace cantorino
