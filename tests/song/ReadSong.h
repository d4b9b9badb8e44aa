#pragma once

#include "MidiFile.h"
#include "SmfWriter.h"
#include "SongReader.h"

namespace cantorino::test {

/// The song model of a file built in code.
inline SongModel readSong(const SmfWriter& song) {
    SongModel model;
    SongReader(model).ReadFile(MidiFile::parse(song.bytes()));
    return model;
}

}  // namespace cantorino::test
