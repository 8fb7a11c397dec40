#pragma once

#include "catalogues.h"

#include <string_view>

// The catalogue whose code is `code`, or nullptr.
constexpr const Catalogue *FindCatalogue(std::string_view code)
{
    for (const Catalogue *catalogue : Catalogues)
        if (catalogue->code.value == code)
            return catalogue;
    return nullptr;
}

// Bulgarian is the program's first language, and what it speaks where no
// language is asked for; English serves every language without a catalogue.
inline constexpr const Catalogue &Bulgarian = *FindCatalogue("bg");
inline constexpr const Catalogue &English = *FindCatalogue("en");
