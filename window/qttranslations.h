#pragma once

class QCoreApplication;

// Installs Qt's own Bulgarian texts (the fields' context menus: Undo, Copy,
// Select All, ...) whatever the desktop's language, since the rest of the
// window is Bulgarian. They come from Qt's translations folder (Debian's
// qt6-translations-l10n). False when they are missing; Qt's English stays.
bool installQtTranslations(QCoreApplication &app);
