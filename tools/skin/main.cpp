// make-skin: paints the player's skin, sprites and hit maps (resources/skin)
// and the program icon (resources/icons). The layout of the face is listed at
// the top of Layout.h and PanelLayout.h.
//
//   QT_QPA_PLATFORM=offscreen make-skin <skin-folder> <icon-folder>

#include <QGuiApplication>
#include <QTextStream>

#include "SkinSet.h"

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: make-skin <skin-folder> <icon-folder>\n";
        return 2;
    }
    QString error;
    const cantorino::skin::SkinSet skin;
    if (!skin.write(args[1], error) || !cantorino::skin::SkinSet::writeIcons(args[2], error)) {
        err << "make-skin: " << error << '\n';
        return 1;
    }
    return 0;
}
