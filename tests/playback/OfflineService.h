#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "FluidSynthService.h"
#include "SmfWriter.h"

namespace cantorino::test {

/// Loudness of a stretch of rendered sound, both channels together.
struct Level {
    float peak = 0;   ///< largest absolute sample
    double rms = 0;   ///< root mean square
};

/// An offline FluidSynthService on the small test SoundFont with a loader and an initialised
/// performance, plus helpers to load songs built in code and to render seconds of sound.
class OfflineService {
public:
    OfflineService();
    ~OfflineService();
    OfflineService(const OfflineService&) = delete;
    OfflineService& operator=(const OfflineService&) = delete;

    /// Writes `bytes` to a file of the fixture's own folder and returns its path.
    std::string save(const std::vector<uint8_t>& bytes, const std::string& name = "song.mid");
    /// Saves the song and loads it as a segment.
    SegmentHandle load(const SmfWriter& song);
    /// Renders `seconds` of sound and measures it.
    Level render(double seconds);
    /// Renders exactly `frames` frames and measures them.
    Level renderFrames(int frames);
    /// Voices the synthesiser is playing now.
    int activeVoices();
    /// Frames in `seconds`.
    int frames(double seconds) const;

    FluidSynthService service;
    LoaderHandle loader;
    PerformanceHandle performance;

private:
    std::filesystem::path folder_;
};

}  // namespace cantorino::test
