// Reads arbitrary bytes into the song model: timing, lyric records, lines, titles, channels.
#include <cstddef>
#include <cstdint>

#include "MidiFile.h"
#include "SongReader.h"
#include "SongTitles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto file = cantorino::MidiFile::parse(std::span<const uint8_t>(data, size));
    if (!file.valid()) return 0;
    cantorino::SongModel model;
    cantorino::SongReader(model).ReadFile(file);
    cantorino::SongTitles::GetTitles(file);
    for (const auto& r : model.Syllables)
        if (r.Line < 0 || size_t(r.Line) >= model.LyricLines.size()) __builtin_trap();
    return 0;
}
