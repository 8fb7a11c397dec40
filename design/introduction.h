#pragma once

#include "catalogue.h"

#include <string>

// The introduction as its field shows it, in the window and on the page:
// each paragraph a line of its own.
inline std::string IntroductionText(const Catalogue &catalogue)
{
    std::string text;
    for (const std::string_view paragraph : catalogue.introduction.lines) {
        text += paragraph;
        text += '\n';
    }
    return text;
}
