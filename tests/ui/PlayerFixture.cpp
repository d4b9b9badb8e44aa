#include "PlayerFixture.h"

#include "Transport.h"

namespace cantorino::test {

void PlayerFixture::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    qputenv("TMPDIR", dir_.path().toUtf8());
    settings_ = std::make_unique<SettingsAccess>(dir_.path().toStdString());
    window_ = std::make_unique<MainWindow>(service_, *settings_, CommandLine{});
    window_->Form_Load();
}

void PlayerFixture::TearDown() {
    window_.reset();
    qunsetenv("TMPDIR");
}

QString PlayerFixture::writeSong(const QString& name, const SmfWriter& song) {
    const QString path = dir_.filePath(name);
    song.save(path.toStdString());
    return path;
}

SmfWriter PlayerFixture::fourLineSong(uint32_t tempoMicros) {
    SmfWriter w(480);
    w.track().tempo(tempoMicros).timeSignature(3, 2);
    auto& words = w.track().name("Words");
    const char* syllables[] = {"Al", "fa", "/Be", "ta", "/Gam", "ma", "/Del", "ta"};
    uint32_t tick = 480;
    for (const char* s : syllables) {
        words.at(tick).text(s);
        tick += 100;
    }
    w.track().program(0, 5).noteOn(0, 60, 100).at(tick).noteOff(0, 60);
    return w;
}

void PlayerFixture::playSong(const QString& path) {
    window_->model().SongPath = path.toStdString();
    window_->transport().Play();
}

}  // namespace cantorino::test
