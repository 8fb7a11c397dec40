#include "pagenames.h"

#include <algorithm>
#include <cstdio>

std::string elementId(const ControlEntry &entry)
{
    const auto sameName =
        std::count_if(Controls.begin(), Controls.end(),
                      [&](const ControlEntry &e) { return e.name == entry.name; });
    return std::string(entry.name) + (sameName > 1 ? std::to_string(entry.index) : "");
}

std::string cssColour(std::uint32_t bgr)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", bgr & 0xFF, (bgr >> 8) & 0xFF,
                  (bgr >> 16) & 0xFF);
    return text;
}
