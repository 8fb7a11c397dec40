#include "worksheetcommand.h"

#include "drawncode.h"
#include "placeholders.h"
#include "worksheetdocument.h"
#include "worksheetoptions.h"
#include "worksheetpdf.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <string>

namespace {

int Complain(const std::string &message, int status)
{
    std::fprintf(stderr, "velmora: %s\n", message.c_str());
    return status;
}

// Qt's chatter (a missing XDG_RUNTIME_DIR and the like) is no concern of
// someone writing a PDF; only its fatal messages stay.
void QuietQt(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "velmora: %s\n", qPrintable(message));
}

} // namespace

int RunWorksheetCommand(const CommandLineRequest &request, char *program)
{
    WorksheetChoices choices = request.choices;
    const std::string &output = request.output;
    if (choices.code == 0) {
        choices.code = DrawnWorksheetCode();
        std::printf("%u\n", static_cast<unsigned>(choices.code));
        std::fflush(stdout);
    }
    const Catalogue &language = *request.language;
    const SheetDocument document = ChosenWorksheetDocument(choices);

    // Paper needs no screen: the offscreen platform, whatever the session has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQt);
    int qtArgc = 1;
    char *qtArgv[] = {program, nullptr};
    QGuiApplication application(qtArgc, qtArgv);

    // Written beside the target and renamed over it only when whole.
    QSaveFile file(QString::fromLocal8Bit(output.c_str()));
    const std::string cannotWrite =
        FillPlaceholders(language.worksheet.cannotWrite, {{"file", output}});
    if (!file.open(QIODevice::WriteOnly) || !WriteWorksheetPdf(document, file) || !file.commit())
        return Complain(cannotWrite, 1);
    return 0;
}
