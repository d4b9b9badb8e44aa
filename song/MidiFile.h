#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace cantorino {

/// One event of a track, with its absolute tick; payloads point into the file's bytes.
struct MidiEvent {
    uint32_t tick = 0;        ///< absolute time in ticks from the start of the track
    uint8_t status = 0;       ///< 0x80..0xEF channel status, 0xF0/0xF7 sysex, 0xFF meta
    uint8_t data1 = 0;        ///< first data byte of a channel event; meta type of a meta event
    uint8_t data2 = 0;        ///< second data byte of a channel event
    uint32_t dataOffset = 0;  ///< sysex/meta payload: offset in MidiFile::bytes
    uint32_t dataLength = 0;  ///< sysex/meta payload: length in bytes (clamped to the track)

    bool isMeta() const { return status == 0xFF; }
    bool isChannel() const { return status >= 0x80 && status < 0xF0; }
    uint8_t channel() const { return status & 0x0F; }
    uint8_t kind() const { return status & 0xF0; }
    uint8_t metaType() const { return data1; }
};

/// The events of one track chunk, in file order.
struct MidiTrack {
    std::vector<MidiEvent> events;
    bool truncated = false;  ///< the chunk ended inside an event or without End of Track
};

/// A Standard MIDI File held in memory and parsed into tracks of events.
///
/// Damaged files are read as far as they make sense: a track whose length points past
/// the end of the file is cut at the end, a missing or cut End of Track is accepted and
/// bytes after the declared tracks are ignored. Nothing is ever read outside `bytes`.
class MidiFile {
public:
    /// Parses `data` (copied); returns a file with no tracks and `valid() == false` if it is not a MIDI file.
    static MidiFile parse(std::span<const uint8_t> data);
    /// Parses `data` in place, taking ownership.
    static MidiFile parse(std::vector<uint8_t>&& data);

    /// True when the data began with an MThd header.
    bool valid() const { return valid_; }
    /// Format 0, 1 or 2 as stored.
    uint16_t format() const { return format_; }
    /// Number of track chunks the header declares.
    uint16_t declaredTracks() const { return declaredTracks_; }
    /// Division as stored (ticks per quarter note unless the top bit is set).
    uint16_t division() const { return division_; }
    /// The parsed track chunks, in file order.
    const std::vector<MidiTrack>& tracks() const { return tracks_; }
    /// The file's bytes.
    const std::vector<uint8_t>& bytes() const { return bytes_; }
    /// Payload of a sysex or meta event.
    std::span<const uint8_t> payload(const MidiEvent& e) const;
    /// Payload of a meta event as text bytes, cut at the first NUL.
    std::string_view text(const MidiEvent& e) const;

private:
    void parseChunks();
    void parseTrack(uint32_t begin, uint32_t end);

    std::vector<uint8_t> bytes_;
    std::vector<MidiTrack> tracks_;
    bool valid_ = false;
    uint16_t format_ = 0;
    uint16_t declaredTracks_ = 0;
    uint16_t division_ = 0;
};

/// An event together with the track it came from, for walking all tracks in time order.
struct TrackEvent {
    const MidiEvent* event;
    uint32_t track;
};

/// All events of all tracks merged by tick; ties keep file order (track, then position).
std::vector<TrackEvent> mergeTracks(const MidiFile& file);

}  // namespace cantorino
