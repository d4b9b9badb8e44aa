// Plays the demo song on the real service, offline, and checks that every syllable lights up
// in order, TempoBpm ms before it is sung and never later than one clock tick after that.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

#include "FluidSynthService.h"
#include "LyricClock.h"
#include "MainWindow.h"
#include "SettingsAccess.h"
#include "Transport.h"

namespace cantorino::test {

TEST(LyricTiming, DemoSongSyllablesLightUpOnTime) {
    QTemporaryDir dir;
    qputenv("TMPDIR", dir.path().toUtf8());
    FluidSynthOptions options;
    options.offline = true;
    options.soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    FluidSynthService service(options);
    const SettingsAccess settings(dir.path().toStdString());
    MainWindow window(service, settings, CommandLine{});
    window.Form_Load();
    window.model().SongPath = CANTORINO_SOURCE_DIR "/resources/demo/fra_martino.kar";
    window.transport().Play();
    window.findChild<QTimer*>("Timer1")->stop();  // the test ticks the clock once per rendered ms
    ASSERT_EQ(window.state().PlayState, kPlaying);

    const auto& model = window.model();
    const double rate = service.sampleRate();
    std::vector<float> left(64), right(64);
    std::vector<double> litAt(model.Syllables.size(), -1);
    int64_t rendered = 0;
    for (int ms = 1; window.state().PlayState == kPlaying && ms < 120000; ++ms) {
        const auto target = int64_t(std::llround(ms * rate / 1000));
        service.renderFrames(left.data(), right.data(), int(target - rendered));
        rendered = target;
        const int32_t before = model.SyllableIndex;
        window.lyricClock().Tick();
        const int32_t after = model.SyllableIndex;
        ASSERT_LE(after - before, 1) << "more than one syllable in one tick at " << ms << " ms";
        if (after == before + 1 && litAt[size_t(after)] < 0) litAt[size_t(after)] = ms;
    }

    double latest = 0, earliest = 0;
    int syllables = 0;
    for (size_t j = 2; j < model.Syllables.size(); ++j) {
        if (model.Syllables[j].Text.empty()) continue;
        ++syllables;
        ASSERT_GE(litAt[j], 0) << "syllable " << j << " \"" << model.Syllables[j].Text << "\" never lit";
        const double due = model.Syllables[j - 1].Time - model.TempoBpm;
        latest = std::max(latest, litAt[j] - due);
        earliest = std::min(earliest, litAt[j] - due);
    }
    std::printf("%d syllables; lit at most %.3f ms late and %.3f ms early against onset - TempoBpm\n",
                syllables, latest, -earliest);
    EXPECT_GT(syllables, 90);
    EXPECT_GE(earliest, 0);
    EXPECT_LE(latest, 1.0);
    qunsetenv("TMPDIR");
}

}  // namespace cantorino::test
