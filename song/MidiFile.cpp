#include "MidiFile.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace cantorino {
namespace {

uint32_t be32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
uint16_t be16(const uint8_t* p) { return uint16_t(p[0] << 8 | p[1]); }

bool hasTag(const std::vector<uint8_t>& b, size_t at, const char* tag) {
    return at + 4 <= b.size() && std::memcmp(b.data() + at, tag, 4) == 0;
}

/// Reads a variable-length quantity of at most four bytes; nullopt when it runs past `end`.
std::optional<uint32_t> readVarLen(const std::vector<uint8_t>& b, uint32_t& pos, uint32_t end) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= end) return std::nullopt;
        const uint8_t byte = b[pos++];
        value = value << 7 | (byte & 0x7F);
        if (!(byte & 0x80)) return value;
    }
    return value;  // a fifth continuation byte is malformed; keep what four bytes gave
}

/// Number of data bytes that follow a channel status byte.
int channelDataBytes(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

/// Offset of the MThd header: 0, or inside the "data" chunk of a RIFF RMID file.
std::optional<size_t> headerOffset(const std::vector<uint8_t>& b) {
    if (hasTag(b, 0, "MThd")) return 0;
    if (!hasTag(b, 0, "RIFF") || !hasTag(b, 8, "RMID")) return std::nullopt;
    for (size_t at = 12; at + 8 <= b.size();) {
        const uint32_t len = uint32_t(b[at + 4]) | uint32_t(b[at + 5]) << 8 |
                             uint32_t(b[at + 6]) << 16 | uint32_t(b[at + 7]) << 24;
        if (hasTag(b, at, "data")) return hasTag(b, at + 8, "MThd") ? std::optional(at + 8) : std::nullopt;
        at += 8 + size_t(len) + (len & 1);
    }
    return std::nullopt;
}

}  // namespace

MidiFile MidiFile::parse(std::span<const uint8_t> data) {
    return parse(std::vector<uint8_t>(data.begin(), data.end()));
}

MidiFile MidiFile::parse(std::vector<uint8_t>&& data) {
    MidiFile file;
    file.bytes_ = std::move(data);
    // Offsets are stored in 32 bits; a larger file is not a song.
    if (file.bytes_.size() < 0xFFFFFFF0u) file.parseChunks();
    return file;
}

std::span<const uint8_t> MidiFile::payload(const MidiEvent& e) const {
    return {bytes_.data() + e.dataOffset, e.dataLength};
}

std::string_view MidiFile::text(const MidiEvent& e) const {
    std::string_view s(reinterpret_cast<const char*>(bytes_.data()) + e.dataOffset, e.dataLength);
    return s.substr(0, s.find('\0'));
}

void MidiFile::parseChunks() {
    const auto start = headerOffset(bytes_);
    if (!start || *start + 14 > bytes_.size()) return;
    const uint8_t* h = bytes_.data() + *start;
    const uint32_t headerLength = be32(h + 4);
    if (headerLength < 6) return;
    valid_ = true;
    format_ = be16(h + 8);
    declaredTracks_ = be16(h + 10);
    division_ = be16(h + 12);

    const size_t size = bytes_.size();
    size_t at = *start + 8 + size_t(headerLength);
    while (tracks_.size() < declaredTracks_ && at + 8 <= size) {
        const size_t length = be32(bytes_.data() + at + 4);
        const size_t begin = at + 8;
        const size_t end = std::min(size, begin + length);
        if (hasTag(bytes_, at, "MTrk")) parseTrack(uint32_t(begin), uint32_t(end));
        at = begin + length;  // an unknown chunk is skipped whole
    }
}

void MidiFile::parseTrack(uint32_t pos, uint32_t end) {
    MidiTrack& track = tracks_.emplace_back();
    track.events.reserve((end - pos) / 3);
    const auto& b = bytes_;
    uint32_t tick = 0;
    uint8_t running = 0;
    bool ended = false;
    while (pos < end && !ended) {
        const auto delta = readVarLen(b, pos, end);
        if (!delta || pos >= end) break;
        tick += *delta;
        MidiEvent e;
        e.tick = tick;
        uint8_t status = b[pos];
        if (status & 0x80) {
            ++pos;
        } else if (running) {
            status = running;  // running status: this byte is the first data byte
        } else {
            break;  // a data byte with no status to run on: the rest cannot be trusted
        }
        e.status = status;
        if (status < 0xF0) {
            running = status;
            const int n = channelDataBytes(status);
            if (pos + n > end) break;
            e.data1 = b[pos] & 0x7F;
            e.data2 = n == 2 ? b[pos + 1] & 0x7F : 0;
            pos += n;
        } else if (status == 0xFF) {
            if (pos >= end) break;
            e.data1 = b[pos++];
            const auto length = readVarLen(b, pos, end);
            if (!length) break;
            e.dataOffset = pos;
            e.dataLength = std::min(*length, end - pos);
            pos += e.dataLength;
            ended = e.data1 == 0x2F;
        } else if (status == 0xF0 || status == 0xF7) {
            const auto length = readVarLen(b, pos, end);
            if (!length) break;
            e.dataOffset = pos;
            e.dataLength = std::min(*length, end - pos);
            pos += e.dataLength;
        } else {
            // System common/real-time bytes do not belong in a file; skip their data.
            const uint32_t n = status == 0xF2 ? 2 : (status == 0xF1 || status == 0xF3) ? 1 : 0;
            pos = std::min(end, pos + n);
            continue;
        }
        track.events.push_back(e);
    }
    track.truncated = !ended;
}

std::vector<TrackEvent> mergeTracks(const MidiFile& file) {
    std::vector<TrackEvent> all;
    size_t total = 0;
    for (const auto& t : file.tracks()) total += t.events.size();
    all.reserve(total);
    for (uint32_t t = 0; t < file.tracks().size(); ++t)
        for (const auto& e : file.tracks()[t].events) all.push_back({&e, t});
    std::stable_sort(all.begin(), all.end(),
                     [](const TrackEvent& a, const TrackEvent& b) { return a.event->tick < b.event->tick; });
    return all;
}

}  // namespace cantorino
