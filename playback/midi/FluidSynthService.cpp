#include "FluidSynthService.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "AudioOutput.h"
#include "EngineCommand.h"
#include "Segment.h"
#include "Sequencer.h"
#include "SynthHost.h"

namespace cantorino {
namespace {

using K = EngineCommandKind;

/// Master volume levels are hundredths of a decibel; louder than +20 dB is held there.
constexpr int32_t kMaxVolumeLevel = 2000;
/// A beat is divided into sixteenth notes in the time signature records.
constexpr int16_t kGridsPerBeat = 4;
/// How long a full command queue may hold the window before the command is given up.
constexpr auto kQueueWait = std::chrono::seconds(2);

}  // namespace

FluidSynthService::FluidSynthService(FluidSynthOptions options)
    : offline_(options.offline),
      sampleRate_(options.sampleRate),
      sequencer_(std::make_unique<Sequencer>(options.sampleRate)) {
    if (offline_)
        setUp(std::move(options));
    else
        starter_ = std::thread([this, options = std::move(options)]() mutable { setUp(std::move(options)); });
}

FluidSynthService::~FluidSynthService() {
    waitUntilReady();
    output_.reset();  // the audio side stops before the segments and the synthesiser go
}

void FluidSynthService::setUp(FluidSynthOptions options) {
    host_ = std::make_unique<SynthHost>(sampleRate_, SynthHost::locateSoundFont(options.soundFont));
    problems_.noSoundFont = !host_->hasSoundFont();
    sequencer_->attach(host_->synth(), SynthHost::kBaseGain);
    if (offline_) return;
    output_ = std::make_unique<AudioOutput>(host_->settings(), *sequencer_, sampleRate_, options.audioDriver);
    problems_.noAudioOutput = !output_->hasDevice();
}

void FluidSynthService::waitUntilReady() const {
    if (starter_.joinable()) starter_.join();
}

bool FluidSynthService::post(const EngineCommand& command) {
    freeRetiredSegments();
    if (!sequencer_->post(command)) {
        if (offline_) {
            sequencer_->drainCommands();  // this thread is the audio side too
            sequencer_->post(command);
        } else {
            // The audio side empties the queue every few milliseconds; a device that has
            // stopped must not hang the window, though.
            const auto giveUp = std::chrono::steady_clock::now() + kQueueWait;
            while (!sequencer_->post(command)) {
                if (std::chrono::steady_clock::now() > giveUp) return false;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
    }
    ++posted_;
    return true;
}

void FluidSynthService::freeRetiredSegments() {
    const uint64_t consumed = sequencer_->consumed();
    std::erase_if(retired_, [consumed](const auto& r) { return r.first <= consumed; });
}

FluidSynthService::PerformanceRecord* FluidSynthService::find(PerformanceHandle h) {
    const auto it = performances_.find(h.id);
    return it == performances_.end() ? nullptr : &it->second;
}

FluidSynthService::SegmentRecord* FluidSynthService::find(SegmentHandle h) {
    const auto it = segments_.find(h.id);
    return it == segments_.end() ? nullptr : &it->second;
}

LoaderHandle FluidSynthService::CreateLoader() {
    loaders_.push_back(nextId_);
    return {nextId_++};
}

PerformanceHandle FluidSynthService::CreatePerformance() {
    performances_[nextId_] = {};
    return {nextId_++};
}

void FluidSynthService::InitPerformance(PerformanceHandle performance) {
    PerformanceRecord* p = find(performance);
    if (!p) return;
    *p = {};
    post({.kind = K::InitPerformance, .performance = performance.id});
}

void FluidSynthService::SelectPort(PerformanceHandle, int, int) {}

void FluidSynthService::SubscribeNotifications(PerformanceHandle performance, int) {
    if (find(performance)) post({.kind = K::Subscribe, .performance = performance.id});
}

SegmentHandle FluidSynthService::LoadSegmentFile(LoaderHandle loader, const std::string& path) {
    if (!loader || std::find(loaders_.begin(), loaders_.end(), loader.id) == loaders_.end()) return {};
    auto segment = Segment::load(path);
    if (!segment) return {};
    segments_[nextId_] = {std::make_unique<Segment>(std::move(*segment)), 0};
    return {nextId_++};
}

// One SoundFont holds every instrument and is loaded once for the run, so a segment has
// nothing of its own to mark, download or unload.
void FluidSynthService::MarkAsMidiFile(SegmentHandle) {}
void FluidSynthService::DownloadInstruments(SegmentHandle, PerformanceHandle) {}
void FluidSynthService::UnloadInstruments(SegmentHandle, PerformanceHandle) {}

int32_t FluidSynthService::GetLength(SegmentHandle segment) {
    const SegmentRecord* s = find(segment);
    return s ? s->segment->length() : 0;
}

void FluidSynthService::SetPlayFrom(SegmentHandle segment, int32_t start) {
    if (SegmentRecord* s = find(segment)) s->playFrom = start;
}

int32_t FluidSynthService::GetMusicNow(PerformanceHandle performance) {
    if (!find(performance)) return 0;
    const Playhead heard = sequencer_->audible();
    return heard.performance == performance.id ? heard.musicNow : 0;
}

SegmentStateHandle FluidSynthService::StartSegment(PerformanceHandle performance, SegmentHandle segment, int,
                                                   int32_t startTime) {
    PerformanceRecord* p = find(performance);
    const SegmentRecord* s = find(segment);
    if (!p || !s) return {};
    waitUntilReady();
    const uint32_t state = nextId_++;
    const int32_t from = std::max(s->playFrom, 0);
    post({.kind = K::Start, .performance = performance.id, .state = state, .segment = s->segment.get(),
          .time = startTime, .from = from});
    states_[state] = {performance.id, from};
    p->lastSegment = segment.id;
    p->lastStart = startTime > 0 ? startTime : GetMusicNow(performance);
    p->lastFrom = from;
    return {state};
}

void FluidSynthService::StopSegment(PerformanceHandle performance, SegmentHandle segment, SegmentStateHandle state,
                                    int32_t, int) {
    if (!find(performance)) return;
    const SegmentRecord* s = find(segment);
    if ((segment && !s) || (state && !states_.contains(state.id))) return;
    post({.kind = K::Stop, .performance = performance.id, .state = state.id,
          .segment = s ? s->segment.get() : nullptr});
}

TimeSignatureRecord FluidSynthService::QueryTimeSignature(PerformanceHandle performance, int32_t time) {
    const PerformanceRecord* p = find(performance);
    if (!p) return {};
    const SegmentRecord* s = find(SegmentHandle{p->lastSegment});
    if (!s) return {0, 4, 4, kGridsPerBeat};
    // Map the performance time into the segment most recently started on it.
    const double inSegment = double(p->lastFrom) + std::max(0.0, double(time) - p->lastStart);
    const TimeSignature& sig = s->segment->timeSignatures().at(inSegment);
    const double since = double(p->lastStart) + (sig.time - p->lastFrom);
    return {int32_t(std::clamp(since, double(INT32_MIN), double(INT32_MAX))), sig.numerator, sig.denominator,
            kGridsPerBeat};
}

int32_t FluidSynthService::GetPosition(SegmentStateHandle state) {
    const auto it = states_.find(state.id);
    if (it == states_.end()) return 0;
    const Playhead heard = sequencer_->audible();
    if (heard.state == state.id) it->second.lastPosition = heard.position;
    return it->second.lastPosition;
}

std::optional<BeatNotification> FluidSynthService::PollNotification(PerformanceHandle performance) {
    if (!find(performance)) return std::nullopt;
    return sequencer_->takeBeat(performance.id);
}

void FluidSynthService::SetTempoFactor(PerformanceHandle performance, float factor) {
    PerformanceRecord* p = find(performance);
    if (!p || std::isnan(factor)) return;
    p->tempoFactor = std::clamp(factor, 0.01f, 100.0f);
    post({.kind = K::TempoFactor, .performance = performance.id, .value = p->tempoFactor});
}

float FluidSynthService::GetTempoFactor(PerformanceHandle performance) {
    const PerformanceRecord* p = find(performance);
    return p ? p->tempoFactor : 0.0f;
}

void FluidSynthService::SetMasterVolume(PerformanceHandle performance, int32_t level) {
    if (!find(performance)) return;
    const float gain = float(std::pow(10.0, std::min(level, kMaxVolumeLevel) / 2000.0));
    post({.kind = K::MasterGain, .performance = performance.id, .value = gain});
}

void FluidSynthService::sendTimed(PerformanceHandle performance, int32_t time, uint8_t status, uint8_t data1,
                                  uint8_t data2) {
    if (!find(performance)) return;
    post({.kind = K::Send, .status = status, .data1 = data1, .data2 = data2, .performance = performance.id,
          .time = time});
}

void FluidSynthService::SendChannelMessage(PerformanceHandle performance, int32_t time, int, int channel,
                                           int status, int data1, int data2) {
    if (channel < 0 || channel > 15 || status < 0x80 || status >= 0xF0) return;
    sendTimed(performance, time, uint8_t((status & 0xF0) | channel), uint8_t(data1 & 0x7F), uint8_t(data2 & 0x7F));
}

void FluidSynthService::SendProgramChange(PerformanceHandle performance, int32_t time, int, int channel,
                                          int program) {
    if (channel < 0 || channel > 15) return;
    sendTimed(performance, time, uint8_t(0xC0 | channel), uint8_t(program & 0x7F), 0);
}

void FluidSynthService::SendTranspose(PerformanceHandle performance, int32_t time, int, int channel,
                                      int semitones) {
    if (!find(performance) || channel < 0 || channel > 15) return;
    post({.kind = K::Transpose, .data1 = uint8_t(channel), .performance = performance.id, .time = time,
          .semitones = semitones});
}

void FluidSynthService::ShutDown(PerformanceHandle performance) {
    if (find(performance)) post({.kind = K::ShutDown, .performance = performance.id});
}

void FluidSynthService::ResetPerformance(PerformanceHandle performance, int) {
    if (find(performance)) post({.kind = K::ResetChannels, .performance = performance.id});
}

void FluidSynthService::Release(PerformanceHandle& performance) {
    if (find(performance)) {
        post({.kind = K::ShutDown, .performance = performance.id});  // nobody could stop its sound any more
        performances_.erase(performance.id);
    }
    performance = {};
}

void FluidSynthService::Release(SegmentHandle& segment) {
    if (SegmentRecord* s = find(segment)) {
        const bool told = post({.kind = K::ReleaseSegment, .segment = s->segment.get()});
        // Untold, the audio side might still read it: keep it until the service goes.
        retired_.emplace_back(told ? posted_ : UINT64_MAX, std::move(s->segment));
        segments_.erase(segment.id);
    }
    segment = {};
}

void FluidSynthService::Release(SegmentStateHandle& state) {
    states_.erase(state.id);
    state = {};
}

MidiServiceProblems FluidSynthService::Problems() const {
    waitUntilReady();
    return problems_;
}

void FluidSynthService::renderFrames(float* left, float* right, int frames) {
    if (offline_ && frames > 0) sequencer_->render(left, right, frames);
}

fluid_synth_t* FluidSynthService::offlineSynth() { return offline_ && host_ ? host_->synth() : nullptr; }

}  // namespace cantorino
