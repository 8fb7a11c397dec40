#pragma once

// A shown, active window whose fills draw `draws`; null where the server
// never showed or activated it.

#include "mainwindow.h"
#include "scripteddraws.h"

#include <QTest>

#include <memory>

inline std::unique_ptr<MainWindow> openActiveWindow(const std::shared_ptr<ScriptedDraws> &draws)
{
    auto window = std::make_unique<MainWindow>(scriptedSource(draws));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}
