#pragma once

#include <QImage>

namespace cantorino::skin {

/// Paints the thirteen keys of the face (eight transport buttons, four song
/// keys, the preferences tab) in one state onto a copy of the bare face.
class FaceKeys {
public:
    /// `bare` with every key painted released, or pressed when `pressed`.
    static QImage paint(const QImage& bare, bool pressed);
};

}  // namespace cantorino::skin
