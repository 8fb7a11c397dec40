#pragma once

#include "catalogue.h"

#include <string_view>

// The window's language, as Linux programs choose theirs: the first language
// of LANGUAGE (a colon list) that has a catalogue; else the first of LC_ALL,
// LC_MESSAGES and LANG that is set. Bulgarian for bg and for C, POSIX or no
// locale at all; English for any language without a catalogue. LANGUAGE
// counts even under the C locale, so that LANGUAGE=en alone gives English.
const Catalogue &ChooseCatalogue(std::string_view language, std::string_view lcAll,
                                 std::string_view lcMessages, std::string_view lang);

// ChooseCatalogue over this process's environment.
const Catalogue &DesktopCatalogue();
