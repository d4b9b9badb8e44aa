#include "RenderCommand.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>

#include "FluidSynthService.h"
#include "Segment.h"
#include "SynthHost.h"
#include "WavWriter.h"

namespace cantorino {
namespace {

constexpr uint32_t kSampleRate = 44100;
constexpr double kReleaseSeconds = 1.0;
constexpr int kBlock = 4096;
constexpr int kDrumChannel = 9;

struct RenderRequest {
    std::string song;
    std::string output;
    double tempo = 1.0;
    int transpose = 0;
    std::string soundFont;
};

template <typename T>
std::optional<T> parseNumber(const std::string& text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

/// Reads the arguments; on error returns nullopt and the message in `error`.
std::optional<RenderRequest> parseArguments(const std::vector<std::string>& args, std::string& error) {
    RenderRequest r;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a != "--tempo" && a != "--transpose" && a != "--soundfont") {
            if (a.starts_with("--")) {
                error = "unknown option " + a;
                return std::nullopt;
            }
            positional.push_back(a);
            continue;
        }
        if (i + 1 == args.size()) {
            error = a + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (a == "--soundfont") {
            r.soundFont = value;
        } else if (a == "--tempo") {
            const auto f = parseNumber<double>(value);
            if (!f || !(*f >= 0.01 && *f <= 100)) {
                error = "--tempo must be a number from 0.01 to 100, not " + value;
                return std::nullopt;
            }
            r.tempo = *f;
        } else {
            const auto n = parseNumber<int>(value);
            if (!n || *n < -48 || *n > 48) {
                error = "--transpose must be a whole number of semitones from -48 to 48, not " + value;
                return std::nullopt;
            }
            r.transpose = *n;
        }
    }
    if (positional.size() != 2) {
        error = "usage: cantorino-cli render SONG OUT.wav [--tempo F] [--transpose N] [--soundfont PATH]";
        return std::nullopt;
    }
    r.song = positional[0];
    r.output = positional[1];
    return r;
}

void drawProgress(std::ostream& err, uint64_t done, uint64_t total) {
    constexpr int kWidth = 40;
    const int filled = int(done * kWidth / std::max<uint64_t>(total, 1));
    err << "\r[" << std::string(size_t(filled), '#') << std::string(size_t(kWidth - filled), '.') << "] "
        << done * 100 / std::max<uint64_t>(total, 1) << "%" << std::flush;
}

int fail(std::ostream& err, const std::string& message) {
    err << "cantorino-cli render: " << message << "\n";
    return 1;
}

}  // namespace

int runRenderCommand(const std::vector<std::string>& args, std::ostream& err, bool progress) {
    std::string error;
    const auto request = parseArguments(args, error);
    if (!request) return fail(err, error);

    const auto song = Segment::load(request->song);
    if (!song) return fail(err, request->song + " cannot be read or is not a MIDI file");
    const std::string soundFont = SynthHost::locateSoundFont(request->soundFont);
    if (soundFont.empty()) return fail(err, "no SoundFont found; give one with --soundfont or CANTORINO_SOUNDFONT");

    const double seconds = song->tempoMap().secondsAt(song->length()) / request->tempo + kReleaseSeconds;
    const auto total = uint64_t(std::ceil(seconds * kSampleRate));
    if (total > WavWriter::kMaxFrames) return fail(err, request->song + " is too long for a WAV file at this tempo");

    FluidSynthOptions options;
    options.offline = true;
    options.soundFont = soundFont;
    options.sampleRate = kSampleRate;
    FluidSynthService service(options);
    if (service.Problems().noSoundFont) return fail(err, "cannot load the SoundFont " + soundFont);
    const auto loader = service.CreateLoader();
    auto performance = service.CreatePerformance();
    service.InitPerformance(performance);
    auto segment = service.LoadSegmentFile(loader, request->song);
    if (!segment) return fail(err, request->song + " cannot be read or is not a MIDI file");
    service.SetTempoFactor(performance, float(request->tempo));
    for (int channel = 0; channel < 16; ++channel)
        if (channel != kDrumChannel) service.SendTranspose(performance, 0, 1, channel, request->transpose);
    service.StartSegment(performance, segment, 0, 0);

    WavWriter wav(request->output, uint32_t(total), kSampleRate);
    if (!wav.ok()) return fail(err, "cannot write " + request->output);
    std::vector<float> left(kBlock), right(kBlock);
    for (uint64_t done = 0; done < total;) {
        const int n = int(std::min<uint64_t>(kBlock, total - done));
        service.renderFrames(left.data(), right.data(), n);
        if (!wav.write(left.data(), right.data(), size_t(n))) return fail(err, "cannot write " + request->output);
        done += uint64_t(n);
        if (progress && (done % (kBlock * 16) == 0 || done == total)) drawProgress(err, done, total);
    }
    if (progress) err << "\n";
    if (!wav.commit()) return fail(err, "cannot write " + request->output);
    return 0;
}

}  // namespace cantorino
