// Renders songs offline through our MIDI service and through FluidSynth's own MIDI file
// player in fast-render mode (sample timing), on the same SoundFont with the same synthesiser
// settings, and prints the CPU-time ratio ours / theirs for each song and over all of them.
// Extra songs: CANTORINO_BENCH_SONGS=a.kar:b.mid.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fluidsynth.h>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>

#include "FluidSynthService.h"
#include "Segment.h"
#include "SmfWriter.h"
#include "SynthHost.h"

namespace {

using namespace cantorino;

constexpr int kBlock = 4096;

struct Song {
    std::string name;
    std::string path;
    std::vector<uint8_t> bytes;
    uint64_t frames = 0;  ///< both render exactly this much: the song to its last event, in whole blocks
};

/// A busy minute at 120 bpm: eight melodic channels in sixteenths and chords, drums,
/// expression and pitch-bend sweeps.
std::vector<uint8_t> busySong() {
    test::SmfWriter song(480);
    song.track().tempo(500000).timeSignature(4, 2);
    for (int ch = 0; ch < 8; ++ch) {
        auto& t = song.track();
        t.program(ch, ch * 11 % 96).control(ch, 7, 90).control(ch, 10, 16 * ch);
        for (uint32_t step = 0; step < 120 * 4; ++step) {
            const int key = 48 + (ch * 5 + int(step) * 7) % 36;
            t.at(step * 120).noteOn(ch, key, 70 + ch * 4);
            if (step % 4 == 0) t.noteOn(ch, key + 4, 60).noteOn(ch, key + 7, 60);
            if (step % 8 == 0) t.control(ch, 11, 64 + int(step) % 64).pitchBend(ch, 8192 + int(step % 16) * 200);
            t.at(step * 120 + 110).noteOff(ch, key);
            if (step % 4 == 0) t.noteOff(ch, key + 4).noteOff(ch, key + 7);
        }
    }
    auto& drums = song.track();
    for (uint32_t step = 0; step < 120 * 4; ++step) {
        drums.at(step * 120).noteOn(9, step % 4 == 0 ? 36 : 42, 100).noteOn(9, step % 8 == 4 ? 38 : 44, 80);
        drums.at(step * 120 + 60).noteOff(9, step % 4 == 0 ? 36 : 42).noteOff(9, step % 8 == 4 ? 38 : 44);
    }
    return song.bytes();
}

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<Song> songs(const std::filesystem::path& folder) {
    std::vector<Song> list;
    Song busy{"busy", (folder / "busy.mid").string(), busySong()};
    std::ofstream(busy.path, std::ios::binary)
        .write(reinterpret_cast<const char*>(busy.bytes.data()), std::streamsize(busy.bytes.size()));
    list.push_back(busy);
    const std::string demo = std::string(CANTORINO_SOURCE_DIR) + "/resources/demo/fra_martino.kar";
    if (std::filesystem::exists(demo)) list.push_back({"demo", demo, readFile(demo)});
    if (const char* extra = std::getenv("CANTORINO_BENCH_SONGS")) {
        std::stringstream paths(extra);
        for (std::string path; std::getline(paths, path, ':');)
            if (!path.empty()) list.push_back({std::filesystem::path(path).filename().string(), path, readFile(path)});
    }
    for (Song& song : list) {
        const auto segment = Segment::fromBytes(song.bytes);
        const double seconds = segment ? segment->tempoMap().secondsAt(segment->length()) : 0;
        song.frames = (uint64_t(seconds * 44100) / kBlock + 1) * kBlock;
    }
    return list;
}

/// Our service: a fresh performance per run, the whole song rendered in blocks.
void renderOurs(benchmark::State& state, FluidSynthService& service, const Song& song) {
    const auto loader = service.CreateLoader();
    auto segment = service.LoadSegmentFile(loader, song.path);
    std::vector<float> left(kBlock), right(kBlock);
    uint64_t frames = 0;
    for (auto _ : state) {
        auto performance = service.CreatePerformance();
        service.InitPerformance(performance);
        auto playing = service.StartSegment(performance, segment, 0, 0);
        for (frames = 0; frames < song.frames; frames += kBlock) service.renderFrames(left.data(), right.data(), kBlock);
        benchmark::DoNotOptimize(left.data());
        service.Release(playing);
        service.Release(performance);
    }
    service.Release(segment);
    state.counters["audio_s"] = double(frames) / service.sampleRate();
}

/// FluidSynth's player timed by the samples it renders, the loop of its fast-render mode; it is
/// stopped where ours stops (it would go on while the last notes fade).
void renderTheirs(benchmark::State& state, SynthHost& host, const Song& song) {
    std::vector<float> left(kBlock), right(kBlock);
    uint64_t frames = 0;
    for (auto _ : state) {
        fluid_player_t* player = new_fluid_player(host.synth());
        fluid_player_add_mem(player, song.bytes.data(), song.bytes.size());
        fluid_player_play(player);
        for (frames = 0; frames < song.frames; frames += kBlock)
            fluid_synth_write_float(host.synth(), kBlock, left.data(), 0, 1, right.data(), 0, 1);
        benchmark::DoNotOptimize(left.data());
        delete_fluid_player(player);
        fluid_synth_system_reset(host.synth());
    }
    state.counters["audio_s"] = double(frames) / 44100.0;
}

/// Prints as usual and keeps each benchmark's CPU time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) cpu[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    std::map<std::string, double> cpu;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::string soundFont = SynthHost::locateSoundFont();
    if (soundFont.empty()) {
        std::cerr << "bench_render: no SoundFont found\n";
        return 1;
    }
    const auto folder = std::filesystem::temp_directory_path() / "cantorino-bench-render";
    std::filesystem::create_directories(folder);
    const auto list = songs(folder);

    FluidSynthOptions options;
    options.offline = true;
    options.soundFont = soundFont;
    FluidSynthService ours(options);
    SynthHost theirs(44100, soundFont);
    fluid_settings_setstr(theirs.settings(), "player.timing-source", "sample");

    for (const Song& song : list) {
        benchmark::RegisterBenchmark(("ours/" + song.name).c_str(), renderOurs, std::ref(ours), std::cref(song))
            ->Unit(benchmark::kMillisecond)->MinTime(3.0);
        benchmark::RegisterBenchmark(("fluid_player/" + song.name).c_str(), renderTheirs, std::ref(theirs),
                                     std::cref(song))
            ->Unit(benchmark::kMillisecond)->MinTime(3.0);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    double oursTotal = 0, theirsTotal = 0;
    std::cout << "\nCPU time ours / fluid_player (goal <= 1.05), SoundFont " << soundFont << ":\n";
    for (const Song& song : list) {
        const double a = reporter.cpu["ours/" + song.name], b = reporter.cpu["fluid_player/" + song.name];
        if (a <= 0 || b <= 0) continue;
        oursTotal += a;
        theirsTotal += b;
        std::cout << "  " << song.name << ": " << a / b << "\n";
    }
    if (theirsTotal > 0) std::cout << "  all songs: " << oursTotal / theirsTotal << "\n";
    std::filesystem::remove_all(folder);
    return 0;
}
