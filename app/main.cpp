#include "mainwindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Without a display Qt aborts with a core dump and advice to reinstall. The
// platforms that need none (offscreen, vnc, eglfs...) are only ever chosen
// on purpose, by QT_QPA_PLATFORM or -platform, so those are left to Qt.
bool platformReachable(int argc, char *argv[])
{
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("WAYLAND_SOCKET") ||
        isSet("QT_QPA_PLATFORM")) {
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    return false;
}

QtMessageHandler qtHandler = nullptr;

// A display that is named but cannot be reached (a stale DISPLAY over ssh)
// only shows when Qt tries it, and Qt then aborts the same way. Its warnings
// before that name the display; its fatal message is replaced.
void platformFailed(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    std::fputs(
        "velmora: прозорецът не може да се отвори (няма връзка с дисплея или липсва приставка"
        " на Qt) / the window cannot be opened (the display cannot be reached or a Qt platform"
        " plugin is missing)\n",
        stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!platformReachable(argc, argv)) {
        std::fputs("velmora: няма дисплей за прозореца (не е зададен DISPLAY или WAYLAND_DISPLAY)"
                   " / no display for the window (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
                   stderr);
        return 1;
    }

    qtHandler = qInstallMessageHandler(platformFailed);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    // Matches the installed desktop entry, so Wayland shells find its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmora.Velmora"));

    MainWindow window;
    window.show();
    return app.exec();
}
