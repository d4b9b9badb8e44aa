#pragma once

#include <QString>
#include <cstdint>

namespace cantorino {

/// Milliseconds of `musicTime` (768 units per quarter) at a tempo of `tempoMicros` per quarter.
inline double musicTimeToMs(double musicTime, double tempoMicros) { return musicTime * tempoMicros / 768000.0; }

/// "mm:ss" for a music time played at the song's first tempo.
inline QString formatMinutesSeconds(int32_t musicTime, double tempoMicros) {
    const auto seconds = int64_t(musicTimeToMs(musicTime < 0 ? 0 : musicTime, tempoMicros) / 1000);
    return QString("%1:%2").arg(seconds / 60, 2, 10, QChar('0')).arg(seconds % 60, 2, 10, QChar('0'));
}

}  // namespace cantorino
