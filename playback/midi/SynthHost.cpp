#include "SynthHost.h"

#include <cstdlib>
#include <filesystem>
#include <fluidsynth.h>

namespace cantorino {
namespace {

constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
};

}  // namespace

SynthHost::SynthHost(double sampleRate, const std::string& soundFont) {
    // FluidSynth's warnings (a preset missing from the SoundFont, say) would be printed from
    // the audio thread; they say nothing the player can act on. Errors stay on.
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);

    settings_ = new_fluid_settings();
    if (!settings_) return;
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(settings_, "synth.gain", kBaseGain);
    // Only the audio thread touches the synthesiser once it runs, so its own mutex is not needed.
    fluid_settings_setint(settings_, "synth.threadsafe-api", 0);
    fluid_settings_setint(settings_, "synth.cpu-cores", 1);
    synth_ = new_fluid_synth(settings_);
    if (!synth_ || soundFont.empty()) return;
    const auto previous = fluid_set_log_function(FLUID_ERR, nullptr, nullptr);
    soundFontId_ = fluid_synth_sfload(synth_, soundFont.c_str(), 1);
    fluid_set_log_function(FLUID_ERR, previous, nullptr);
    if (soundFontId_ == FLUID_FAILED) soundFontId_ = -1;
}

SynthHost::~SynthHost() {
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

std::string SynthHost::locateSoundFont(const std::string& preferred) {
    if (!preferred.empty()) return preferred;
    if (const char* env = std::getenv("CANTORINO_SOUNDFONT"); env && *env) return env;
    std::error_code ec;
    for (const char* path : kSoundFonts)
        if (std::filesystem::is_regular_file(path, ec)) return path;
    return {};
}

}  // namespace cantorino
