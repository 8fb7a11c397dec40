#include "mainwindow.h"
#include "qttranslations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installQtTranslations(app);
    // Matches the installed desktop entry, so Wayland shells find its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmora.Velmora"));

    MainWindow window;
    window.show();
    return app.exec();
}
