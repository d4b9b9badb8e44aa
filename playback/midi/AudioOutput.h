#pragma once

#include <memory>
#include <string>
#include <fluidsynth/types.h>

namespace cantorino {

class Sequencer;
class SilentClock;

/// Runs the sequencer from an audio device's callback, or from a silent real-time clock
/// when no device opens.
class AudioOutput {
public:
    /// Tries `driver` alone if set, else $CANTORINO_AUDIO_DRIVER alone if set, else
    /// pipewire, pulseaudio and alsa in turn; "none" opens no device. The sequencer's
    /// output latency is set to what the driver buffers before it starts.
    AudioOutput(fluid_settings_t* settings, Sequencer& sequencer, double sampleRate, const std::string& driver);
    /// Stops the callback or the clock.
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    /// True when sound goes to a device.
    bool hasDevice() const { return driver_ != nullptr; }

private:
    static int callback(void* sequencer, int frames, int fxCount, float* fx[], int outCount, float* out[]);

    fluid_audio_driver_t* driver_ = nullptr;
    std::unique_ptr<SilentClock> clock_;
};

}  // namespace cantorino
