#pragma once

#include <string_view>

class QCoreApplication;

// Installs Qt's own texts (the fields' context menus: Undo, Copy, Select
// All, ...) in the window's language, so that they speak as the rest of the
// window does. They come from Qt's translations folder (Debian's
// qt6-translations-l10n). Qt's texts are English already, so English needs
// none. False when none were installed; Qt's English stays.
bool installQtTranslations(QCoreApplication &app, std::string_view language);
