#pragma once

#include <QImage>

namespace cantorino::skin {

/// The program's icon: a round key of the skin carrying a microphone.
class AppIcon {
public:
    /// The icon at `size` x `size` pixels, painted at that size.
    static QImage paint(int size);
};

}  // namespace cantorino::skin
