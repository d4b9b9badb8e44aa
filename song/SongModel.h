#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "TextEncoding.h"

namespace cantorino {

/// One timed lyric record: a syllable, a line mark, or a meta event that carries no lyric.
struct SyllableRecord {
    double Time = 0;      ///< ms from the start of the song to the event that follows this one
    double Duration = 0;  ///< ms between this event and the next
    std::string Text;     ///< the syllable (UTF-8); empty for events without lyric
    int16_t Length = 0;   ///< characters in Text
    int32_t Column = 0;   ///< characters of its line that stand before the syllable
    int16_t Line = 0;     ///< index into LyricLines
};

/// What the song does on one MIDI channel; Booleans are 0 or -1 as the mixer stores them.
struct ChannelRecord {
    int16_t InstrumentChanged = 0;  ///< the user chose an instrument or octave since the song was read
    int16_t MixChanged = 0;         ///< the user changed the channel's mix while a song was open
    int16_t Program = 0;            ///< General MIDI program 0..127
    int16_t ChannelNumber = -1;     ///< 1..16 when the song plays notes on it, else -1
    int16_t ChannelVolume = 0;      ///< controller 7 value 0..127
    int16_t ChannelBalance = 64;    ///< controller 10 value 0..127, 64 is the centre
    int16_t OctaveIndex = 0;        ///< 0 "-2", 1 "-1", 2 "0", 3 "+1", 4 "+2"
};

/// Number of MIDI channels.
inline constexpr int kChannelCount = 16;

/// Everything the player knows about the open song besides its sound.
struct SongModel {
    std::string SongPath;                ///< full path of the song file
    std::vector<uint8_t> SongData;       ///< the whole file
    double TempoMicros = 0;              ///< µs per quarter note, from the first Set Tempo event
    double TicksPerSixteenth = 0;        ///< division / 4
    float TempoBpm = 0;                  ///< 60 000 000 / TempoMicros, two decimals
    double TickMs = 0;                   ///< ms per tick at the first tempo
    std::vector<SyllableRecord> Syllables{1};    ///< index 0 is never a syllable
    int32_t SyllableIndex = 0;                   ///< where the lyric display stands
    std::vector<std::string> LyricLines{1};      ///< the lyric text, one string per display line
    std::array<ChannelRecord, kChannelCount> Channels{};  ///< index 0..15 = MIDI channels 1..16
    double LyricsWindowScale = 1;        ///< lyrics window's box width ÷ main lyric box width
    std::optional<int> LyricTrack;       ///< index of the lyric track; empty when all tracks were merged
    TextEncoding Encoding = TextEncoding::Windows1252;  ///< how the song's texts were decoded
};

}  // namespace cantorino
