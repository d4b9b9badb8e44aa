#include "FakeMidiService.h"

#include <algorithm>
#include <sstream>

namespace cantorino::test {
namespace {

void put(std::ostream& out, const std::string& s) { out << s; }
void put(std::ostream& out, float f) { out << f; }
void put(std::ostream& out, int v) { out << v; }
template <typename Tag>
void put(std::ostream& out, MidiHandle<Tag> h) {
    if constexpr (std::is_same_v<Tag, PerformanceTag>) out << "p";
    else if constexpr (std::is_same_v<Tag, SegmentTag>) out << "s";
    else if constexpr (std::is_same_v<Tag, SegmentStateTag>) out << "st";
    else out << "l";
    out << h.id;
}

}  // namespace

template <typename... Args>
void FakeMidiService::record(const char* name, const Args&... args) {
    std::ostringstream out;
    out << name << '(';
    bool first = true;
    ((out << (first ? "" : ","), put(out, args), first = false), ...);
    out << ')';
    calls.push_back(out.str());
}

std::vector<std::string> FakeMidiService::callsTo(const std::string& prefix) const {
    std::vector<std::string> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
    return out;
}

LoaderHandle FakeMidiService::CreateLoader() {
    record("CreateLoader");
    return LoaderHandle{nextId_++};
}

PerformanceHandle FakeMidiService::CreatePerformance() {
    record("CreatePerformance");
    const PerformanceHandle p{nextId_++};
    livePerformances_.insert(p.id);
    tempoFactor_ = 1.0f;
    return p;
}

void FakeMidiService::InitPerformance(PerformanceHandle p) { record("InitPerformance", p); }
void FakeMidiService::SelectPort(PerformanceHandle p, int port, int groups) { record("SelectPort", p, port, groups); }
void FakeMidiService::SubscribeNotifications(PerformanceHandle p, int kind) { record("SubscribeNotifications", p, kind); }

SegmentHandle FakeMidiService::LoadSegmentFile(LoaderHandle loader, const std::string& path) {
    const bool refused = std::find(unloadable.begin(), unloadable.end(), path) != unloadable.end();
    const SegmentHandle s = loader && !refused ? SegmentHandle{nextId_++} : SegmentHandle{};
    if (s) liveSegments_.insert(s.id);
    record("LoadSegmentFile", loader, path);
    return s;
}

void FakeMidiService::MarkAsMidiFile(SegmentHandle s) { record("MarkAsMidiFile", s); }
void FakeMidiService::DownloadInstruments(SegmentHandle s, PerformanceHandle p) { record("DownloadInstruments", s, p); }
void FakeMidiService::UnloadInstruments(SegmentHandle s, PerformanceHandle p) { record("UnloadInstruments", s, p); }

int32_t FakeMidiService::GetLength(SegmentHandle s) {
    record("GetLength", s);
    return live(s) ? length : 0;
}

void FakeMidiService::SetPlayFrom(SegmentHandle s, int32_t start) { record("SetPlayFrom", s, int(start)); }

int32_t FakeMidiService::GetMusicNow(PerformanceHandle p) {
    record("GetMusicNow", p);
    return live(p) ? musicNow : 0;
}

SegmentStateHandle FakeMidiService::StartSegment(PerformanceHandle p, SegmentHandle s, int flags, int32_t startTime) {
    record("StartSegment", p, s, flags, int(startTime));
    if (!live(p) || !live(s)) return {};
    const SegmentStateHandle st{nextId_++};
    liveStates_.insert(st.id);
    return st;
}

void FakeMidiService::StopSegment(PerformanceHandle p, SegmentHandle s, SegmentStateHandle st, int32_t time, int flags) {
    record("StopSegment", p, s, st, int(time), flags);
}

TimeSignatureRecord FakeMidiService::QueryTimeSignature(PerformanceHandle p, int32_t time) {
    record("QueryTimeSignature", p, int(time));
    return live(p) ? timeSignature : TimeSignatureRecord{};
}

int32_t FakeMidiService::GetPosition(SegmentStateHandle st) {
    // Not recorded: the lyric clock asks several times per millisecond.
    return live(st) ? position : 0;
}

std::optional<BeatNotification> FakeMidiService::PollNotification(PerformanceHandle p) {
    if (!live(p) || notices.empty()) return std::nullopt;
    const BeatNotification n = notices.front();
    notices.pop_front();
    return n;
}

void FakeMidiService::SetTempoFactor(PerformanceHandle p, float factor) {
    record("SetTempoFactor", p, factor);
    if (live(p)) tempoFactor_ = factor;
}

float FakeMidiService::GetTempoFactor(PerformanceHandle p) { return live(p) ? tempoFactor_ : 0.0f; }

void FakeMidiService::SetMasterVolume(PerformanceHandle p, int32_t level) { record("SetMasterVolume", p, int(level)); }

void FakeMidiService::SendChannelMessage(PerformanceHandle p, int32_t time, int flags, int channel, int status,
                                         int data1, int data2) {
    record("SendChannelMessage", p, int(time), flags, channel, status, data1, data2);
}

void FakeMidiService::SendProgramChange(PerformanceHandle p, int32_t time, int flags, int channel, int program) {
    record("SendProgramChange", p, int(time), flags, channel, program);
}

void FakeMidiService::SendTranspose(PerformanceHandle p, int32_t time, int flags, int channel, int semitones) {
    record("SendTranspose", p, int(time), flags, channel, semitones);
}

void FakeMidiService::ShutDown(PerformanceHandle p) { record("ShutDown", p); }
void FakeMidiService::ResetPerformance(PerformanceHandle p, int flags) { record("ResetPerformance", p, flags); }

void FakeMidiService::Release(PerformanceHandle& p) {
    livePerformances_.erase(p.id);
    p = {};
}

void FakeMidiService::Release(SegmentHandle& s) {
    liveSegments_.erase(s.id);
    s = {};
}

void FakeMidiService::Release(SegmentStateHandle& st) {
    liveStates_.erase(st.id);
    st = {};
}

}  // namespace cantorino::test
