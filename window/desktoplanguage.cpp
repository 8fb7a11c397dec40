#include "desktoplanguage.h"

#include "languages.h"

#include <cstdlib>

namespace {

// "bg_BG.UTF-8" and "bg@latin" give "bg"; "C.UTF-8" gives "C".
std::string_view LanguageOf(std::string_view locale)
{
    return locale.substr(0, locale.find_first_of("_.@"));
}

bool IsPlain(std::string_view language)
{
    return language == "C" || language == "POSIX";
}

std::string_view Variable(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

} // namespace

const Catalogue &ChooseCatalogue(std::string_view language, std::string_view lcAll,
                                 std::string_view lcMessages, std::string_view lang)
{
    bool namesALanguage = false;
    while (!language.empty()) {
        const std::size_t colon = language.find(':');
        const std::string_view entry = LanguageOf(language.substr(0, colon));
        language = colon == std::string_view::npos ? "" : language.substr(colon + 1);
        if (entry.empty() || IsPlain(entry))
            continue;
        if (const Catalogue *catalogue = FindCatalogue(entry))
            return *catalogue;
        namesALanguage = true;
    }
    if (namesALanguage)
        return English;

    for (std::string_view locale : {lcAll, lcMessages, lang}) {
        if (locale.empty())
            continue;
        const std::string_view code = LanguageOf(locale);
        if (IsPlain(code) || code.empty())
            return Bulgarian;
        const Catalogue *catalogue = FindCatalogue(code);
        return catalogue ? *catalogue : English;
    }
    return Bulgarian;
}

const Catalogue &DesktopCatalogue()
{
    return ChooseCatalogue(Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"),
                           Variable("LANG"));
}
