#include "LyricClock.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <cmath>

#include "BeatIndicator.h"
#include "LyricBox.h"
#include "MusicTime.h"
#include "ShapeWidget.h"
#include "StatusTimers.h"
#include "Transport.h"

namespace cantorino {
namespace {

/// The first `n` characters (code points) of `s`.
QString leftChars(const QString& s, qsizetype n) {
    const QList<uint> ucs = s.toUcs4();
    n = std::clamp<qsizetype>(n, 0, ucs.size());
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(ucs.constData()), n);
}

/// The last `n` characters (code points) of `s`.
QString rightChars(const QString& s, qsizetype n) {
    const QList<uint> ucs = s.toUcs4();
    n = std::clamp<qsizetype>(n, 0, ucs.size());
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(ucs.constData() + ucs.size() - n), n);
}

void letEventsRun() { QCoreApplication::processEvents(); }

void setTextIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

}  // namespace

LyricClock::LyricClock(MidiService& service, SongModel& model, PlayerState& state, const PlaybackControls& controls,
                       Transport& transport, StatusTimers& status, std::function<void()> nextSong)
    : service_(service), model_(model), state_(state), controls_(controls), transport_(transport), status_(status),
      nextSong_(std::move(nextSong)) {}

void LyricClock::Tick() {
    switch (state_.PlayState) {
    case kStopped:
        status_.SetStatusText("Fermo");
        return;
    case kPaused:
        status_.SetStatusText("In Pausa");
        if (controls_.Check5->isChecked()) {
            nextSong_();
            transport_.Play();
        }
        return;
    default:
        status_.SetStatusText("Esecuzione");
    }
    if (model_.SyllableIndex == 0) model_.SyllableIndex = 1;
    letEventsRun();

    // Clicks handled above may have closed the song: every index is checked again here.
    const double clock = transport_.LyricClockMs(service_.GetPosition(state_.SongSegmentState));
    const int32_t upper = int32_t(model_.Syllables.size()) - 1;
    const int32_t index = model_.SyllableIndex;
    if (index >= 0 && index + 1 <= upper && !(clock < model_.Syllables[size_t(index)].Time)) {
        model_.SyllableIndex = index + 1;
        Redraw();
        letEventsRun();
    }
    if (state_.PlayState != kPlaying) controls_.Picture3->Cls();

    const int32_t position = service_.GetPosition(state_.SongSegmentState);
    setTextIfChanged(controls_.Label4, formatMinutesSeconds(position, model_.TempoMicros));
    const int32_t length = service_.GetLength(state_.SongSegment);
    if (position >= length) transport_.SeekEnd();
    if (length != 0) {
        const auto percent = int16_t(int64_t(service_.GetPosition(state_.SongSegmentState)) * 100 / length);
        setTextIfChanged(controls_.Label8, QString("%1 %").arg(percent));
        letEventsRun();
        UpdateBar(percent);
    }
    if (const auto notice = service_.PollNotification(state_.MidiPerformance)) {
        state_.BeatNumber = notice->Beat;
        status_.SetBeatCounter(notice->Beat + 1);
    }
}

void LyricClock::UpdateBar(int16_t) {
    const int32_t length = service_.GetLength(state_.SongSegment);
    if (length == 0) return;
    QWidget* knob = controls_.Image3;
    const int32_t position = service_.GetPosition(state_.SongSegmentState);
    const double left = (double(position) * 100 / length) * ((218.0 - knob->width()) / 100) + 305;
    const int x = int(std::lround(left));
    if (knob->x() != x) knob->move(x, knob->y());
}

void LyricClock::Redraw() {
    const auto& syllable = model_.Syllables[size_t(model_.SyllableIndex)];
    const auto& lines = model_.LyricLines;
    const size_t line = size_t(std::max<int16_t>(syllable.Line, 0));
    if (line >= lines.size()) return;
    const QString current = QString::fromStdString(lines[line]);
    const bool nextExists = line + 1 < lines.size();
    const QString next = nextExists ? QString::fromStdString(lines[line + 1]) : QString();

    controls_.Timer2->stop();
    controls_.Shape1->hide();

    // On the last line there is no next line: the current one takes the lower slot alone.
    if (!nextExists || next != pendingLine_) {
        if (nextExists && line + 2 < lines.size()) pendingLine_ = QString::fromStdString(lines[line + 2]);
        nextLineAbove_ = 1;
    } else {
        nextLineAbove_ = 0;
    }
    const QString text = QString::fromStdString(syllable.Text);
    const QString firstRun = leftChars(current, syllable.Column);
    const qsizetype restLength = current.toUcs4().size() - (firstRun.toUcs4().size() + syllable.Length);
    const QString rest = rightChars(current, restLength);
    drawLines(controls_.Picture4, kMainLineGap, current, next, nextExists, firstRun, text, rest);
    drawLines(controls_.LyricsPicture1, kLyricsWindowLineGap, current, next, nextExists, firstRun, text, rest);
    placeBall(current, firstRun, text);
}

void LyricClock::drawLines(LyricBox* box, double gap, const QString& current, const QString& next, bool nextExists,
                           const QString& firstRun, const QString& syllable, const QString& rest) {
    const double x0 = box->width() / 2.0 - box->TextWidth(current) / 2;
    const double x1 = box->width() / 2.0 - box->TextWidth(next) / 2;
    box->Cls();
    box->setCurrentY(kFirstRowTop);
    if (nextLineAbove_ == 1) {
        if (nextExists) {
            box->setCurrentX(x1);
            box->Print(next, textColor1_, true);
        }
        box->setCurrentY(box->CurrentY() + gap);
    }
    box->setCurrentX(x0);
    box->Print(firstRun, textColor1_, false);
    box->Print(syllable, textColor2_, false);
    box->Print(rest, textColor1_, true);
    if (nextLineAbove_ == 0) {
        box->setCurrentY(box->CurrentY() + gap);
        box->setCurrentX(x1);
        box->Print(next, textColor1_, true);
    }
}

void LyricClock::placeBall(const QString& current, const QString& firstRun, const QString& syllable) {
    const LyricBox* box = controls_.Picture4;
    ShapeWidget* ball = controls_.Shape1;
    const double x0 = box->width() / 2.0 - box->TextWidth(current) / 2;
    const double left = x0 + box->TextWidth(firstRun) + (box->TextWidth(syllable) - ball->width()) / 2;
    ball->move(int(std::lround(left)), StatusTimers::kBallLow);
    if (showBall_ && !syllable.trimmed().isEmpty()) {
        ball->show();
        controls_.Timer2->start();
    }
}

}  // namespace cantorino
