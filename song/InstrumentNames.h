#pragma once

#include <cstdint>
#include <string>

namespace cantorino {

/// The General MIDI instrument names as the mixer shows them.
class InstrumentNames {
public:
    /// Number of General MIDI programs.
    static constexpr int kPrograms = 128;
    /// Name of program `p` (0..127), "Percussion" for 128, empty otherwise.
    static std::string GetPatch(int16_t p);
};

}  // namespace cantorino
