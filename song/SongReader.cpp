#include "SongReader.h"

#include <cmath>
#include <fstream>

#include "LyricWords.h"
#include "MidiFile.h"

namespace cantorino {
namespace {

/// The file format's own tempo when a song sets none: 120 beats per minute.
constexpr double kDefaultTempoMicros = 500000;
/// Ticks per quarter note used when a file declares a division of 0.
constexpr double kDefaultDivision = 96;
/// A channel the song does not play.
constexpr ChannelRecord kNoChannel{0, 0, 0, -1, 0, 64, 0};

}  // namespace

bool readWholeFile(const std::string& path, std::vector<uint8_t>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return false;
    in.seekg(0);
    std::vector<uint8_t> data(static_cast<size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(data.data()), size)) return false;
    out = std::move(data);
    return true;
}

ReadStatus SongReader::ReadFile() {
    std::vector<uint8_t> data;
    if (!readWholeFile(model_.SongPath, data)) return ReadStatus::CannotOpen;
    const MidiFile file = MidiFile::parse(std::move(data));
    if (!file.valid()) return ReadStatus::NotMidi;
    ReadFile(file);
    return ReadStatus::Ok;
}

void SongReader::ReadFile(const MidiFile& file) {
    model_.SongData = file.bytes();
    model_.Encoding = detectSongEncoding(file);
    readTiming(file);
    model_.LyricTrack = LyricWords::ChooseLyricTrack(file);
    LyricWords::GetWords(file, model_.LyricTrack, model_);
    readChannels(file);
}

void SongReader::ZeroVariables() {
    model_.SyllableIndex = 0;
    model_.LyricLines.assign(1, std::string());
    model_.Syllables.assign(1, SyllableRecord());
    model_.Channels.fill(kNoChannel);
}

void SongReader::readTiming(const MidiFile& file) {
    double micros = kDefaultTempoMicros;
    bool found = false;
    for (const auto& track : file.tracks()) {
        for (const auto& e : track.events) {
            if (!e.isMeta() || e.metaType() != 0x51 || e.dataLength < 3) continue;
            const auto p = file.payload(e);
            const uint32_t value = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
            if (value > 0) micros = value;  // a zero tempo is unusable: keep the default
            found = true;
            break;
        }
        if (found) break;
    }
    const double division = file.division() ? file.division() : kDefaultDivision;
    model_.TempoMicros = micros;
    model_.TicksPerSixteenth = division / 4;
    model_.TempoBpm = float(std::round(60000000.0 / micros * 100) / 100);
    model_.TickMs = micros / model_.TicksPerSixteenth / 4000;
}

void SongReader::readChannels(const MidiFile& file) {
    struct Scan {
        bool used = false, program = false, volume = false;
        int balanceSeen = 0;
    };
    std::array<Scan, kChannelCount> scan{};
    auto& channels = model_.Channels;
    channels.fill(kNoChannel);
    for (const auto& track : file.tracks()) {
        for (const auto& e : track.events) {
            if (!e.isChannel()) continue;
            Scan& s = scan[e.channel()];
            ChannelRecord& c = channels[e.channel()];
            switch (e.kind()) {
            case 0x90:
                s.used |= e.data2 > 0;
                break;
            case 0xC0:
                if (!s.program && e.data1 > 0) { c.Program = e.data1; s.program = true; }
                break;
            case 0xB0:
                if (e.data1 == 7 && !s.volume && e.data2 >= 1 && e.data2 <= 126) {
                    c.ChannelVolume = e.data2;
                    s.volume = true;
                } else if (e.data1 == 10 && (s.balanceSeen == 0 || (s.balanceSeen == 1 && c.ChannelBalance == 0))) {
                    // A first pan of 0 is taken for a placeholder: the second pan event decides.
                    c.ChannelBalance = e.data2;
                    ++s.balanceSeen;
                }
                break;
            default:
                break;
            }
        }
    }
    for (int ch = 0; ch < kChannelCount; ++ch) {
        ChannelRecord& c = channels[ch];
        if (!scan[ch].used) {
            c = kNoChannel;
            continue;
        }
        c.ChannelNumber = int16_t(ch + 1);
        c.OctaveIndex = 2;  // the "0" octave: no shift
        if (!scan[ch].volume) c.ChannelVolume = 100;
        if (scan[ch].balanceSeen == 0) c.ChannelBalance = 64;
    }
}

}  // namespace cantorino
