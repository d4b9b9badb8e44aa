#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace cantorino {

class MidiFile;

/// The three title lines of a song.
using Titles = std::array<std::string, 3>;

/// Finds a song's title lines: the "@T" text events.
class SongTitles {
public:
    /// Reads the file at `path`; nullopt when it cannot be read.
    static std::optional<Titles> GetTitles(const std::string& path);
    /// Titles of a parsed file: the first three text events that begin with "@T", in proper case.
    static Titles GetTitles(const MidiFile& file);
    /// First letter of each blank-separated word upper case, the rest lower case (UTF-8).
    static std::string ProperCase(std::string_view utf8);
};

}  // namespace cantorino
