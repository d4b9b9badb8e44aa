#include "OfflineService.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <fluidsynth.h>
#include <stdexcept>

namespace cantorino::test {
namespace {

FluidSynthOptions testOptions() {
    FluidSynthOptions options;
    options.offline = true;
    options.soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    return options;
}

}  // namespace

OfflineService::OfflineService() : service(testOptions()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "cantorino-midi-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    folder_ = pattern;
    loader = service.CreateLoader();
    performance = service.CreatePerformance();
    service.InitPerformance(performance);
}

OfflineService::~OfflineService() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

std::string OfflineService::save(const std::vector<uint8_t>& bytes, const std::string& name) {
    const auto path = folder_ / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
    return path.string();
}

SegmentHandle OfflineService::load(const SmfWriter& song) {
    const auto path = folder_ / "song.mid";
    song.save(path.string());
    return service.LoadSegmentFile(loader, path.string());
}

Level OfflineService::render(double seconds) { return renderFrames(frames(seconds)); }

Level OfflineService::renderFrames(int n) {
    const auto count = size_t(std::max(n, 0));
    std::vector<float> left(count), right(count);
    service.renderFrames(left.data(), right.data(), n);
    Level level;
    double sum = 0;
    for (size_t i = 0; i < count; ++i) {
        level.peak = std::max({level.peak, std::fabs(left[i]), std::fabs(right[i])});
        sum += double(left[i]) * left[i] + double(right[i]) * right[i];
    }
    level.rms = count > 0 ? std::sqrt(sum / (2.0 * double(count))) : 0;
    return level;
}

int OfflineService::activeVoices() { return fluid_synth_get_active_voice_count(service.offlineSynth()); }

int OfflineService::frames(double seconds) const { return int(std::lround(seconds * service.sampleRate())); }

}  // namespace cantorino::test
