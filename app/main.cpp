#include "commandline.h"
#include "desktoplanguage.h"
#include "lessonwindow.h"
#include "worksheetcommand.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

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

// Says why the window cannot open, in the desktop's language.
void complain(std::string_view message)
{
    std::fprintf(stderr, "velmora: %.*s\n", static_cast<int>(message.size()), message.data());
}

// A display that is named but cannot be reached (a stale DISPLAY over ssh)
// only shows when Qt tries it, and Qt then aborts the same way. Its warnings
// before that name the display; its fatal message is replaced.
void platformFailed(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    complain(DesktopCatalogue().messages.displayFailed);
    std::_Exit(1);
}

int print(const CommandLineResult &result)
{
    std::fwrite(result.out.data(), 1, result.out.size(), stdout);
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return std::fflush(stdout) == 0 ? result.status : 1;
}

CommandLineRequest read(const std::vector<std::string> &words)
{
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    return ReadCommandLine(arguments, DesktopCatalogue(), LocaleDecimalSeparator());
}

} // namespace

int main(int argc, char *argv[])
{
    const CommandLineRequest request = read(std::vector<std::string>(argv + 1, argv + argc));
    if (request.mode == CommandLineRequest::Mode::Worksheet)
        return RunWorksheetCommand(request, argv[0]);
    if (request.mode != CommandLineRequest::Mode::Window) {
        // --help, --version and --explain print and exit, with no display
        // needed, as do the refusals.
        ClockRandom clock;
        const RandomSource random = [&clock] { return clock(); };
        // The window's decimal separator too: the locale's numbers.
        const std::string separator = LocaleDecimalSeparator();
        return print(RunCommandLine(request, {separator, random, VELMORA_VERSION}));
    }

    const Catalogue &language = DesktopCatalogue();
    if (!platformReachable(argc, argv)) {
        complain(language.messages.noDisplay);
        return 1;
    }

    qtHandler = qInstallMessageHandler(platformFailed);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    // Whatever Qt has not taken as its own is no option of anyone's.
    std::vector<std::string> left;
    for (const QString &argument : QCoreApplication::arguments().mid(1))
        left.push_back(argument.toStdString());
    if (const CommandLineRequest rest = read(left); !rest.fault.empty())
        return print(Refusal(rest.fault));
    // Matches the installed desktop entry, so Wayland shells find its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmora.Velmora"));

    LessonWindow window(ClockRandom(), language);
    window.show();
    return app.exec();
}
