#pragma once

#include <QByteArray>

#include <string_view>

// The window as designed, as data: controls, geometry, colours, tab order,
// ranges, and per language the captions, accessible names, introduction and
// the page's cannot-load message. The page's tests read it instead of the
// C++ tables.
QByteArray designJson(std::string_view cannotLoad);
