#pragma once

#include <cstdint>

#include "MidiService.h"

namespace cantorino {

/// Transport states.
enum PlayStateValue : int16_t { kPlaying = 0, kStopped = 1, kPaused = 2 };

/// The player's state while songs are opened, played and closed; owned by the main window.
struct PlayerState {
    int16_t SongOpen = 0;       ///< -1 once the current song is loaded on the service, else 0
    int16_t PlayState = 0;      ///< kPlaying, kStopped or kPaused (also parked at the end)
    int32_t PlayPosition = 0;   ///< music time from which the next Play starts
    LoaderHandle MidiLoader;            ///< made at start-up, kept for the whole run
    PerformanceHandle MidiPerformance;  ///< made anew for every song
    SegmentHandle SongSegment;          ///< the song file
    SegmentHandle CopySegment;          ///< the instrument preload file, never played
    SegmentStateHandle SongSegmentState;  ///< the playing instance of the song
    TimeSignatureRecord TimeSignature;  ///< read when the song opens
    int32_t BeatNumber = 0;             ///< beat within the measure of the last notice, from 0
};

}  // namespace cantorino
