#pragma once

#include <memory>
#include <string>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>
#include <fluidsynth/types.h>

#include "MidiService.h"

namespace cantorino {

class AudioOutput;
struct EngineCommand;
class Segment;
class Sequencer;
class SynthHost;

/// How a FluidSynthService is set up.
struct FluidSynthOptions {
    /// Render on demand with renderFrames() on the caller's thread: no device, no thread.
    bool offline = false;
    /// SoundFont file; empty: $CANTORINO_SOUNDFONT, then Debian's GM SoundFonts.
    std::string soundFont;
    /// Audio driver; empty: $CANTORINO_AUDIO_DRIVER, then pipewire, pulseaudio, alsa.
    std::string audioDriver;
    /// Frames a second.
    double sampleRate = 44100;
};

/// The MIDI service on FluidSynth: one synthesiser and one SoundFont for the whole run, a
/// sequencer in the audio callback, and the handles the player holds. In real time the
/// SoundFont loads on a thread of its own, so construction returns at once; a start that
/// comes first waits for it. The engine plays for one performance at a time: the last one
/// initialised. Every method is for the user-interface thread (offline: the one thread).
class FluidSynthService final : public MidiService {
public:
    /// Sets the service up; in real time the SoundFont and the device open in the background.
    explicit FluidSynthService(FluidSynthOptions options = {});
    ~FluidSynthService() override;
    FluidSynthService(const FluidSynthService&) = delete;
    FluidSynthService& operator=(const FluidSynthService&) = delete;

    LoaderHandle CreateLoader() override;
    PerformanceHandle CreatePerformance() override;
    void InitPerformance(PerformanceHandle performance) override;
    void SelectPort(PerformanceHandle performance, int port, int channelGroups) override;
    void SubscribeNotifications(PerformanceHandle performance, int kind) override;
    SegmentHandle LoadSegmentFile(LoaderHandle loader, const std::string& path) override;
    void MarkAsMidiFile(SegmentHandle segment) override;
    void DownloadInstruments(SegmentHandle segment, PerformanceHandle performance) override;
    void UnloadInstruments(SegmentHandle segment, PerformanceHandle performance) override;
    int32_t GetLength(SegmentHandle segment) override;
    void SetPlayFrom(SegmentHandle segment, int32_t start) override;
    int32_t GetMusicNow(PerformanceHandle performance) override;
    SegmentStateHandle StartSegment(PerformanceHandle performance, SegmentHandle segment, int flags,
                                    int32_t startTime) override;
    void StopSegment(PerformanceHandle performance, SegmentHandle segment, SegmentStateHandle state,
                     int32_t time, int flags) override;
    TimeSignatureRecord QueryTimeSignature(PerformanceHandle performance, int32_t time) override;
    int32_t GetPosition(SegmentStateHandle state) override;
    std::optional<BeatNotification> PollNotification(PerformanceHandle performance) override;
    void SetTempoFactor(PerformanceHandle performance, float factor) override;
    float GetTempoFactor(PerformanceHandle performance) override;
    void SetMasterVolume(PerformanceHandle performance, int32_t level) override;
    void SendChannelMessage(PerformanceHandle performance, int32_t time, int flags, int channel, int status,
                            int data1, int data2) override;
    void SendProgramChange(PerformanceHandle performance, int32_t time, int flags, int channel,
                           int program) override;
    void SendTranspose(PerformanceHandle performance, int32_t time, int flags, int channel,
                       int semitones) override;
    void ShutDown(PerformanceHandle performance) override;
    void ResetPerformance(PerformanceHandle performance, int flags) override;
    void Release(PerformanceHandle& performance) override;
    void Release(SegmentHandle& segment) override;
    void Release(SegmentStateHandle& state) override;
    MidiServiceProblems Problems() const override;

    /// Offline mode: renders the next `frames` frames into `left` and `right`.
    void renderFrames(float* left, float* right, int frames);
    /// Offline mode: the synthesiser, to look at its channels and voices; null in real time.
    fluid_synth_t* offlineSynth();
    /// Frames a second of the output.
    double sampleRate() const { return sampleRate_; }

private:
    struct PerformanceRecord {
        float tempoFactor = 1.0f;
        uint32_t lastSegment = 0;  ///< segment most recently started, for QueryTimeSignature
        int32_t lastStart = 0;     ///< performance time of that start
        int32_t lastFrom = 0;      ///< where in the segment it started
    };
    struct SegmentRecord {
        std::unique_ptr<Segment> segment;
        int32_t playFrom = 0;
    };
    struct StateRecord {
        uint32_t performance = 0;
        int32_t lastPosition = 0;  ///< the start position until it is heard, then the last seen
    };

    void setUp(FluidSynthOptions options);
    void waitUntilReady() const;
    bool post(const EngineCommand& command);
    void sendTimed(PerformanceHandle performance, int32_t time, uint8_t status, uint8_t data1, uint8_t data2);
    void freeRetiredSegments();
    PerformanceRecord* find(PerformanceHandle h);
    SegmentRecord* find(SegmentHandle h);

    const bool offline_;
    const double sampleRate_;
    std::unique_ptr<Sequencer> sequencer_;
    std::unique_ptr<SynthHost> host_;
    std::unique_ptr<AudioOutput> output_;
    mutable std::thread starter_;
    MidiServiceProblems problems_;

    uint32_t nextId_ = 1;
    uint64_t posted_ = 0;
    std::vector<uint32_t> loaders_;
    std::unordered_map<uint32_t, PerformanceRecord> performances_;
    std::unordered_map<uint32_t, SegmentRecord> segments_;
    std::unordered_map<uint32_t, StateRecord> states_;
    /// Released segments the audio side may still be reading, with the command count after
    /// which it no longer does.
    std::vector<std::pair<uint64_t, std::unique_ptr<Segment>>> retired_;
};

}  // namespace cantorino
