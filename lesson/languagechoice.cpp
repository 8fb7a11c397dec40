#include "languagechoice.h"

#include "languages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace {

// "bg_BG.UTF-8", "bg-BG" and "bg@latin" give "bg"; "C.UTF-8" gives "C".
std::string_view LanguageOf(std::string_view tag)
{
    return tag.substr(0, tag.find_first_of(TagLanguageEnd));
}

bool SameLetters(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The locale that asks for no language in particular.
bool IsPlain(std::string_view language)
{
    return SameLetters(language, "C") || SameLetters(language, "POSIX");
}

// Every language's code, taken from the catalogues as the program is built,
// so that choosing a language reaches no catalogue's texts.
template <std::size_t... I> constexpr auto CodesOf(std::index_sequence<I...>)
{
    return std::array<std::string_view, sizeof...(I)>{Catalogues[I]->code.value...};
}
constexpr auto Codes = CodesOf(std::make_index_sequence<Catalogues.size()>());
constexpr std::string_view EnglishCode = English.code.value;

} // namespace

std::string_view LanguageOfTag(std::string_view tag)
{
    const std::string_view language = LanguageOf(tag);
    if (language.empty())
        return {};
    for (std::string_view code : Codes)
        if (SameLetters(code, language))
            return code;
    return {};
}

const Catalogue *CatalogueOfTag(std::string_view tag)
{
    const std::string_view code = LanguageOfTag(tag);
    return code.empty() ? nullptr : FindCatalogue(code);
}

const Catalogue &DesktopChoice(std::string_view language, std::string_view lcAll,
                               std::string_view lcMessages, std::string_view lang)
{
    bool namesALanguage = false;
    while (!language.empty()) {
        const std::size_t colon = language.find(':');
        const std::string_view entry = language.substr(0, colon);
        language = colon == std::string_view::npos ? "" : language.substr(colon + 1);
        if (LanguageOf(entry).empty() || IsPlain(LanguageOf(entry)))
            continue;
        if (const Catalogue *catalogue = CatalogueOfTag(entry))
            return *catalogue;
        namesALanguage = true;
    }
    if (namesALanguage)
        return English;

    for (std::string_view locale : {lcAll, lcMessages, lang}) {
        if (locale.empty())
            continue;
        if (LanguageOf(locale).empty() || IsPlain(LanguageOf(locale)))
            return Bulgarian;
        const Catalogue *catalogue = CatalogueOfTag(locale);
        return catalogue ? *catalogue : English;
    }
    return Bulgarian;
}

std::string_view PageChoiceCode(std::string_view address, std::string_view stored,
                                std::span<const std::string_view> browserTags)
{
    for (std::string_view asked : {address, stored})
        if (const std::string_view code = LanguageOfTag(asked); !code.empty())
            return code;
    for (std::string_view tag : browserTags)
        if (const std::string_view code = LanguageOfTag(tag); !code.empty())
            return code;
    return PageFallbackCode();
}

std::string_view PageFallbackCode()
{
    return EnglishCode;
}

const Catalogue &PageChoice(std::string_view address, std::string_view stored,
                            std::span<const std::string_view> browserTags)
{
    return *FindCatalogue(PageChoiceCode(address, stored, browserTags));
}
