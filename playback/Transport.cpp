#include "Transport.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QTimer>
#include <cmath>
#include <filesystem>

#include "LyricBox.h"
#include "LyricFont.h"
#include "MusicTime.h"
#include "PreloadFile.h"
#include "SettingsAccess.h"
#include "ShapeWidget.h"
#include "SongReader.h"

namespace cantorino {
namespace {

/// Where the knob rests when no song is open, in window pixels.
constexpr int kKnobRestLeft = 306;
/// The ball's resting top in the lyric box, in pixels.
constexpr int kBallTop = 48;

int32_t clampToInt32(double v) {
    return int32_t(std::clamp(v, double(INT32_MIN), double(INT32_MAX)));
}

}  // namespace

Transport::Transport(MidiService& service, SongModel& model, PlayerState& state, const PlaybackControls& controls,
                     const SettingsAccess& settings, TransportHooks hooks)
    : service_(service), model_(model), state_(state), controls_(controls), settings_(settings),
      hooks_(std::move(hooks)) {}

void Transport::letEventsRun() { QCoreApplication::processEvents(); }

QString Transport::preloadPath() const {
    return QString::fromStdString(PreloadFile::Path(SettingsAccess::GetTempFolder()).string());
}

double Transport::LyricClockMs(int32_t position) {
    const float factor = service_.GetTempoFactor(state_.MidiPerformance);
    const float lead = factor * kLookAheadMs - model_.TempoBpm;
    return model_.TempoMicros * (double(position) / 768000.0) - lead;
}

bool Transport::OpenMusic() {
    controls_.window->setCursor(Qt::WaitCursor);
    CloseDevice();
    if (!ReadFile()) {
        showUnreadable();
        state_.SongOpen = 0;
        state_.PlayState = kStopped;
        state_.PlayPosition = 0;
        controls_.window->unsetCursor();
        return false;
    }
    Initialize();
    letEventsRun();
    const PerformanceHandle perf = state_.MidiPerformance;
    state_.SongSegment = service_.LoadSegmentFile(state_.MidiLoader, model_.SongPath);
    state_.CopySegment = service_.LoadSegmentFile(state_.MidiLoader, preloadPath().toStdString());
    service_.MarkAsMidiFile(state_.SongSegment);
    service_.MarkAsMidiFile(state_.CopySegment);
    service_.DownloadInstruments(state_.SongSegment, perf);
    service_.DownloadInstruments(state_.CopySegment, perf);

    const int32_t length = service_.GetLength(state_.SongSegment);
    if (state_.SongSegment)
        controls_.Label5->setText("Durata  " + formatMinutesSeconds(length, model_.TempoMicros));

    // Starting the song in two seconds and stopping it at once is how the time signature
    // at its start is read; nothing sounds.
    const int32_t now = service_.GetMusicNow(perf);
    SegmentStateHandle probe = service_.StartSegment(perf, state_.SongSegment, 0, now + 2000);
    state_.TimeSignature = service_.QueryTimeSignature(perf, now + 2000);
    controls_.Label9->setText(QString("%1/%2").arg(state_.TimeSignature.BeatsPerMeasure)
                                  .arg(state_.TimeSignature.BeatUnit));
    service_.StopSegment(perf, state_.SongSegment, {}, 0, 0);
    service_.Release(probe);
    service_.SetTempoFactor(perf, 1.0f);

    state_.PlayState = kStopped;
    state_.PlayPosition = 0;
    if (hooks_.ResetSoundSliders) hooks_.ResetSoundSliders();
    service_.SetMasterVolume(perf, 64 * 42 - 3000);
    model_.SyllableIndex = 0;
    if (model_.TicksPerSixteenth > 0)
        controls_.Timer2->setInterval(int(model_.TempoMicros / (768000.0 / model_.TicksPerSixteenth)));
    controls_.Shape1->move(controls_.Shape1->x(), kBallTop);
    const bool loaded = bool(state_.SongSegment);
    state_.SongOpen = loaded ? -1 : 0;
    if (!loaded) showUnreadable();
    controls_.window->unsetCursor();
    if (hooks_.SongOpened) hooks_.SongOpened();
    return loaded;
}

void Transport::Initialize() {
    state_.MidiPerformance = service_.CreatePerformance();
    service_.InitPerformance(state_.MidiPerformance);
    service_.SelectPort(state_.MidiPerformance, -1, 1);
    service_.SubscribeNotifications(state_.MidiPerformance, 3);
}

bool Transport::ReadFile() {
    const ReadStatus status = SongReader(model_).ReadFile();
    if (status != ReadStatus::Ok) return false;
    fitLyricFont();
    if (hooks_.ShowMixerStrip) hooks_.ShowMixerStrip();
    PreloadFile::CreateFileTemp(SettingsAccess::GetTempFolder());  // without it only the extra instruments are lost
    return true;
}

void Transport::fitLyricFont() {
    LyricBox* box = controls_.Picture4;
    const double maximum = LyricFont::MaximumSize(
        SettingsAccess::ReadIniValue("General", "MaxFontSize", settings_.GetConfigPath()));
    QFont font = box->lyricFont();
    const auto measure = [&font](double points, const std::string& line) {
        font.setPointSizeF(points);
        return QFontMetricsF(font).horizontalAdvance(QString::fromStdString(line));
    };
    const double size = LyricFont::FitSize(model_.LyricLines, measure, box->width(), maximum);
    box->setFontSize(size);
    controls_.LyricsPicture1->setFontSize(size * model_.LyricsWindowScale);
}

void Transport::showUnreadable() {
    const QString name = QFileInfo(QString::fromStdString(model_.SongPath)).fileName();
    for (const auto& labels : {controls_.Label10, controls_.LyricsLabel10}) {
        labels[0]->setText("Impossibile leggere il brano");
        labels[1]->setText(name);
        labels[2]->clear();
    }
}

void Transport::Play() {
    controls_.LyricsLabel2_1->setText("00");
    controls_.window->setCursor(Qt::WaitCursor);
    if (state_.SongOpen == 0 && !OpenMusic()) {
        controls_.window->unsetCursor();
        return;
    }
    const double resumeClock = LyricClockMs(state_.PlayPosition);
    const auto& syllables = model_.Syllables;
    const int32_t upper = int32_t(syllables.size()) - 1;
    model_.SyllableIndex = upper;
    for (int32_t i = 0; i < upper; ++i) {
        if (syllables[size_t(i)].Time > resumeClock) {
            model_.SyllableIndex = i;
            break;
        }
    }
    const int32_t length = service_.GetLength(state_.SongSegment);
    if (state_.PlayPosition >= length) state_.PlayPosition -= 10;
    if (state_.PlayPosition < 0) state_.PlayPosition = 0;
    service_.SetPlayFrom(state_.SongSegment, state_.PlayPosition);
    state_.PlayState = kPlaying;
    SegmentStateHandle previous = state_.SongSegmentState;
    state_.SongSegmentState = service_.StartSegment(state_.MidiPerformance, state_.SongSegment, 0, 0);
    service_.Release(previous);
    if (hooks_.SetChannels) hooks_.SetChannels();
    controls_.Timer1->start();
    controls_.Image3->setEnabled(true);
    controls_.window->unsetCursor();
}

void Transport::PauseMusic() {
    const int32_t position = service_.GetPosition(state_.SongSegmentState);
    if (position > INT32_MIN + 100) state_.PlayPosition = position - 100;
    service_.StopSegment(state_.MidiPerformance, state_.SongSegment, state_.SongSegmentState, 0, 0);
    state_.PlayState = kPaused;
}

void Transport::StopMusic() {
    state_.PlayState = kStopped;
    service_.StopSegment(state_.MidiPerformance, {}, {}, 0, 0);
    state_.PlayPosition = 0;
    controls_.Picture4->Cls();
    controls_.LyricsPicture1->Cls();
}

void Transport::SeekStart() { StopMusic(); }

void Transport::SeekEnd() {
    state_.PlayPosition = clampToInt32(double(service_.GetLength(state_.SongSegment)) - 250);
    service_.StopSegment(state_.MidiPerformance, {}, {}, 0, 0);
    controls_.Picture4->Cls();
    controls_.LyricsPicture1->Cls();
    model_.SyllableIndex = std::max(0, int32_t(model_.Syllables.size()) - 1 - 10);
    state_.PlayState = kPaused;
}

void Transport::SetMusicPosition() {
    if (state_.SongOpen == 0) return;
    const int x = controls_.Image3->x();
    const int w = controls_.Image3->width();
    const auto percent = int32_t(std::nearbyint(100.0 * (x - 304) / (220 - w)));
    const int32_t length = service_.GetLength(state_.SongSegment);
    state_.PlayPosition = clampToInt32(std::nearbyint(double(percent) * length / 100 - 100));
    state_.PlayState = kPaused;
    Play();
}

void Transport::CloseDevice() {
    controls_.Timer1->stop();
    const PerformanceHandle perf = state_.MidiPerformance;
    if (state_.SongOpen != 0) {
        service_.StopSegment(perf, state_.SongSegment, state_.SongSegmentState, 0, 0);
        service_.StopSegment(perf, state_.CopySegment, state_.SongSegmentState, 0, 0);
        service_.ShutDown(perf);
        letEventsRun();
    }
    service_.UnloadInstruments(state_.SongSegment, perf);
    service_.UnloadInstruments(state_.CopySegment, perf);
    service_.ResetPerformance(perf, 1);
    service_.Release(state_.MidiPerformance);
    service_.Release(state_.SongSegment);
    service_.Release(state_.CopySegment);
    service_.Release(state_.SongSegmentState);
    ZeroVariables();
}

void Transport::ZeroVariables() {
    SongReader(model_).ZeroVariables();
    controls_.Picture4->Cls();
    controls_.LyricsPicture1->Cls();
    controls_.Image3->setEnabled(false);
    controls_.Image3->move(kKnobRestLeft, controls_.Image3->y());
    if (hooks_.ClearMixerStrip) hooks_.ClearMixerStrip();
}

void Transport::EndProgram() {
    controls_.Timer1->stop();
    if (state_.SongOpen != 0) {
        service_.StopSegment(state_.MidiPerformance, state_.SongSegment, state_.SongSegmentState, 0, 0);
        service_.ShutDown(state_.MidiPerformance);
        letEventsRun();
    }
    std::error_code ignored;
    std::filesystem::remove(PreloadFile::Path(SettingsAccess::GetTempFolder()), ignored);
    if (hooks_.Quit) hooks_.Quit();
}

}  // namespace cantorino
