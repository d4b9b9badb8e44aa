// make-demo-song: writes the bundled demo song, "Fra Martino" as a classic karaoke file.

#include "Arrangement.h"
#include "SmfWriter.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <string_view>

namespace cantorino::demosong {
namespace {

using test::SmfWriter;

/// How a part sounds on a General MIDI synthesiser. Channels are 0-based (9 is the drum channel).
struct Part {
    std::string_view name;
    int channel;
    int program;
    int volume;  ///< controller 7
    int pan;     ///< controller 10, 64 = centre
    int reverb;  ///< controller 91
};

constexpr Part kMelodyPart{"Melodia", 0, 73, 110, 64, 40};   // Flute
constexpr Part kBassPart{"Basso", 1, 32, 100, 58, 20};       // Acoustic Bass
constexpr Part kChordsPart{"Accordi", 2, 49, 84, 44, 50};    // String Ensemble 2
constexpr Part kDrumsPart{"Batteria", 9, 0, 104, 72, 30};     // Standard kit

/// Tempo, metre and the karaoke file mark.
void writeConductor(SmfWriter& song) {
    song.track()
        .text("@KMIDI KARAOKE FILE")
        .name("Fra Martino")
        .tempo(kMicrosPerQuarter)
        .timeSignature(4, 2)
        .at(kSongEnd)
        .endOfTrack();
}

/// The "Words" track: language, the three title lines, then one text event per sung note.
void writeWords(SmfWriter& song) {
    auto& track = song.track();
    track.name("Words").text("@LIT").text("@TFra Martino").text("@TTradizionale").text("@TCantorino demo");
    const auto syllables = words();
    for (const Syllable& s : syllables) track.at(s.tick).text(s.text);
    // Ends one bar after the last syllable: a delta time of 2048 ticks or more would put a byte
    // in 0x90..0x9F into the track, which players that scan raw bytes take for a note-on status.
    track.at(syllables.back().tick + kBar).endOfTrack();
}

/// One instrument track: name, program, mix controllers, then its notes with every note-off.
void writePart(SmfWriter& song, const Part& part, const std::vector<Note>& notes) {
    struct Edge {
        uint32_t tick;
        bool on;
        int key;
        int velocity;
    };
    std::vector<Edge> edges;
    for (const Note& n : notes) {
        edges.push_back({n.tick, true, n.key, n.velocity});
        edges.push_back({n.tick + n.length, false, n.key, 0});
    }
    // A note that ends where the next one starts is released first, so a repeated key sounds again.
    std::stable_sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) {
        return a.tick < b.tick || (a.tick == b.tick && !a.on && b.on);
    });

    auto& track = song.track();
    const int ch = part.channel;
    track.name(part.name).program(ch, part.program).control(ch, 7, part.volume).control(ch, 10, part.pan);
    track.control(ch, 91, part.reverb);
    for (const Edge& e : edges) {
        track.at(e.tick);
        if (e.on)
            track.noteOn(ch, e.key, e.velocity);
        else
            track.noteOff(ch, e.key);
    }
    track.endOfTrack();
}

SmfWriter buildSong() {
    SmfWriter song(uint16_t(kTicksPerQuarter), 1);
    writeConductor(song);
    writeWords(song);
    writePart(song, kMelodyPart, melody());
    writePart(song, kBassPart, bass());
    writePart(song, kChordsPart, chords());
    writePart(song, kDrumsPart, drums());
    return song;
}

}  // namespace
}  // namespace cantorino::demosong

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-demo-song OUTPUT.kar\n";
        return 2;
    }
    try {
        cantorino::demosong::buildSong().save(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "make-demo-song: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
