#pragma once

#include <QString>
#include <functional>

#include "MidiService.h"
#include "PlaybackControls.h"
#include "PlayerState.h"
#include "SongModel.h"

namespace cantorino {

class SettingsAccess;

/// What the transport asks of the parts above it (mixer, sound controls, the application).
struct TransportHooks {
    std::function<void()> SetChannels;        ///< re-send the user's channel changes to a new start
    std::function<void()> ResetSoundSliders;  ///< the four global sliders back to their middle
    std::function<void()> ShowMixerStrip;     ///< show the channel table of the song just read
    std::function<void()> ClearMixerStrip;    ///< mixer strip back to the no-song state
    std::function<void()> Quit;               ///< end the program
    std::function<void()> SongOpened;         ///< a song was loaded on the service
};

/// Opens, plays, pauses, stops, seeks and closes the current song on the MIDI service.
/// UI thread only; it lets pending window events run at a few fixed points.
class Transport {
public:
    /// Service lead of the reported position over what is heard, in ms: ours reports what is heard.
    static constexpr float kLookAheadMs = 0;

    /// Works on state owned by the main window; everything must outlive the transport.
    Transport(MidiService& service, SongModel& model, PlayerState& state, const PlaybackControls& controls,
              const SettingsAccess& settings, TransportHooks hooks);

    /// Closes the previous song, reads SongPath and loads it on a fresh performance. False (and a
    /// message in the title lines) when the song cannot be read.
    bool OpenMusic();
    /// Opens the song if needed, places the lyric display and starts playing from PlayPosition.
    void Play();
    /// Remembers the position (100 units early) and stops the sound.
    void PauseMusic();
    /// Stops everything and rewinds.
    void StopMusic();
    /// The same as StopMusic.
    void SeekStart();
    /// Stops and parks 250 units before the end.
    void SeekEnd();
    /// Plays from the position of the progress knob; nothing when no song is open.
    void SetMusicPosition();
    /// Stops and releases the song's service objects, then clears the song model.
    void CloseDevice();
    /// Stops the song, shuts the service down, deletes the preload file and quits.
    void EndProgram();
    /// Clears the song model and the song displays.
    void ZeroVariables();

    /// The lyric clock in ms at a service position: what syllable times are compared with.
    double LyricClockMs(int32_t position);

private:
    bool ReadFile();
    void Initialize();
    void fitLyricFont();
    QString preloadPath() const;
    void letEventsRun();
    void showUnreadable();

    MidiService& service_;
    SongModel& model_;
    PlayerState& state_;
    const PlaybackControls& controls_;
    const SettingsAccess& settings_;
    TransportHooks hooks_;
};

}  // namespace cantorino
