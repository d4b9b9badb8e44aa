#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace cantorino::test {

/// A private PulseAudio server with one null sink, in a folder of its own, for tests that
/// play through a real audio driver; and a recording of that sink's monitor. The processes
/// end with the object (or with the test process, should it die).
class PulseNullSink {
public:
    /// Starts the server; started() tells whether it came up.
    PulseNullSink();
    /// Stops the recording and the server and removes the folder.
    ~PulseNullSink();
    PulseNullSink(const PulseNullSink&) = delete;
    PulseNullSink& operator=(const PulseNullSink&) = delete;

    /// True when the server is up; otherwise why not.
    bool started() const { return server_ > 0; }
    const std::string& failure() const { return failure_; }
    /// The address clients connect to (for PULSE_SERVER).
    std::string address() const;

    /// Starts recording the sink's monitor: 16-bit stereo at 44.1 kHz.
    bool startRecording();
    /// Stops recording and returns the samples, channels interleaved.
    std::vector<int16_t> stopRecording();

private:
    /// Runs `args` with this server in its environment, writing to files of the folder.
    pid_t spawn(const std::vector<std::string>& args, const std::string& output, const std::string& errors);

    std::filesystem::path folder_;
    pid_t server_ = -1;
    pid_t recorder_ = -1;
    std::string failure_;
};

}  // namespace cantorino::test
