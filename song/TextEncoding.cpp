#include "TextEncoding.h"

#include <cstdint>

#include "MidiFile.h"

namespace cantorino {
namespace {

/// Unicode code points of Windows-1252 bytes 0x80..0x9F; 0 where the code page has none.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | cp >> 6);
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | cp >> 12);
        out += char(0x80 | (cp >> 6 & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

/// Length of the valid UTF-8 sequence at `i`, or 0 when it is not valid.
size_t utf8SequenceLength(std::string_view s, size_t i) {
    const auto b0 = uint8_t(s[i]);
    if (b0 < 0x80) return 1;
    size_t n;
    char32_t cp;
    if (b0 >= 0xC2 && b0 <= 0xDF) { n = 2; cp = b0 & 0x1F; }
    else if (b0 >= 0xE0 && b0 <= 0xEF) { n = 3; cp = b0 & 0x0F; }
    else if (b0 >= 0xF0 && b0 <= 0xF4) { n = 4; cp = b0 & 0x07; }
    else return 0;
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        const auto b = uint8_t(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (b & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not valid UTF-8.
    if ((n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000) || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

}  // namespace

TextEncoding detectEncoding(const std::vector<std::string_view>& texts) {
    bool multiByte = false;
    for (std::string_view s : texts) {
        for (size_t i = 0; i < s.size();) {
            const size_t n = utf8SequenceLength(s, i);
            if (n == 0) return TextEncoding::Windows1252;
            multiByte |= n > 1;
            i += n;
        }
    }
    return multiByte ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

TextEncoding detectSongEncoding(const MidiFile& file) {
    std::vector<std::string_view> texts;
    for (const auto& track : file.tracks())
        for (const auto& e : track.events)
            if (e.isMeta() && (e.metaType() == 0x01 || e.metaType() == 0x05)) texts.push_back(file.text(e));
    return detectEncoding(texts);
}

std::string decodeText(std::string_view bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = uint8_t(c);
        if (b >= 0x80 && b < 0xA0) {
            const char16_t cp = kCp1252High[b - 0x80];
            appendUtf8(out, cp ? cp : b);  // the five unassigned bytes map to C1 controls
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

size_t countCharacters(std::string_view utf8) {
    size_t n = 0;
    for (char c : utf8) n += (uint8_t(c) & 0xC0) != 0x80;
    return n;
}

const char* encodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? "utf-8" : "windows-1252";
}

}  // namespace cantorino
