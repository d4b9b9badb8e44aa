#include "SilentClock.h"

#include <algorithm>
#include <chrono>

#include "Sequencer.h"

namespace cantorino {
namespace {

/// Frames rendered per wake-up at most; also the buffer size.
constexpr size_t kChunk = 256;
/// Wake-up period: about as often as a sound card would ask for 256 frames.
constexpr auto kPeriod = std::chrono::milliseconds(5);

}  // namespace

SilentClock::SilentClock(Sequencer& sequencer, double sampleRate)
    : sequencer_(sequencer), sampleRate_(sampleRate), left_(kChunk), right_(kChunk), thread_([this] { run(); }) {}

SilentClock::~SilentClock() {
    running_ = false;
    thread_.join();
}

void SilentClock::run() {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    uint64_t rendered = 0;
    auto wake = start;
    while (running_.load(std::memory_order_relaxed)) {
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        const auto due = uint64_t(elapsed.count() * sampleRate_);
        // After the machine slept, skip what cannot be heard anyway rather than render minutes in a burst.
        const auto catchUp = uint64_t(sampleRate_);
        if (due > rendered + catchUp) rendered = due - catchUp;
        while (rendered < due) {
            const int n = int(std::min<uint64_t>(due - rendered, kChunk));
            sequencer_.render(left_.data(), right_.data(), n);
            rendered += uint64_t(n);
        }
        wake += kPeriod;
        std::this_thread::sleep_until(wake);
    }
}

}  // namespace cantorino
