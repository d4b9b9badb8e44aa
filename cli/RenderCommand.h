#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cantorino {

/// `cantorino-cli render SONG OUT.wav [--tempo F] [--transpose N] [--soundfont PATH]`:
/// renders the whole song and a second of release to a 16-bit stereo 44.1 kHz WAV file.
/// `args` are the words after "render"; errors go to `err` as one line; a progress bar is
/// drawn there too when `progress` is set. Returns the exit status: 0, or 1 on any error,
/// in which case no output file is left behind.
int runRenderCommand(const std::vector<std::string>& args, std::ostream& err, bool progress);

}  // namespace cantorino
