#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace cantorino::demosong {

inline constexpr uint32_t kTicksPerQuarter = 480;
inline constexpr uint32_t kEighth = kTicksPerQuarter / 2;
inline constexpr uint32_t kBar = 4 * kTicksPerQuarter;  ///< 4/4 throughout
inline constexpr uint32_t kMicrosPerQuarter = 600000;     ///< 100 beats per minute
inline constexpr int kVerses = 3;
inline constexpr int kVerseBars = 8;

/// Tick where verse `v` (0-based) begins: after one bar of count-in.
constexpr uint32_t verseStart(int v) { return kBar + uint32_t(v * kVerseBars) * kBar; }
/// Tick of the closing bar, where the final chord is held.
inline constexpr uint32_t kEndingStart = verseStart(kVerses);
/// Tick where every part has stopped sounding.
inline constexpr uint32_t kSongEnd = kEndingStart + kBar;

/// A note of one part, in ticks.
struct Note {
    uint32_t tick;
    uint32_t length;
    int key;
    int velocity;
};

/// A sung syllable and the tick of the melody note it belongs to.
struct Syllable {
    uint32_t tick;
    std::string_view text;
};

/// The tune on the lead voice, three verses, the last a whole tone higher.
std::vector<Note> melody();
/// The syllables, one per melody note.
std::vector<Syllable> words();
/// Root and fifth under each chord; halves in the first verse, walking quarters after.
std::vector<Note> bass();
/// Sustained three-voice chords.
std::vector<Note> chords();
/// Kick, snare and hi-hat on the General MIDI drum channel, with a fill before each verse.
std::vector<Note> drums();

}  // namespace cantorino::demosong
