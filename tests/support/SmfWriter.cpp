#include "SmfWriter.h"

#include <fstream>
#include <stdexcept>

namespace cantorino::test {

void appendVarLen(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = value & 0x7F;
    while (value >>= 7) buf[n++] = 0x80 | (value & 0x7F);
    while (n) out.push_back(buf[--n]);
}

SmfWriter::Track& SmfWriter::Track::at(uint32_t tick) {
    if (tick < tick_) throw std::logic_error("SmfWriter: events must be added in time order");
    tick_ = tick;
    return *this;
}

void SmfWriter::Track::delta() {
    appendVarLen(data_, tick_ - written_);
    written_ = tick_;
}

void SmfWriter::Track::channel(uint8_t status, std::initializer_list<uint8_t> bytes) {
    delta();
    if (!running_ || status != lastStatus_) data_.push_back(status);
    lastStatus_ = status;
    data_.insert(data_.end(), bytes);
}

SmfWriter::Track& SmfWriter::Track::noteOn(int ch, int key, int velocity) {
    channel(uint8_t(0x90 | ch), {uint8_t(key), uint8_t(velocity)});
    return *this;
}

SmfWriter::Track& SmfWriter::Track::noteOff(int ch, int key) {
    channel(uint8_t(0x80 | ch), {uint8_t(key), 0});
    return *this;
}

SmfWriter::Track& SmfWriter::Track::program(int ch, int p) {
    channel(uint8_t(0xC0 | ch), {uint8_t(p)});
    return *this;
}

SmfWriter::Track& SmfWriter::Track::control(int ch, int controller, int value) {
    channel(uint8_t(0xB0 | ch), {uint8_t(controller), uint8_t(value)});
    return *this;
}

SmfWriter::Track& SmfWriter::Track::pitchBend(int ch, int value) {
    channel(uint8_t(0xE0 | ch), {uint8_t(value & 0x7F), uint8_t(value >> 7 & 0x7F)});
    return *this;
}

SmfWriter::Track& SmfWriter::Track::meta(int type, std::string_view d) {
    delta();
    data_.push_back(0xFF);
    data_.push_back(uint8_t(type));
    appendVarLen(data_, uint32_t(d.size()));
    data_.insert(data_.end(), d.begin(), d.end());
    return *this;
}

SmfWriter::Track& SmfWriter::Track::tempo(uint32_t micros) {
    const char d[3] = {char(micros >> 16), char(micros >> 8), char(micros)};
    return meta(0x51, std::string_view(d, 3));
}

SmfWriter::Track& SmfWriter::Track::timeSignature(int numerator, int denominatorPower) {
    const char d[4] = {char(numerator), char(denominatorPower), 24, 8};
    return meta(0x58, std::string_view(d, 4));
}

SmfWriter::Track& SmfWriter::Track::sysex(std::string_view d) {
    delta();
    data_.push_back(0xF0);
    appendVarLen(data_, uint32_t(d.size()));
    data_.insert(data_.end(), d.begin(), d.end());
    return *this;
}

SmfWriter::Track& SmfWriter::Track::raw(std::vector<uint8_t> bytes) {
    delta();
    data_.insert(data_.end(), bytes.begin(), bytes.end());
    return *this;
}

SmfWriter::Track& SmfWriter::track() { return tracks_.emplace_back(); }

std::vector<uint8_t> SmfWriter::bytes() const {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    auto be16 = [&](uint16_t v) { out.push_back(uint8_t(v >> 8)); out.push_back(uint8_t(v)); };
    auto be32 = [&](uint32_t v) { be16(uint16_t(v >> 16)); be16(uint16_t(v)); };
    be16(format_);
    be16(uint16_t(tracks_.size()));
    be16(division_);
    for (const auto& t : tracks_) {
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        be32(uint32_t(t.data().size()));
        out.insert(out.end(), t.data().begin(), t.data().end());
    }
    return out;
}

void SmfWriter::save(const std::string& path) const {
    const auto b = bytes();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    if (!out) throw std::runtime_error("SmfWriter: cannot write " + path);
}

}  // namespace cantorino::test
