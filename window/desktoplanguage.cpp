#include "desktoplanguage.h"

#include "languagechoice.h"

#include <QLocale>

#include <cstdlib>
#include <string_view>

namespace {

std::string_view Variable(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

} // namespace

const Catalogue &DesktopCatalogue()
{
    return DesktopChoice(Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"),
                         Variable("LANG"));
}

std::string LocaleDecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}
