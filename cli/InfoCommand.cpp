#include "InfoCommand.h"

#include "JsonWriter.h"
#include "MidiFile.h"
#include "SongReader.h"
#include "SongTitles.h"

namespace cantorino {
namespace {

void writeModel(JsonWriter& json, const SongModel& model, const Titles& titles) {
    json.beginObject();
    json.value("path", model.SongPath);
    json.beginArray("titles");
    for (const auto& t : titles) json.value({}, t);
    json.endArray();
    json.value("TempoMicros", model.TempoMicros);
    json.value("TicksPerSixteenth", model.TicksPerSixteenth);
    json.value("TempoBpm", double(model.TempoBpm));
    json.value("TickMs", model.TickMs);
    if (model.LyricTrack)
        json.value("lyricTrack", (long long)*model.LyricTrack);
    else
        json.value("lyricTrack", "all");
    json.value("encoding", encodingName(model.Encoding));
    json.beginArray("Syllables");
    for (const auto& r : model.Syllables) {
        json.beginObject({}, true);
        json.value("Time", r.Time);
        json.value("Duration", r.Duration);
        json.value("Text", r.Text);
        json.value("Length", (long long)r.Length);
        json.value("Column", (long long)r.Column);
        json.value("Line", (long long)r.Line);
        json.endObject();
    }
    json.endArray();
    json.beginArray("LyricLines");
    for (const auto& line : model.LyricLines) json.value({}, line);
    json.endArray();
    json.beginArray("Channels");
    for (const auto& c : model.Channels) {
        json.beginObject({}, true);
        json.value("ChannelNumber", (long long)c.ChannelNumber);
        json.value("Program", (long long)c.Program);
        json.value("ChannelVolume", (long long)c.ChannelVolume);
        json.value("ChannelBalance", (long long)c.ChannelBalance);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

}  // namespace

int runInfoCommand(const std::string& path, std::ostream& out, std::ostream& err) {
    std::vector<uint8_t> data;
    if (!readWholeFile(path, data)) {
        err << "cantorino-cli: cannot read " << path << "\n";
        return 1;
    }
    const MidiFile file = MidiFile::parse(std::move(data));
    if (!file.valid()) {
        err << "cantorino-cli: " << path << " is not a MIDI file\n";
        return 1;
    }
    SongModel model;
    model.SongPath = path;
    SongReader(model).ReadFile(file);
    JsonWriter json(out);
    writeModel(json, model, SongTitles::GetTitles(file));
    return 0;
}

}  // namespace cantorino
