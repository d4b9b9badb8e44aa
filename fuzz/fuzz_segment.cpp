// Fuzzes reading a MIDI file into a segment, and the tempo and beat maps the sequencer walks.
#include <cstddef>
#include <cstdint>
#include <span>

#include "Segment.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto segment = cantorino::Segment::fromBytes(std::span<const uint8_t>(data, size));
    if (!segment) return 0;
    const auto& events = segment->events();
    for (size_t i = 0; i < events.size(); ++i) {
        if (i > 0 && events[i].time < events[i - 1].time) __builtin_trap();
        if (events[i].time > segment->length()) __builtin_trap();
        if (events[i].isSysex() && uint64_t(events[i].sysexOffset) + events[i].sysexLength > segment->sysexBytes().size())
            __builtin_trap();
    }
    const auto& tempo = segment->tempoMap();
    const double seconds = tempo.secondsAt(segment->length());
    if (seconds < 0 || tempo.timeAt(seconds) < segment->length() - 1.0) __builtin_trap();
    double t = 0;
    for (int i = 0; i < 4096 && t <= segment->length(); ++i) {
        const cantorino::BeatPosition beat = segment->timeSignatures().beatAtOrAfter(t);
        if (beat.time < t || beat.beat < 0 || beat.measure < 0) __builtin_trap();
        t = beat.time + 1.0;
    }
    if (segment->firstEventAt(segment->length() + 1.0) != events.size()) __builtin_trap();
    return 0;
}
