#include <QApplication>
#include <QTextStream>

#include "CommandLine.h"
#include "FluidSynthService.h"
#include "MainWindow.h"
#include "SettingsAccess.h"
#include "Version.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Cantorino");
    QApplication::setApplicationVersion(kCantorinoVersion);
    QApplication::setQuitOnLastWindowClosed(true);

    const cantorino::CommandLine commandLine = cantorino::CommandLine::Parse(app.arguments().mid(1));
    if (commandLine.showHelp) {
        QTextStream(stdout) << cantorino::CommandLine::Usage();
        return 0;
    }
    if (commandLine.showVersion) {
        QTextStream(stdout) << "cantorino " << kCantorinoVersion << "\n";
        return 0;
    }

    cantorino::FluidSynthService service;
    const cantorino::SettingsAccess settings(QApplication::applicationDirPath().toStdString());
    cantorino::MainWindow window(service, settings, commandLine);
    window.Form_Load();
    window.show();
    return app.exec();
}
