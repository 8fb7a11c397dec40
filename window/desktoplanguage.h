#pragma once

#include "catalogue.h"

// The window's language, chosen from this process's environment by the
// desktop's rule (DesktopChoice in languagechoice.h): LANGUAGE, then LC_ALL,
// LC_MESSAGES and LANG.
const Catalogue &DesktopCatalogue();

#include <string>

// What the locale writes between a number's whole and its fraction, for the
// window and the command line alike.
std::string LocaleDecimalSeparator();
