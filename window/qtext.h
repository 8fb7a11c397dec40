#pragma once

#include <QString>

#include <string_view>

// A text of the catalogues or of the visit, which are UTF-8, as Qt shows it.
inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
