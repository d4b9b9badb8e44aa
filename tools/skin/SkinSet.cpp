#include "SkinSet.h"

#include <QDir>
#include <QSaveFile>

#include "AppIcon.h"
#include "FaceKeys.h"
#include "FacePainter.h"
#include "HitMaps.h"
#include "Indicators.h"
#include "Layout.h"
#include "PanelPainter.h"

namespace cantorino::skin {

namespace {

/// Sizes of the program icon written beside the skin.
constexpr int kIconSizes[2] = {256, 48};

bool save(const QImage& image, const QString& path, QString& error)
{
    if (image.save(path, "PNG"))
        return true;
    error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

}  // namespace

SkinSet::SkinSet()
{
    const QImage bare = FacePainter::paint();
    const QImage face = FaceKeys::paint(bare, false);
    const QImage pressedFace = FaceKeys::paint(bare, true);
    const QRect buttons(kButtonSheetAt, kButtonSheetSize);
    const QRect songs(kSongSheetAt, kSongSheetSize);

    images_[QStringLiteral("Skin.png")] = face;
    images_[QStringLiteral("Image1.png")] = pressedFace.copy(buttons);
    images_[QStringLiteral("Image2.png")] = face.copy(buttons);
    images_[QStringLiteral("Image5.png")] = pressedFace.copy(kTab);
    images_[QStringLiteral("Image6.png")] = face.copy(kTab);
    images_[QStringLiteral("Image7.png")] = face.copy(songs);
    images_[QStringLiteral("Image8.png")] = pressedFace.copy(songs);
    images_[QStringLiteral("Image3.png")] = Indicators::marker();
    images_[QStringLiteral("Image4.png")] = Indicators::beatBar();
    images_[QStringLiteral("ButtonHitMap.png")] = HitMaps::transport();
    images_[QStringLiteral("SongButtonHitMap.png")] = HitMaps::songs();

    const QImage panel = PanelPainter::picture(face, false);
    images_[QStringLiteral("PanelBackground.png")] = panel;
    images_[QStringLiteral("Image9.png")] = PanelPainter::sprites(PanelPainter::picture(face, true));
    images_[QStringLiteral("Image10.png")] = PanelPainter::sprites(panel);
    images_[QStringLiteral("PanelHitMap.png")] = HitMaps::panel();
}

bool SkinSet::write(const QString& folder, QString& error) const
{
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/skin\">\n";
    for (const auto& [name, image] : images_) {
        if (!save(image, QDir(folder).filePath(name), error))
            return false;
        qrc += "    <file>" + name.toUtf8() + "</file>\n";
    }
    qrc += "  </qresource>\n</RCC>\n";

    QSaveFile file(QDir(folder).filePath(QStringLiteral("skin.qrc")));
    if (!file.open(QIODevice::WriteOnly) || file.write(qrc) != qrc.size() || !file.commit()) {
        error = QStringLiteral("cannot write %1").arg(file.fileName());
        return false;
    }
    return true;
}

bool SkinSet::writeIcons(const QString& folder, QString& error)
{
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    for (int size : kIconSizes) {
        const QString name = size == kIconSizes[0] ? QStringLiteral("cantorino.png")
                                                   : QStringLiteral("cantorino-%1.png").arg(size);
        if (!save(AppIcon::paint(size), QDir(folder).filePath(name), error))
            return false;
    }
    return true;
}

}  // namespace cantorino::skin
