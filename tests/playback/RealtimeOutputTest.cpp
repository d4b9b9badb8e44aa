#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <thread>

#include "FluidSynthService.h"
#include "PulseNullSink.h"
#include "Segment.h"
#include "SmfWriter.h"

namespace cantorino {
namespace {

using Clock = std::chrono::steady_clock;

/// The bundled demo song.
std::string demoSong() { return std::string(CANTORINO_SOURCE_DIR) + "/resources/demo/fra_martino.kar"; }

TEST(RealtimeOutputTest, DemoSongSoundsThroughPulseAudioAndPositionFollowsTheClock) {
    test::PulseNullSink pulse;
    if (!pulse.started()) GTEST_SKIP() << "no PulseAudio server could be started: " << pulse.failure();
    setenv("PULSE_SERVER", pulse.address().c_str(), 1);
    ASSERT_TRUE(pulse.startRecording());

    const auto song = Segment::load(demoSong());
    ASSERT_TRUE(song) << demoSong();
    ASSERT_GT(song->tempoMap().secondsAt(song->length()), 5.5);

    FluidSynthOptions options;
    options.soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    options.audioDriver = "pulseaudio";
    FluidSynthService service(options);
    ASSERT_FALSE(service.Problems().noAudioOutput);
    const auto loader = service.CreateLoader();
    auto performance = service.CreatePerformance();
    service.InitPerformance(performance);
    auto segment = service.LoadSegmentFile(loader, demoSong());
    ASSERT_TRUE(segment);

    // A new PulseAudio stream takes a second or so before it consumes sound at the real rate;
    // the performance clock, which counts what is heard, shows when it does.
    const auto opened = Clock::now();
    while (service.GetMusicNow(performance) < kMusicTimePerQuarter) {
        ASSERT_LT(Clock::now() - opened, std::chrono::seconds(10)) << "the stream never started";
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    const auto state = service.StartSegment(performance, segment, 0, 0);
    const auto start = Clock::now();
    double worst = 0;
    for (auto now = start; now - start < std::chrono::seconds(5); now = Clock::now()) {
        const double heard = song->tempoMap().secondsAt(service.GetPosition(state));
        const double elapsed = std::chrono::duration<double>(now - start).count();
        worst = std::max(worst, std::fabs(heard - elapsed));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    service.StopSegment(performance, {}, {}, 0, 0);
    std::cout << "largest position error over 5 s: " << std::lround(worst * 1000) << " ms\n";
    RecordProperty("largest_position_error_ms", int(std::lround(worst * 1000)));
    EXPECT_LT(worst, 0.100);

    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto samples = pulse.stopRecording();
    ASSERT_GT(samples.size(), 2u * 44100 * 4);  // at least four seconds reached the sink
    double sum = 0;
    for (const int16_t v : samples) sum += double(v) * v;
    const double rms = std::sqrt(sum / double(samples.size()));
    std::cout << "recording: " << samples.size() / 2 << " frames, rms " << rms << "\n";
    EXPECT_GT(rms, 100.0);  // about -50 dBFS: clearly music, not noise
    service.Release(segment);
    service.Release(performance);
}

TEST(RealtimeOutputTest, WithoutADeviceASilentClockKeepsTime) {
    FluidSynthOptions options;
    options.soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    options.audioDriver = "none";
    FluidSynthService service(options);
    EXPECT_TRUE(service.Problems().noAudioOutput);
    EXPECT_FALSE(service.Problems().noSoundFont);
    auto performance = service.CreatePerformance();
    service.InitPerformance(performance);
    auto segment = service.LoadSegmentFile(service.CreateLoader(), demoSong());
    const auto state = service.StartSegment(performance, segment, 0, 0);
    const auto start = Clock::now();
    while (service.GetPosition(state) < kMusicTimePerQuarter)
        ASSERT_LT(Clock::now() - start, std::chrono::seconds(10)) << "the position does not advance";
}

}  // namespace
}  // namespace cantorino
