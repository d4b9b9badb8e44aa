#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cantorino {

class MidiFile;

/// How a song's text bytes are turned into characters.
enum class TextEncoding { Windows1252, Utf8 };

/// UTF-8 when every text is valid UTF-8 and at least one holds a multi-byte sequence.
TextEncoding detectEncoding(const std::vector<std::string_view>& texts);

/// The encoding of a song: decided over all its text (FF 01) and lyric (FF 05) events.
TextEncoding detectSongEncoding(const MidiFile& file);

/// Decodes `bytes` to UTF-8 (Windows-1252 bytes are mapped to their Unicode characters).
std::string decodeText(std::string_view bytes, TextEncoding encoding);

/// Number of characters (code points) in a UTF-8 string.
size_t countCharacters(std::string_view utf8);

/// Name used in reports: "utf-8" or "windows-1252".
const char* encodingName(TextEncoding encoding);

}  // namespace cantorino
