#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installQtTranslations(QCoreApplication &app, std::string_view language)
{
    if (language == "en")
        return false;
    auto *translator = new QTranslator(&app);
    // qt_bg names the other catalogues (qtbase_bg and the rest) and loads them.
    const QString name =
        QStringLiteral("qt_") + QString::fromUtf8(language.data(), qsizetype(language.size()));
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
