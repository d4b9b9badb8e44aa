#include "SongTitles.h"

#include "MidiFile.h"
#include "SongReader.h"
#include "TextEncoding.h"

namespace cantorino {
namespace {

/// Changes the case of one code point in the ASCII and Latin-1 letter ranges.
char32_t changeCase(char32_t cp, bool upper) {
    const bool isLower = (cp >= 'a' && cp <= 'z') || (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7);
    const bool isUpper = (cp >= 'A' && cp <= 'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7);
    if (upper && isLower) return cp - 0x20;
    if (!upper && isUpper) return cp + 0x20;
    return cp;
}

}  // namespace

std::string SongTitles::ProperCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    bool wordStart = true;
    for (size_t i = 0; i < utf8.size();) {
        const auto b0 = uint8_t(utf8[i]);
        // Only one- and two-byte sequences hold letters whose case we change.
        if (b0 < 0x80 || (b0 >= 0xC2 && b0 <= 0xDF && i + 1 < utf8.size())) {
            const bool twoBytes = b0 >= 0x80;
            char32_t cp = twoBytes ? char32_t((b0 & 0x1F) << 6 | (uint8_t(utf8[i + 1]) & 0x3F)) : b0;
            cp = changeCase(cp, wordStart);
            if (cp < 0x80) {
                out += char(cp);
            } else {
                out += char(0xC0 | cp >> 6);
                out += char(0x80 | (cp & 0x3F));
            }
            wordStart = cp == ' ';
            i += twoBytes ? 2 : 1;
        } else {
            out += utf8[i++];
            wordStart = false;
        }
    }
    return out;
}

Titles SongTitles::GetTitles(const MidiFile& file) {
    Titles titles;
    const TextEncoding encoding = detectSongEncoding(file);
    size_t found = 0;
    for (const auto& track : file.tracks()) {
        for (const auto& e : track.events) {
            if (!e.isMeta() || e.metaType() != 0x01) continue;
            const std::string_view text = file.text(e);
            if (text.substr(0, 2) != "@T") continue;
            titles[found] = ProperCase(decodeText(text.substr(2), encoding));
            if (++found == titles.size()) return titles;
        }
    }
    return titles;
}

std::optional<Titles> SongTitles::GetTitles(const std::string& path) {
    std::vector<uint8_t> data;
    if (!readWholeFile(path, data)) return std::nullopt;
    return GetTitles(MidiFile::parse(std::move(data)));
}

}  // namespace cantorino
