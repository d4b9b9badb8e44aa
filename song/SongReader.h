#pragma once

#include <string>

#include "SongModel.h"

namespace cantorino {

class MidiFile;

/// Outcome of reading a song file.
enum class ReadStatus { Ok, CannotOpen, NotMidi };

/// Reads the file named by SongPath into the song model: timing, lyric records and lines,
/// channel table. Works on the model it is given; the caller owns it.
class SongReader {
public:
    /// Works on `model`, which must outlive the reader.
    explicit SongReader(SongModel& model) : model_(model) {}

    /// Loads SongPath and fills the model. On failure the model is left as ZeroVariables made it.
    ReadStatus ReadFile();
    /// Fills the model from an already parsed file (SongData is taken from it).
    void ReadFile(const MidiFile& file);
    /// Clears the song model back to the no-song state; path, data and timing stay.
    void ZeroVariables();

private:
    void readTiming(const MidiFile& file);
    void readChannels(const MidiFile& file);

    SongModel& model_;
};

/// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& out);

}  // namespace cantorino
