#include "Segment.h"

#include <algorithm>
#include <fstream>

#include "MidiFile.h"
#include "MidiService.h"

namespace cantorino {
namespace {

/// Larger files are not songs; refusing them keeps a stray path from filling memory.
constexpr std::uintmax_t kMaxFileSize = 64u << 20;

/// Converts file ticks to music time, for either kind of division.
class TickScale {
public:
    explicit TickScale(uint16_t division) {
        if (division & 0x8000) {
            // SMPTE division: ticks per second, read at a fixed 120 bpm (two quarters a second).
            const int framesPerSecond = -int8_t(division >> 8);
            const double fps = framesPerSecond == 29 ? 29.97 : framesPerSecond;
            unitsPerTick_ = 2.0 * kMusicTimePerQuarter / (fps * (division & 0xFF));
        } else {
            unitsPerTick_ = double(kMusicTimePerQuarter) / division;
        }
    }
    bool usable() const { return unitsPerTick_ > 0 && unitsPerTick_ < 1e12; }
    int32_t operator()(uint32_t tick) const {
        return int32_t(std::min(tick * unitsPerTick_ + 0.5, double(INT32_MAX)));
    }

private:
    double unitsPerTick_ = 0;
};

/// MIDI Tuning Standard messages (sub-ID 08) make the synthesiser allocate tuning tables;
/// they are dropped so that playing never allocates.
bool isTuningSysex(std::span<const uint8_t> payload) {
    return payload.size() >= 3 && (payload[0] == 0x7E || payload[0] == 0x7F) && payload[2] == 0x08;
}

}  // namespace

std::optional<Segment> Segment::load(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size == 0 || size > kMaxFileSize) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes(size);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size))) return std::nullopt;
    return fromMidiFile(MidiFile::parse(std::move(bytes)));
}

std::optional<Segment> Segment::fromBytes(std::span<const uint8_t> bytes) {
    return fromMidiFile(MidiFile::parse(bytes));
}

std::optional<Segment> Segment::fromMidiFile(const MidiFile& file) {
    const TickScale scale(file.division());
    if (!file.valid() || !scale.usable()) return std::nullopt;
    const bool fixedTempo = file.division() & 0x8000;

    Segment s;
    const auto merged = mergeTracks(file);
    s.events_.reserve(merged.size());
    for (const auto& [event, track] : merged) {
        const MidiEvent& e = *event;
        const int32_t time = scale(e.tick);
        s.length_ = time;
        if (e.isChannel()) {
            SegmentEvent out{time, e.status, e.data1, e.data2};
            if (e.kind() == 0x90 && e.data2 == 0) out.status = uint8_t(0x80 | e.channel());
            s.events_.push_back(out);
        } else if (e.status == 0xF0) {
            auto payload = file.payload(e);
            if (!payload.empty() && payload.back() == 0xF7) payload = payload.first(payload.size() - 1);
            if (payload.empty() || isTuningSysex(payload)) continue;
            s.events_.push_back({time, 0xF0, 0, 0, uint32_t(s.sysex_.size()), uint32_t(payload.size())});
            s.sysex_.insert(s.sysex_.end(), payload.begin(), payload.end());
        } else if (e.isMeta() && e.metaType() == 0x51 && e.dataLength >= 3 && !fixedTempo) {
            const auto p = file.payload(e);
            s.tempo_.add(time, uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
        } else if (e.isMeta() && e.metaType() == 0x58 && e.dataLength >= 2) {
            const auto p = file.payload(e);
            s.signatures_.add(time, p[0], p[1]);
        }
    }
    return s;
}

size_t Segment::firstEventAt(double time) const {
    return size_t(std::lower_bound(events_.begin(), events_.end(), time,
                                   [](const SegmentEvent& e, double t) { return e.time < t; }) -
                  events_.begin());
}

}  // namespace cantorino
