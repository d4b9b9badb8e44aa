#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace cantorino {
namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

int16_t toPcm(float v) { return int16_t(std::lround(std::clamp(v * 32767.0f, -32768.0f, 32767.0f))); }

}  // namespace

WavWriter::WavWriter(const std::filesystem::path& target, uint32_t frames, uint32_t sampleRate) : target_(target) {
    std::string pattern = target.string() + ".XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return;
    temporary_ = pattern;
    // mkstemp makes the file private; a finished render gets the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    file_ = fdopen(fd, "wb");
    if (!file_) {
        close(fd);
        fail();
        return;
    }
    const uint32_t dataBytes = frames * 4;
    std::vector<uint8_t> h = {'R', 'I', 'F', 'F'};
    put32(h, 36 + dataBytes);
    h.insert(h.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(h, 16);
    put16(h, 1);  // PCM
    put16(h, 2);  // stereo
    put32(h, sampleRate);
    put32(h, sampleRate * 4);
    put16(h, 4);
    put16(h, 16);
    h.insert(h.end(), {'d', 'a', 't', 'a'});
    put32(h, dataBytes);
    if (std::fwrite(h.data(), 1, h.size(), file_) != h.size()) fail();
}

WavWriter::~WavWriter() {
    if (!committed_) fail();
}

void WavWriter::fail() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!temporary_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temporary_, ec);
        temporary_.clear();
    }
}

bool WavWriter::write(const float* left, const float* right, size_t frames) {
    if (!file_) return false;
    std::vector<uint8_t> bytes;
    bytes.reserve(frames * 4);
    for (size_t i = 0; i < frames; ++i) {
        put16(bytes, uint16_t(toPcm(left[i])));
        put16(bytes, uint16_t(toPcm(right[i])));
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) fail();
    return ok();
}

bool WavWriter::commit() {
    if (!file_) return false;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    std::error_code ec;
    if (closed) std::filesystem::rename(temporary_, target_, ec);
    if (!closed || ec) {
        fail();
        return false;
    }
    temporary_.clear();
    committed_ = true;
    return true;
}

}  // namespace cantorino
