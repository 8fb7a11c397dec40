#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installQtTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    // qt_bg names the other catalogues (qtbase_bg and the rest) and loads them.
    if (!translator->load(QStringLiteral("qt_bg"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
