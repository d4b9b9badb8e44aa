#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace cantorino {

/// Writes a 16-bit stereo PCM WAV file of known length into a temporary file beside the
/// target, which takes the target's name only once it is complete; an unfinished file is
/// removed.
class WavWriter {
public:
    /// Most frames a WAV file can hold (its sizes are 32-bit).
    static constexpr uint64_t kMaxFrames = (0xFFFFFFFFull - 36) / 4;

    /// Opens the temporary file and writes the header for `frames` frames at `sampleRate`.
    WavWriter(const std::filesystem::path& target, uint32_t frames, uint32_t sampleRate);
    /// Removes the temporary file unless commit() succeeded.
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    /// False once anything failed.
    bool ok() const { return file_ != nullptr; }
    /// Appends frames, converting samples in -1 … 1 to 16 bits.
    bool write(const float* left, const float* right, size_t frames);
    /// Closes the file and gives it the target's name.
    bool commit();

private:
    void fail();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

}  // namespace cantorino
