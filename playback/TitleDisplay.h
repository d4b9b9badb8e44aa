#pragma once

#include <QString>

#include "PlaybackControls.h"

namespace cantorino {

/// Shows the current song's title lines in both windows.
class TitleDisplay {
public:
    /// Writes to the controls of the main and lyrics windows.
    explicit TitleDisplay(const PlaybackControls& controls) : controls_(controls) {}

    /// Reads the titles of `songPath` and shows them in both windows ("Titles non disponibile"
    /// when there are none), clears both lyric boxes. False when the file cannot be read;
    /// the title line then says so. An empty path empties the six labels.
    bool GetTitles(const QString& songPath);

private:
    const PlaybackControls& controls_;
};

}  // namespace cantorino
