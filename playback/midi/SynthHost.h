#pragma once

#include <string>
#include <fluidsynth/types.h>

namespace cantorino {

/// The FluidSynth settings and synthesiser with one SoundFont loaded, for the whole run.
/// Set-up happens in the constructor, which may take a second for a large SoundFont.
class SynthHost {
public:
    /// Creates the synthesiser at `sampleRate` and loads `soundFont` (empty: none).
    SynthHost(double sampleRate, const std::string& soundFont);
    ~SynthHost();
    SynthHost(const SynthHost&) = delete;
    SynthHost& operator=(const SynthHost&) = delete;

    /// The settings the synthesiser was made with; audio drivers read them too.
    fluid_settings_t* settings() { return settings_; }
    /// The synthesiser, or null when it could not be created.
    fluid_synth_t* synth() { return synth_; }
    /// True when the SoundFont loaded.
    bool hasSoundFont() const { return soundFontId_ >= 0; }
    /// The synthesiser gain that stands for a master volume of 0 dB.
    static constexpr float kBaseGain = 0.4f;

    /// The SoundFont to use: `preferred` if set, else $CANTORINO_SOUNDFONT, else the first
    /// of Debian's GM SoundFonts that exists; empty when there is none.
    static std::string locateSoundFont(const std::string& preferred = {});

private:
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int soundFontId_ = -1;
};

}  // namespace cantorino
