#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "TempoMap.h"
#include "TimeSignatureMap.h"

namespace cantorino {

class MidiFile;

/// One event a segment plays: a channel message, or a system-exclusive message whose bytes
/// (without F0 and the closing F7) are in Segment::sysexBytes().
struct SegmentEvent {
    int32_t time = 0;          ///< music time
    uint8_t status = 0;        ///< 0x80..0xEF channel status (a note-on never has velocity 0), or 0xF0
    uint8_t data1 = 0;         ///< first data byte
    uint8_t data2 = 0;         ///< second data byte
    uint32_t sysexOffset = 0;  ///< sysex: first byte in sysexBytes()
    uint32_t sysexLength = 0;  ///< sysex: number of bytes

    bool isSysex() const { return status == 0xF0; }
    uint8_t kind() const { return status & 0xF0; }
    uint8_t channel() const { return status & 0x0F; }
};

/// A MIDI file ready to play: its events in music time (768 units per quarter note),
/// its tempo map and time signatures. Immutable once loaded, so the audio thread may read
/// it while the user-interface thread holds it.
class Segment {
public:
    /// Reads a Standard MIDI File; nullopt when it cannot be read or is not a MIDI file.
    static std::optional<Segment> load(const std::filesystem::path& path);
    /// Builds a segment from a file's bytes; nullopt when they are not a MIDI file.
    static std::optional<Segment> fromBytes(std::span<const uint8_t> bytes);
    /// Builds a segment from a parsed file; nullopt when it is not a MIDI file.
    static std::optional<Segment> fromMidiFile(const MidiFile& file);

    /// The events in time order; ties keep file order.
    const std::vector<SegmentEvent>& events() const { return events_; }
    /// Payload bytes of the sysex events.
    const std::vector<uint8_t>& sysexBytes() const { return sysex_; }
    /// Tempo changes.
    const TempoMap& tempoMap() const { return tempo_; }
    /// Time signatures.
    const TimeSignatureMap& timeSignatures() const { return signatures_; }
    /// Music time of the last event of the file, meta events included.
    int32_t length() const { return length_; }
    /// Index of the first event at or after `time`.
    size_t firstEventAt(double time) const;

private:
    Segment() = default;

    std::vector<SegmentEvent> events_;
    std::vector<uint8_t> sysex_;
    TempoMap tempo_;
    TimeSignatureMap signatures_;
    int32_t length_ = 0;
};

}  // namespace cantorino
