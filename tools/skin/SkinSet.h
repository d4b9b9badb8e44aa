#pragma once

#include <QImage>
#include <QString>
#include <map>

namespace cantorino::skin {

/// Every picture of the skin under its file name, painted once, and the
/// writing of them with their resource list.
class SkinSet {
public:
    /// Paints all pictures of the skin.
    SkinSet();

    /// The pictures by file name ("Skin.png", "Image1.png", ...).
    const std::map<QString, QImage>& images() const { return images_; }
    /// Writes every picture and skin.qrc into `folder`; false with `error` set on failure.
    bool write(const QString& folder, QString& error) const;
    /// Writes the program icon in its sizes into `folder`; false with `error` set on failure.
    static bool writeIcons(const QString& folder, QString& error);

private:
    std::map<QString, QImage> images_;
};

}  // namespace cantorino::skin
