#pragma once

#include <string_view>

// What the page tells search results, shared links and the home screen
// about Velmora, in the window's language.
inline constexpr std::string_view PageDescription =
    "Velmora решава линейното диофантово уравнение Ax + By = C в цели числа стъпка по стъпка: "
    "НОД, частно и общо решение, проверка. Работи и без интернет.";
