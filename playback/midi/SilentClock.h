#pragma once

#include <atomic>
#include <thread>
#include <vector>

namespace cantorino {

class Sequencer;

/// Drives the sequencer in real time when there is no audio device: a thread renders the
/// frames that the wall clock says are due and throws the sound away, so that positions,
/// beats and scheduled starts still advance as if it were heard.
class SilentClock {
public:
    /// Starts rendering `sequencer` at `sampleRate` frames a second.
    SilentClock(Sequencer& sequencer, double sampleRate);
    /// Stops the thread.
    ~SilentClock();
    SilentClock(const SilentClock&) = delete;
    SilentClock& operator=(const SilentClock&) = delete;

private:
    void run();

    Sequencer& sequencer_;
    const double sampleRate_;
    std::vector<float> left_, right_;
    std::atomic<bool> running_{true};
    std::thread thread_;
};

}  // namespace cantorino
