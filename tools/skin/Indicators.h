#pragma once

#include <QImage>

namespace cantorino::skin {

/// The two small moving pictures of the face.
class Indicators {
public:
    /// The progress marker, 17 x 13, transparent around its rounded body.
    static QImage marker();
    /// The beat bar, 24 x 5, stretched sideways as the measure fills.
    static QImage beatBar();
};

}  // namespace cantorino::skin
