#pragma once

#include <ostream>
#include <string>

namespace cantorino {

/// `cantorino-cli info SONG`: the song model as JSON on `out`; returns the exit status.
int runInfoCommand(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace cantorino
