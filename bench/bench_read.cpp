// How fast songs are read into the song model, for files of 100 KB and 5 MB.
#include <benchmark/benchmark.h>

#include "MidiFile.h"
#include "SmfWriter.h"
#include "SongReader.h"

namespace {

/// A karaoke-like song of about `bytes` bytes: a Words track and busy accompaniment.
std::vector<uint8_t> makeSong(size_t bytes) {
    cantorino::test::SmfWriter w(480);
    w.track().tempo(500000).timeSignature(4, 2);
    auto& words = w.track().name("Words");
    auto& notes = w.track().runningStatus();
    uint32_t tick = 0;
    while (w.bytes().size() < bytes) {
        for (int i = 0; i < 100; ++i, tick += 120) {
            words.at(tick).text(i % 8 == 0 ? "/la" : "la");
            for (int ch = 0; ch < 4; ++ch) notes.at(tick).noteOn(ch, 60 + ch, 90);
            notes.at(tick + 100);
            for (int ch = 0; ch < 4; ++ch) notes.noteOn(ch, 60 + ch, 0);
            notes.control(0, 7, 100);
        }
    }
    return w.bytes();
}

void readSong(benchmark::State& state) {
    const auto bytes = makeSong(size_t(state.range(0)));
    for (auto _ : state) {
        cantorino::SongModel model;
        cantorino::SongReader(model).ReadFile(cantorino::MidiFile::parse(std::span<const uint8_t>(bytes)));
        benchmark::DoNotOptimize(model.Syllables.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
    state.counters["file_bytes"] = double(bytes.size());
}

}  // namespace

BENCHMARK(readSong)->Arg(100 * 1000)->Arg(5 * 1000 * 1000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
