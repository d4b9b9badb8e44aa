#pragma once

#include <array>
#include <string_view>

namespace cantorino::demosong {

/// One sung note: pitch in F major (MIDI key as sung, F4 = 65), length in eighth notes,
/// and the syllable shown when it starts ("\" opens a verse, "/" a line, a trailing space ends a word).
struct TuneNote {
    int key;
    int eighths;
    std::string_view syllable;
};

/// "Fra Martino", one verse of eight 4/4 bars.
inline constexpr TuneNote kTune[] = {
    {65, 2, "\\Fra "}, {67, 2, "Mar"}, {69, 2, "ti"}, {65, 2, "no "},
    {65, 2, "cam"}, {67, 2, "pa"}, {69, 2, "na"}, {65, 2, "ro,"},

    {69, 2, "/dor"}, {70, 2, "mi "}, {72, 4, "tu? "},
    {69, 2, "dor"}, {70, 2, "mi "}, {72, 4, "tu?"},

    {72, 1, "/Suo"}, {74, 1, "na "}, {72, 1, "le "}, {70, 1, "cam"}, {69, 2, "pa"}, {65, 2, "ne,"},
    {72, 1, "/suo"}, {74, 1, "na "}, {72, 1, "le "}, {70, 1, "cam"}, {69, 2, "pa"}, {65, 2, "ne:"},

    {65, 2, "/din "}, {60, 2, "don "}, {65, 4, "dan, "},
    {65, 2, "din "}, {60, 2, "don "}, {65, 4, "dan."},
};

/// The two chords the tune needs.
enum class Chord { Tonic, Dominant };

/// A chord held from `startEighth` (counted from the start of the verse) for `eighths`.
struct HarmonySpan {
    int startEighth;
    int eighths;
    Chord chord;
};

/// The harmony under one verse: tonic, the dominant under "suona le", a cadence at the end.
inline constexpr HarmonySpan kHarmony[] = {
    {0, 8, Chord::Tonic},     {8, 8, Chord::Tonic},   {16, 8, Chord::Tonic},     {24, 8, Chord::Tonic},
    {32, 4, Chord::Dominant}, {36, 4, Chord::Tonic},  {40, 4, Chord::Dominant},  {44, 4, Chord::Tonic},
    {48, 8, Chord::Tonic},    {56, 2, Chord::Tonic},  {58, 2, Chord::Dominant},  {60, 4, Chord::Tonic},
};

/// Keys of a chord in F major: bass root and fifth, and the three upper voices for the pad.
struct Voicing {
    int root;
    int fifth;
    std::array<int, 3> upper;
};

/// F (F2 / A3 C4 F4) and C7 (C2 / G3 Bb3 E4): the upper voices move by step between them.
constexpr Voicing voicing(Chord c) {
    return c == Chord::Tonic ? Voicing{41, 48, {57, 60, 65}} : Voicing{36, 43, {55, 58, 64}};
}

}  // namespace cantorino::demosong
