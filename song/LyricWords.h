#pragma once

#include <optional>
#include <vector>

#include "MidiFile.h"
#include "SongModel.h"

namespace cantorino {

/// Builds the timed lyric records and the display lines from a song's meta events.
class LyricWords {
public:
    /// The lyric track: the first named exactly "Words" or holding at least 50 text events;
    /// empty when none qualifies and all tracks are to be merged.
    static std::optional<int> ChooseLyricTrack(const MidiFile& file);

    /// Appends one record per meta event of the lyric data to `model.Syllables` and the lines
    /// to `model.LyricLines` (both as ZeroVariables left them), timed with `model.TickMs`.
    static void GetWords(const MidiFile& file, std::optional<int> lyricTrack, SongModel& model);
};

}  // namespace cantorino
