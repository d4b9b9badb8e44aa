#include "LyricWords.h"

#include "TextEncoding.h"

namespace cantorino {
namespace {

/// A track with this many text events holds the lyrics even without the "Words" name.
constexpr int kLyricTextEvents = 50;

bool isLineMark(char c) { return c == '/' || c == '\\'; }

std::string_view trimSpaces(std::string_view s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

/// The meta events that carry the lyric data, in time order.
std::vector<const MidiEvent*> lyricEvents(const MidiFile& file, std::optional<int> track) {
    std::vector<const MidiEvent*> events;
    if (track) {
        for (const auto& e : file.tracks()[size_t(*track)].events)
            if (e.isMeta()) events.push_back(&e);
    } else {
        for (const TrackEvent& te : mergeTracks(file))
            if (te.event->isMeta()) events.push_back(te.event);
    }
    return events;
}

}  // namespace

std::optional<int> LyricWords::ChooseLyricTrack(const MidiFile& file) {
    const auto& tracks = file.tracks();
    for (size_t t = 0; t < tracks.size(); ++t) {
        int textEvents = 0;
        for (const auto& e : tracks[t].events) {
            if (!e.isMeta()) continue;
            if (e.metaType() == 0x03 && file.text(e) == "Words") return int(t);
            if (e.metaType() == 0x01 && ++textEvents >= kLyricTextEvents) return int(t);
        }
    }
    return std::nullopt;
}

void LyricWords::GetWords(const MidiFile& file, std::optional<int> lyricTrack, SongModel& model) {
    const auto events = lyricEvents(file, lyricTrack);
    if (events.empty()) return;
    const double tickMs = model.TickMs;
    auto& records = model.Syllables;
    auto& lines = model.LyricLines;
    records.reserve(records.size() + events.size());
    // Record 0 stands for the moment of the first event, so that every record's start is the
    // Time of the record before it.
    records[0].Time = events.front()->tick * tickMs;
    int16_t line = int16_t(lines.size() - 1);
    int32_t column = 0;
    for (size_t i = 0; i < events.size(); ++i) {
        const MidiEvent& e = *events[i];
        std::string text;
        if (e.metaType() == 0x01) {
            const std::string_view raw = file.text(e);
            if (raw.empty() || raw.front() != '@') text = decodeText(raw, model.Encoding);
        }
        SyllableRecord r;
        const uint32_t nextTick = i + 1 < events.size() ? events[i + 1]->tick : e.tick;
        r.Duration = (double(nextTick) - double(e.tick)) * tickMs;
        r.Time = nextTick * tickMs;
        if (trimSpaces(text) == "\\" || trimSpaces(text) == "/") {
            text.clear();
            column = 0;
            lines.emplace_back();
            ++line;
        } else if (!text.empty() && isLineMark(text.front())) {
            const size_t start = text.find_first_not_of(' ', 1);
            text = start == std::string::npos ? std::string() : text.substr(start);
            column = 0;
            lines.push_back(text);
            ++line;
        } else {
            lines.back() += text;
        }
        r.Length = int16_t(countCharacters(text));
        r.Column = column;
        r.Line = line;
        r.Text = std::move(text);
        column += r.Length;
        records.push_back(std::move(r));
    }
}

}  // namespace cantorino
