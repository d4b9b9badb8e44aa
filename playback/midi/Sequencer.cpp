#include "Sequencer.h"

#include <algorithm>
#include <cmath>
#include <fluidsynth.h>

namespace cantorino {
namespace {

constexpr uint32_t kDefaultMicrosPerQuarter = 500000;
constexpr float kMinTempoFactor = 0.01f, kMaxTempoFactor = 100.0f;

int32_t toMusicTime(double t) { return int32_t(std::lround(std::clamp(t, double(INT32_MIN), double(INT32_MAX)))); }

uint64_t pack(uint32_t high, int32_t low) { return uint64_t(high) << 32 | uint32_t(low); }

}  // namespace

Sequencer::Sequencer(double sampleRate) : sampleRate_(sampleRate) { history_.reset({}); }

void Sequencer::attach(fluid_synth_t* synth, float baseGain) {
    synth_ = synth;
    out_.attach(synth, baseGain);
}

Playhead Sequencer::audible() const {
    const uint64_t clock = audibleClock_.load(std::memory_order_acquire);
    const uint64_t play = audiblePlay_.load(std::memory_order_acquire);
    return {audibleFrame_.load(std::memory_order_acquire), uint32_t(clock >> 32), int32_t(uint32_t(clock)),
            uint32_t(play >> 32), int32_t(uint32_t(play))};
}

std::optional<BeatNotification> Sequencer::takeBeat(uint32_t performance) {
    const uint64_t heard = audibleFrame_.load(std::memory_order_acquire);
    while (const StampedBeat* next = beats_.front()) {
        if (next->frame > heard) return std::nullopt;
        const StampedBeat beat = *next;
        beats_.pop();
        if (beat.performance == performance) return beat.beat;
    }
    return std::nullopt;
}

void Sequencer::render(float* left, float* right, int frames) {
    int done = 0;
    while (done < frames) {
        drainCommands();
        startPendingIfDue();
        dispatchDue();
        deliverDue();
        // Go on slice by slice until something falls due, then let the synthesiser render
        // all those slices in one call: it renders several blocks at once far more cheaply.
        int run = 0;
        do {
            const int slice = std::min(frames - done - run, kSlice - int(frames_ % kSlice));
            advance(slice);
            frames_ += uint64_t(slice);
            run += slice;
            history_.record(playhead());
        } while (done + run < frames && !somethingDue());
        if (synth_) {
            fluid_synth_write_float(synth_, run, left, done, 1, right, done, 1);
        } else {
            std::fill_n(left + done, run, 0.0f);
            std::fill_n(right + done, run, 0.0f);
        }
        done += run;
    }
    publish();
}

bool Sequencer::somethingDue() const {
    if (pending_.segment && musicNow_ >= pending_.at) return true;
    if (timedCount_ > 0 && timed_[0].time <= musicNow_) return true;
    const Instance& in = playing_;
    if (!in.segment) return false;
    const auto& events = in.segment->events();
    return in.next < events.size() ? events[in.next].time <= in.position : in.position >= in.segment->length();
}

void Sequencer::drainCommands() {
    const uint64_t before = consumedLocal_;
    while (const EngineCommand* c = commands_.front()) {
        apply(*c);
        commands_.pop();
        ++consumedLocal_;
    }
    if (consumedLocal_ != before) consumed_.store(consumedLocal_, std::memory_order_release);
}

void Sequencer::apply(const EngineCommand& c) {
    using K = EngineCommandKind;
    if (c.kind == K::InitPerformance) {
        out_.resetChannels();
        out_.setGain(1.0f);
        performance_ = c.performance;
        open_ = true;
        notify_ = false;
        musicNow_ = 0;
        factor_ = 1;
        microsPerQuarter_ = kDefaultMicrosPerQuarter;
        playing_ = {};
        pending_ = {};
        timedCount_ = 0;
        return;
    }
    if (c.kind == K::ReleaseSegment) {
        if (playing_.segment == c.segment) stopPlaying();
        if (pending_.segment == c.segment) pending_ = {};
        return;
    }
    if (c.performance != performance_) return;
    switch (c.kind) {
    case K::ResetChannels: out_.resetChannels(); break;
    case K::ShutDown:
        stopPlaying();
        pending_ = {};
        timedCount_ = 0;
        open_ = false;
        break;
    case K::Subscribe: notify_ = true; break;
    case K::Start:
        if (!open_ || !c.segment) break;
        pending_ = {};
        if (c.time <= 0 || c.time <= musicNow_)
            begin(c.segment, c.state, c.from);
        else
            pending_ = {c.segment, c.state, c.from, c.time};
        break;
    case K::Stop: {
        auto matches = [&](const Segment* segment, uint32_t state) {
            return segment && (!c.segment || c.segment == segment) && (!c.state || c.state == state);
        };
        if (matches(playing_.segment, playing_.state)) stopPlaying();
        if (matches(pending_.segment, pending_.state)) pending_ = {};
        break;
    }
    case K::TempoFactor: factor_ = std::clamp(c.value, kMinTempoFactor, kMaxTempoFactor); break;
    case K::MasterGain: out_.setGain(c.value); break;
    case K::Send:
    case K::Transpose:
        if (c.time <= musicNow_)
            deliver(c);
        else
            schedule(c);
        break;
    default: break;
    }
}

void Sequencer::begin(const Segment* segment, uint32_t state, int32_t from) {
    if (playing_.segment) out_.silence();
    from = std::max(from, 0);
    const size_t next = segment->firstEventAt(from);
    out_.resetControllers();
    out_.chase(*segment, next);
    const size_t tempoIndex = segment->tempoMap().indexAt(from);
    microsPerQuarter_ = segment->tempoMap().changes()[tempoIndex].microsPerQuarter;
    playing_ = {segment, state, from, double(from), next, tempoIndex, segment->timeSignatures().beatAtOrAfter(from)};
}

void Sequencer::stopPlaying() {
    if (!playing_.segment) return;
    out_.silence();
    playing_.segment = nullptr;
}

void Sequencer::startPendingIfDue() {
    if (!pending_.segment || musicNow_ < pending_.at) return;
    const PendingStart start = pending_;
    pending_ = {};
    begin(start.segment, start.state, start.from);
}

void Sequencer::dispatchDue() {
    Instance& in = playing_;
    if (!in.segment) return;
    const auto& events = in.segment->events();
    while (in.next < events.size() && events[in.next].time <= in.position) out_.play(*in.segment, events[in.next++]);
    if (in.next == events.size() && in.position >= in.segment->length()) {
        in.position = std::max(in.segment->length(), in.from);
        stopPlaying();
    }
}

void Sequencer::schedule(const EngineCommand& c) {
    if (timedCount_ == kTimedCapacity) {
        deliver(c);
        return;
    }
    // After every send with the same or an earlier time: equal times keep their call order.
    size_t at = timedCount_;
    while (at > 0 && timed_[at - 1].time > c.time) {
        timed_[at] = timed_[at - 1];
        --at;
    }
    timed_[at] = c;
    ++timedCount_;
}

void Sequencer::deliverDue() {
    size_t due = 0;
    while (due < timedCount_ && timed_[due].time <= musicNow_) deliver(timed_[due++]);
    if (due == 0) return;
    std::copy(timed_.begin() + ptrdiff_t(due), timed_.begin() + ptrdiff_t(timedCount_), timed_.begin());
    timedCount_ -= due;
}

void Sequencer::deliver(const EngineCommand& c) {
    if (c.kind == EngineCommandKind::Transpose)
        out_.setTranspose(c.data1, c.semitones);
    else
        out_.send(c.status, c.data1, c.data2);
}

void Sequencer::advance(int frames) {
    double left = frames;
    double frameAt = double(frames_);
    while (left > 0) {
        const double unitsPerFrame = factor_ * kMusicTimePerQuarter * 1e6 / (microsPerQuarter_ * sampleRate_);
        double step = left;
        double units = step * unitsPerFrame;
        bool crossesTempo = false;
        Instance& in = playing_;
        if (in.segment) {
            // Split the step where the tempo changes, so the position follows the tempo map exactly.
            const auto& changes = in.segment->tempoMap().changes();
            if (in.tempoIndex + 1 < changes.size()) {
                const double toChange = std::max(changes[in.tempoIndex + 1].time - in.position, 0.0);
                if (toChange <= units) {
                    units = toChange;
                    step = toChange / unitsPerFrame;
                    crossesTempo = true;
                }
            }
            emitBeats(in.position, in.position + units, frameAt, unitsPerFrame);
            in.position += units;
            if (crossesTempo) microsPerQuarter_ = changes[++in.tempoIndex].microsPerQuarter;
        }
        musicNow_ += units;
        left -= step;
        frameAt += step;
    }
}

void Sequencer::emitBeats(double from, double to, double frameAt, double unitsPerFrame) {
    Instance& in = playing_;
    const auto& signatures = in.segment->timeSignatures();
    while (in.nextBeat.measure >= 0 && in.nextBeat.time < to && in.nextBeat.time <= in.segment->length()) {
        const BeatPosition beat = in.nextBeat;
        if (notify_) {
            const double frame = frameAt + std::max(beat.time - from, 0.0) / unitsPerFrame;
            beats_.push({uint64_t(frame), performance_, {beat.time, beat.measure, beat.beat}});
        }
        in.nextBeat = signatures.beatAtOrAfter(beat.time + 1.0);
        if (in.nextBeat.time <= beat.time) in.nextBeat.measure = -1;  // no later beat fits in music time
    }
}

Playhead Sequencer::playhead() const {
    return {frames_, performance_, toMusicTime(musicNow_), playing_.state, toMusicTime(playing_.position)};
}

void Sequencer::publish() {
    const uint64_t heard = frames_ > latency_ ? frames_ - latency_ : 0;
    const Playhead& p = history_.at(heard);
    audibleClock_.store(pack(p.performance, p.musicNow), std::memory_order_release);
    audiblePlay_.store(pack(p.state, p.position), std::memory_order_release);
    audibleFrame_.store(heard, std::memory_order_release);
}

}  // namespace cantorino
