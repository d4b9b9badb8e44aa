#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "MidiService.h"

namespace cantorino::test {

/// A MidiService for tests: records every call with its arguments, in order, and reports
/// what the test sets. Handles are counted from 1; released or empty handles do nothing.
class FakeMidiService : public MidiService {
public:
    /// Every call so far, e.g. "StartSegment(p1,s1,0,2000)".
    std::vector<std::string> calls;
    /// Position GetPosition reports for any live segment state.
    int32_t position = 0;
    /// Length GetLength reports for any live segment.
    int32_t length = 0;
    /// What GetMusicNow reports.
    int32_t musicNow = 0;
    /// Time signature QueryTimeSignature reports.
    TimeSignatureRecord timeSignature{0, 4, 4, 4};
    /// Notices PollNotification hands out, oldest first.
    std::deque<BeatNotification> notices;
    /// Paths LoadSegmentFile refuses (gives an empty handle).
    std::vector<std::string> unloadable;
    /// What Problems() reports.
    MidiServiceProblems problems;

    /// The calls whose name starts with `prefix`, in order.
    std::vector<std::string> callsTo(const std::string& prefix) const;
    /// Forgets the recorded calls.
    void clearCalls() { calls.clear(); }
    /// The tempo factor last set on the live performance.
    float tempoFactor() const { return tempoFactor_; }

    LoaderHandle CreateLoader() override;
    PerformanceHandle CreatePerformance() override;
    void InitPerformance(PerformanceHandle performance) override;
    void SelectPort(PerformanceHandle performance, int port, int channelGroups) override;
    void SubscribeNotifications(PerformanceHandle performance, int kind) override;
    SegmentHandle LoadSegmentFile(LoaderHandle loader, const std::string& path) override;
    void MarkAsMidiFile(SegmentHandle segment) override;
    void DownloadInstruments(SegmentHandle segment, PerformanceHandle performance) override;
    void UnloadInstruments(SegmentHandle segment, PerformanceHandle performance) override;
    int32_t GetLength(SegmentHandle segment) override;
    void SetPlayFrom(SegmentHandle segment, int32_t start) override;
    int32_t GetMusicNow(PerformanceHandle performance) override;
    SegmentStateHandle StartSegment(PerformanceHandle performance, SegmentHandle segment, int flags,
                                    int32_t startTime) override;
    void StopSegment(PerformanceHandle performance, SegmentHandle segment, SegmentStateHandle state, int32_t time,
                     int flags) override;
    TimeSignatureRecord QueryTimeSignature(PerformanceHandle performance, int32_t time) override;
    int32_t GetPosition(SegmentStateHandle state) override;
    std::optional<BeatNotification> PollNotification(PerformanceHandle performance) override;
    void SetTempoFactor(PerformanceHandle performance, float factor) override;
    float GetTempoFactor(PerformanceHandle performance) override;
    void SetMasterVolume(PerformanceHandle performance, int32_t level) override;
    void SendChannelMessage(PerformanceHandle performance, int32_t time, int flags, int channel, int status,
                            int data1, int data2) override;
    void SendProgramChange(PerformanceHandle performance, int32_t time, int flags, int channel,
                           int program) override;
    void SendTranspose(PerformanceHandle performance, int32_t time, int flags, int channel, int semitones) override;
    void ShutDown(PerformanceHandle performance) override;
    void ResetPerformance(PerformanceHandle performance, int flags) override;
    void Release(PerformanceHandle& performance) override;
    void Release(SegmentHandle& segment) override;
    void Release(SegmentStateHandle& state) override;
    MidiServiceProblems Problems() const override { return problems; }

private:
    template <typename... Args>
    void record(const char* name, const Args&... args);
    bool live(PerformanceHandle p) const { return p && livePerformances_.count(p.id); }
    bool live(SegmentHandle s) const { return s && liveSegments_.count(s.id); }
    bool live(SegmentStateHandle s) const { return s && liveStates_.count(s.id); }

    uint32_t nextId_ = 1;
    std::set<uint32_t> livePerformances_, liveSegments_, liveStates_;
    float tempoFactor_ = 1.0f;
};

}  // namespace cantorino::test
