#include "AudioOutput.h"

#include <cstdlib>
#include <fluidsynth.h>
#include <vector>

#include "Sequencer.h"
#include "SilentClock.h"

namespace cantorino {
namespace {

/// Frames per device period, and periods in the device buffer: about 23 ms at 44.1 kHz.
constexpr int kPeriodSize = 256;
constexpr int kPeriods = 4;

std::vector<std::string> driversToTry(const std::string& chosen) {
    std::string name = chosen;
    if (name.empty())
        if (const char* env = std::getenv("CANTORINO_AUDIO_DRIVER"); env && *env) name = env;
    if (name == "none") return {};
    if (!name.empty()) return {name};
    return {"pipewire", "pulseaudio", "alsa"};
}

}  // namespace

AudioOutput::AudioOutput(fluid_settings_t* settings, Sequencer& sequencer, double sampleRate,
                         const std::string& driver) {
    if (settings) {
        fluid_settings_setint(settings, "audio.period-size", kPeriodSize);
        fluid_settings_setint(settings, "audio.periods", kPeriods);
        sequencer.setOutputLatency(kPeriodSize * kPeriods);
        // A driver that is missing or finds no device reports an error; trying the next one
        // is the answer, so those messages are kept off the terminal.
        const auto previous = fluid_set_log_function(FLUID_ERR, nullptr, nullptr);
        for (const auto& name : driversToTry(driver)) {
            if (fluid_settings_setstr(settings, "audio.driver", name.c_str()) != FLUID_OK) continue;
            driver_ = new_fluid_audio_driver2(settings, &AudioOutput::callback, &sequencer);
            if (driver_) break;
        }
        fluid_set_log_function(FLUID_ERR, previous, nullptr);
    }
    if (driver_) return;
    sequencer.setOutputLatency(0);
    clock_ = std::make_unique<SilentClock>(sequencer, sampleRate);
}

AudioOutput::~AudioOutput() {
    if (driver_) delete_fluid_audio_driver(driver_);
}

int AudioOutput::callback(void* sequencer, int frames, int, float*[], int outCount, float* out[]) {
    if (outCount < 1) return FLUID_FAILED;
    static_cast<Sequencer*>(sequencer)->render(out[0], out[outCount > 1 ? 1 : 0], frames);
    return FLUID_OK;
}

}  // namespace cantorino
