#include "PreloadFile.h"

#include <fstream>

namespace cantorino {

std::array<uint8_t, PreloadFile::kSize> PreloadFile::Bytes() {
    std::array<uint8_t, kSize> b{};
    constexpr uint8_t head[] = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 0x60,  // format 0, one track, 96 ticks per quarter
        'M', 'T', 'r', 'k', 0, 0, 0x01, 0x84,                 // 388 bytes, End of Track included
        0x00};                                                // delta time of the first event
    std::copy(std::begin(head), std::end(head), b.begin());
    for (int p = 0; p < 128; ++p) {
        b[23 + 3 * p] = 0xC0;  // program change, channel 1
        b[24 + 3 * p] = uint8_t(p);
        b[25 + 3 * p] = 0x01;  // one tick to the next event
    }
    b[407] = 0xFF;  // End of Track, one tick after the last program change
    b[408] = 0x2F;
    b[409] = 0x00;
    return b;
}

std::filesystem::path PreloadFile::Path(const std::filesystem::path& tempFolder) {
    return tempFolder / "filetemp.tmp";
}

bool PreloadFile::CreateFileTemp(const std::filesystem::path& tempFolder) {
    const auto bytes = Bytes();
    std::ofstream out(Path(tempFolder), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    return bool(out);
}

}  // namespace cantorino
