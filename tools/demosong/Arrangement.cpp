#include "Arrangement.h"

#include "FraMartino.h"

#include <algorithm>

namespace cantorino::demosong {
namespace {

/// Silence left at the end of each melody note, in ticks, so repeated keys are heard apart.
constexpr uint32_t kBreath = 40;
/// Silence left at the end of each bass note, in ticks.
constexpr uint32_t kDetach = 30;
/// The flute plays the tune an octave above where it is sung.
constexpr int kFluteOctave = 12;

// General MIDI percussion keys.
constexpr int kKick = 36;
constexpr int kSideStick = 37;
constexpr int kSnare = 38;
constexpr int kClosedHat = 42;
constexpr int kLowTom = 45;
constexpr int kHighMidTom = 48;
constexpr int kCrash = 49;

/// How the accompaniment plays a chord: softly in the first verse, fuller after, held at the end.
enum class Feel { Light, Full, Held };

/// A chord placed in the song, with its voicing already in the key of its verse.
struct PlacedChord {
    uint32_t tick;
    uint32_t length;
    Voicing keys;
    Feel feel;
};

/// Semitones above F major for verse `v`: the last verse goes up a whole tone, to G.
int transposition(int v) { return v == kVerses - 1 ? 2 : 0; }

/// The first verse is accompanied softly, the others fully.
Feel feelOf(int v) { return v == 0 ? Feel::Light : Feel::Full; }

Voicing transposed(Voicing k, int semitones) {
    k.root += semitones;
    k.fifth += semitones;
    for (int& key : k.upper) key += semitones;
    return k;
}

/// Every chord of the song: the count-in bar, the verses, the final chord.
std::vector<PlacedChord> harmony() {
    std::vector<PlacedChord> out;
    out.push_back({0, kBar, voicing(Chord::Tonic), Feel::Light});
    for (int v = 0; v < kVerses; ++v)
        for (const HarmonySpan& span : kHarmony)
            out.push_back({verseStart(v) + uint32_t(span.startEighth) * kEighth, uint32_t(span.eighths) * kEighth,
                           transposed(voicing(span.chord), transposition(v)), feelOf(v)});
    out.push_back({kEndingStart, kBar, transposed(voicing(Chord::Tonic), transposition(kVerses - 1)), Feel::Held});
    return out;
}

/// Calls `f(verse, tick, note)` for every note of the tune, verse after verse.
template <class F>
void forEachTuneNote(F f) {
    for (int v = 0; v < kVerses; ++v) {
        uint32_t tick = verseStart(v);
        for (const TuneNote& note : kTune) {
            f(v, tick, note);
            tick += uint32_t(note.eighths) * kEighth;
        }
    }
}

void hit(std::vector<Note>& out, uint32_t tick, int key, int velocity, uint32_t length = kEighth) {
    out.push_back({tick, length, key, velocity});
}

/// Beats 1 to `beats` of the verse beat in the bar starting at `bar`.
void groove(std::vector<Note>& out, uint32_t bar, int beats, Feel feel) {
    const bool light = feel == Feel::Light;
    for (int b = 0; b < beats; ++b) {
        const uint32_t t = bar + uint32_t(b) * kTicksPerQuarter;
        if (b % 2 == 0)
            hit(out, t, kKick, light ? 64 : 78);
        else
            hit(out, t, light ? kSideStick : kSnare, light ? 60 : 72);
        hit(out, t, kClosedHat, light ? 46 : 54);
        if (!light) hit(out, t + kEighth, kClosedHat, 38);
    }
}

/// Beats 3 and 4 of the bar starting at `bar`: two snare eighths, then down the toms.
void fill(std::vector<Note>& out, uint32_t bar) {
    const uint32_t t = bar + 2 * kTicksPerQuarter;
    hit(out, t, kSnare, 62);
    hit(out, t + kEighth, kSnare, 68);
    hit(out, t + 2 * kEighth, kHighMidTom, 74);
    hit(out, t + 3 * kEighth, kLowTom, 80);
}

}  // namespace

std::vector<Note> melody() {
    std::vector<Note> out;
    forEachTuneNote([&](int v, uint32_t tick, const TuneNote& note) {
        const bool downbeat = (tick - verseStart(v)) % kBar == 0;
        const int velocity = 92 + (downbeat ? 8 : 0) + (v == kVerses - 1 ? 6 : 0);
        out.push_back({tick, uint32_t(note.eighths) * kEighth - kBreath, note.key + kFluteOctave + transposition(v),
                       velocity});
    });
    // The last "dan" rings on into the final chord, for half a bar: a longer note would need a
    // delta time of 2048 ticks or more, whose first byte (0x90..0x9F) players scanning raw bytes
    // take for a note-on status.
    out.back().length = kEndingStart + kBar / 2 - out.back().tick;
    return out;
}

std::vector<Syllable> words() {
    std::vector<Syllable> out;
    forEachTuneNote([&](int, uint32_t tick, const TuneNote& note) { out.push_back({tick, note.syllable}); });
    return out;
}

std::vector<Note> bass() {
    std::vector<Note> out;
    for (const PlacedChord& c : harmony()) {
        if (c.feel == Feel::Held) {
            out.push_back({c.tick, c.length, c.keys.root, 90});
            continue;
        }
        const int line[] = {c.keys.root, c.keys.fifth, c.keys.root + 12, c.keys.fifth};
        const uint32_t step = c.feel == Feel::Light ? 2 * kTicksPerQuarter : kTicksPerQuarter;
        int i = 0;
        for (uint32_t t = 0; t < c.length; t += step, ++i) {
            const uint32_t length = std::min(step, c.length - t) - kDetach;
            out.push_back({c.tick + t, length, line[i % 4], t == 0 ? 88 : 80});
        }
    }
    return out;
}

std::vector<Note> chords() {
    std::vector<Note> out;
    for (const PlacedChord& c : harmony()) {
        const int velocity = c.feel == Feel::Light ? 60 : c.feel == Feel::Full ? 68 : 74;
        for (int key : c.keys.upper) out.push_back({c.tick, c.length, key, velocity});
    }
    return out;
}

std::vector<Note> drums() {
    std::vector<Note> out;
    // Count-in: two clicks, then the fill that brings in the first verse.
    hit(out, 0, kSideStick, 60);
    hit(out, kTicksPerQuarter, kSideStick, 60);
    fill(out, 0);
    for (int v = 0; v < kVerses; ++v) {
        for (int b = 0; b < kVerseBars; ++b) {
            const uint32_t bar = verseStart(v) + uint32_t(b) * kBar;
            if (b == 0 && v > 0) hit(out, bar, kCrash, 80, kBar);
            const bool lastBar = b == kVerseBars - 1;
            groove(out, bar, lastBar ? 2 : 4, feelOf(v));
            if (lastBar) fill(out, bar);
        }
    }
    hit(out, kEndingStart, kCrash, 88, kBar);
    hit(out, kEndingStart, kKick, 84);
    return out;
}

}  // namespace cantorino::demosong
