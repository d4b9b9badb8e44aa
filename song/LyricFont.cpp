#include "LyricFont.h"

#include <charconv>
#include <cmath>

namespace cantorino {

double LyricFont::MaximumSize(std::string_view setting) {
    while (!setting.empty() && setting.front() == ' ') setting.remove_prefix(1);
    while (!setting.empty() && setting.back() == ' ') setting.remove_suffix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(setting.data(), setting.data() + setting.size(), value);
    if (ec != std::errc() || end != setting.data() + setting.size() || !std::isfinite(value) || value <= 0)
        return kDefaultMaximumSize;
    return value;
}

double LyricFont::FitSize(const std::vector<std::string>& lines, const MeasureText& measure,
                          double boxWidth, double maximumSize) {
    double size = maximumSize;
    const std::string* widest = nullptr;
    double widestWidth = 0;
    for (const auto& line : lines) {
        const double w = measure(size, line);
        if (!widest || w > widestWidth) {
            widest = &line;
            widestWidth = w;
        }
    }
    if (!widest) return size;
    while (!(boxWidth - 10 > widestWidth) && size - 1 >= kMinimumSize) {
        size -= 1;
        widestWidth = measure(size, *widest);
    }
    return size;
}

}  // namespace cantorino
