#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace cantorino {

/// Chooses the lyric font size at which the widest lyric line fits the lyric box.
class LyricFont {
public:
    /// Width in pixels of `line` drawn at font size `points`.
    using MeasureText = std::function<double(double points, const std::string& line)>;

    /// Smallest size the fitting goes down to; a line too wide even there is drawn clipped.
    static constexpr double kMinimumSize = 6;
    /// Size used when the "MaxFontSize" setting is not a positive number.
    static constexpr double kDefaultMaximumSize = 24;

    /// The starting size from the "MaxFontSize" setting text.
    static double MaximumSize(std::string_view setting);

    /// Picks the widest line at `maximumSize` (the first of equal widths), then goes down one
    /// point at a time until it is narrower than `boxWidth` − 10, stopping at kMinimumSize.
    static double FitSize(const std::vector<std::string>& lines, const MeasureText& measure,
                          double boxWidth, double maximumSize);
};

}  // namespace cantorino
