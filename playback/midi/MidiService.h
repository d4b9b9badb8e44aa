#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cantorino {

/// Music time: 768 units per quarter note.
inline constexpr int32_t kMusicTimePerQuarter = 768;

/// A handle to an object of the MIDI service; id 0 is the empty handle.
template <typename Tag>
struct MidiHandle {
    uint32_t id = 0;
    explicit operator bool() const { return id != 0; }
    friend bool operator==(MidiHandle, MidiHandle) = default;
};
struct LoaderTag {};
struct PerformanceTag {};
struct SegmentTag {};
struct SegmentStateTag {};
/// The loader: reads segments from files; lives for the whole run.
using LoaderHandle = MidiHandle<LoaderTag>;
/// The per-song playback state on top of the synthesiser.
using PerformanceHandle = MidiHandle<PerformanceTag>;
/// A loaded MIDI file.
using SegmentHandle = MidiHandle<SegmentTag>;
/// A playing instance of a segment.
using SegmentStateHandle = MidiHandle<SegmentStateTag>;

/// A time signature in effect at some music time.
struct TimeSignatureRecord {
    int32_t SignatureTime = 0;    ///< music time at which it took effect
    uint8_t BeatsPerMeasure = 0;  ///< numerator
    uint8_t BeatUnit = 0;         ///< note value of one beat: 4 = quarter note
    int16_t GridsPerBeat = 0;     ///< subdivisions of a beat
};

/// A beat notice: the audible position crossed a beat.
struct BeatNotification {
    int32_t MusicTime = 0;  ///< position of the beat within the segment
    int32_t Measure = 0;    ///< measure number from 0
    int32_t Beat = 0;       ///< beat within the measure, from 0
};

/// What the service could not set up; the player tells the user once.
struct MidiServiceProblems {
    bool noAudioOutput = false;  ///< no audio device: playback runs silent on a real-time clock
    bool noSoundFont = false;    ///< no SoundFont found: playback runs silent
};

/// The MIDI playback service the player drives. Every operation on an empty or released
/// handle is a silent no-op that returns 0 or an empty handle. Called from the UI thread.
class MidiService {
public:
    virtual ~MidiService() = default;

    /// Makes the loader.
    virtual LoaderHandle CreateLoader() = 0;
    /// Makes a new performance (released state until InitPerformance).
    virtual PerformanceHandle CreatePerformance() = 0;
    /// Readies the performance: all channels reset, tempo factor 1, master volume 0 dB.
    virtual void InitPerformance(PerformanceHandle performance) = 0;
    /// Chooses the output port (-1: default) and the number of channel groups.
    virtual void SelectPort(PerformanceHandle performance, int port, int channelGroups) = 0;
    /// Asks for notices of the given kind (3: measure and beat) for PollNotification.
    virtual void SubscribeNotifications(PerformanceHandle performance, int kind) = 0;
    /// Reads a MIDI file; an empty handle when it cannot be read or is no MIDI file.
    virtual SegmentHandle LoadSegmentFile(LoaderHandle loader, const std::string& path) = 0;
    /// Declares the loaded segment a Standard MIDI File.
    virtual void MarkAsMidiFile(SegmentHandle segment) = 0;
    /// Makes the segment's instruments ready on the performance.
    virtual void DownloadInstruments(SegmentHandle segment, PerformanceHandle performance) = 0;
    /// Undoes DownloadInstruments.
    virtual void UnloadInstruments(SegmentHandle segment, PerformanceHandle performance) = 0;
    /// Length of the segment in music time: the time of its last event.
    virtual int32_t GetLength(SegmentHandle segment) = 0;
    /// Where the next StartSegment of this segment begins, in music time.
    virtual void SetPlayFrom(SegmentHandle segment, int32_t start) = 0;
    /// The performance's own music time.
    virtual int32_t GetMusicNow(PerformanceHandle performance) = 0;
    /// Starts the segment now (startTime 0) or at that performance music time; it replaces
    /// whatever the performance plays.
    virtual SegmentStateHandle StartSegment(PerformanceHandle performance, SegmentHandle segment, int flags,
                                            int32_t startTime) = 0;
    /// Stops the instance (or every instance of the segment, or with both empty everything),
    /// silencing its notes at once; a start still pending is cancelled.
    virtual void StopSegment(PerformanceHandle performance, SegmentHandle segment, SegmentStateHandle state,
                             int32_t time, int flags) = 0;
    /// The time signature in effect at a performance music time (4/4 when the song has none).
    virtual TimeSignatureRecord QueryTimeSignature(PerformanceHandle performance, int32_t time) = 0;
    /// The audible position of the playing instance within its segment, in music time.
    virtual int32_t GetPosition(SegmentStateHandle state) = 0;
    /// One pending beat notice, if any.
    virtual std::optional<BeatNotification> PollNotification(PerformanceHandle performance) = 0;
    /// Speed factor: 1.0 is the song's own tempo; held within 0.01 … 100.
    virtual void SetTempoFactor(PerformanceHandle performance, float factor) = 0;
    /// The speed factor in use.
    virtual float GetTempoFactor(PerformanceHandle performance) = 0;
    /// Master volume in hundredths of a decibel (0 = unchanged; held at +2000 at most).
    virtual void SetMasterVolume(PerformanceHandle performance, int32_t level) = 0;
    /// Sends a MIDI short message; sends keep their order by time, then by call.
    virtual void SendChannelMessage(PerformanceHandle performance, int32_t time, int flags, int channel,
                                    int status, int data1, int data2) = 0;
    /// Changes the program of a channel.
    virtual void SendProgramChange(PerformanceHandle performance, int32_t time, int flags, int channel,
                                   int program) = 0;
    /// Shifts the channel's notes started from now on by `semitones`.
    virtual void SendTranspose(PerformanceHandle performance, int32_t time, int flags, int channel,
                               int semitones) = 0;
    /// Stops everything the performance plays and closes it for playback.
    virtual void ShutDown(PerformanceHandle performance) = 0;
    /// Resets the performance's channels.
    virtual void ResetPerformance(PerformanceHandle performance, int flags) = 0;

    /// Frees the object behind a handle and empties it.
    virtual void Release(PerformanceHandle& performance) = 0;
    /// Frees a segment and empties the handle.
    virtual void Release(SegmentHandle& segment) = 0;
    /// Forgets a segment state and empties the handle.
    virtual void Release(SegmentStateHandle& state) = 0;

    /// What could not be set up (audio device, SoundFont); known once the service is ready.
    virtual MidiServiceProblems Problems() const = 0;
};

}  // namespace cantorino
