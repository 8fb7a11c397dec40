#include "worksheetcommand.h"

#include "desktoplanguage.h"
#include "languages.h"
#include "messagefill.h"
#include "worksheetdocument.h"
#include "worksheetoptions.h"
#include "worksheetpdf.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace {

int Complain(const std::string &message, int status)
{
    std::fprintf(stderr, "velmora: %s\n", message.c_str());
    return status;
}

std::uint32_t DrawnCode()
{
    std::random_device device;
    return WorksheetCode(device());
}

bool IsWorksheetFlag(std::string_view name)
{
    return name == "zeros" || name == "euclid";
}

// Qt's chatter (a missing XDG_RUNTIME_DIR and the like) is no concern of
// someone writing a PDF; only its fatal messages stay.
void QuietQt(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "velmora: %s\n", qPrintable(message));
}

} // namespace

int RunWorksheetCommand(int argc, char *argv[])
{
    const Catalogue &desktop = DesktopCatalogue();
    WorksheetChoices choices;
    choices.language = std::string(desktop.code);
    std::optional<std::string> output;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--worksheet")
            continue;
        if (arg == "-o" || arg == "--output") {
            if (i + 1 >= argc)
                return Complain(std::string(desktop.worksheet.missingOutput), 2);
            output = argv[++i];
            continue;
        }
        if (arg.starts_with("--output=")) {
            output = std::string(arg.substr(9));
            continue;
        }
        std::string name(arg);
        std::string value;
        if (arg.starts_with("--")) {
            const std::string_view option = arg.substr(2);
            const std::size_t equals = option.find('=');
            name = std::string(option.substr(0, equals));
            if (equals != std::string_view::npos)
                value = std::string(option.substr(equals + 1));
            else if (!IsWorksheetFlag(name) && i + 1 < argc)
                value = argv[++i];
        }
        if (const auto problem = ApplyWorksheetOption(choices, name, value)) {
            const std::string_view prefix = arg.starts_with("--") ? "--" : "";
            return Complain(OptionProblemText(*problem, desktop, prefix), 2);
        }
    }
    if (!output || output->empty())
        return Complain(std::string(desktop.worksheet.missingOutput), 2);

    if (choices.code == 0) {
        choices.code = DrawnCode();
        std::printf("%u\n", static_cast<unsigned>(choices.code));
        std::fflush(stdout);
    }
    const Catalogue &language = *FindCatalogue(choices.language);
    const SheetDocument document = ChosenWorksheetDocument(choices);

    // Paper needs no screen: the offscreen platform, whatever the session has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQt);
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QGuiApplication application(qtArgc, qtArgv);

    // Written beside the target and renamed over it only when whole.
    QSaveFile file(QString::fromLocal8Bit(output->c_str()));
    const std::string cannotWrite =
        FillMessage(language.worksheet.cannotWrite, {{"file", *output}});
    if (!file.open(QIODevice::WriteOnly) || !WriteWorksheetPdf(document, file) || !file.commit())
        return Complain(cannotWrite, 1);
    return 0;
}
