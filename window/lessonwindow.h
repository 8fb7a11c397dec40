#pragma once

// The program's top-level window: the client area (MainWindow, as it always
// was) with a menu bar above it and a side panel to its right holding
// Euclid's way, "Your answer" and the picture of the equation, each shown or
// hidden from the View menu.
// The client area keeps its designed size at the top left; the side panel
// takes the rest of the window's width and all its height, and scrolls inside
// itself where its panels need more. Zoom and the panels give the window its
// natural size, as far as its screen holds it; dragged larger by hand, the
// window gives the room to the panels.
//
// Zoom scales everything as a scale factor given at start would: the client
// area's geometry from the control table, the panel and the fonts. It goes
// no higher than the step at which the client area, and the side panel at
// its narrowest, still fit on the screen.

#include "calculation.h"
#include "catalogue.h"
#include "clockrandom.h"
#include "desktoplanguage.h"
#include "value.h"

#include <QMainWindow>

#include <array>

QT_BEGIN_NAMESPACE
class QAction;
class QMenu;
class QScrollArea;
QT_END_NAMESPACE

class AnswerPanel;
class EuclidPanel;
class PicturePanel;
class MainWindow;

class LessonWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit LessonWindow(RandomSource random = ClockRandom(),
                          const Catalogue &language = DesktopCatalogue());

    MainWindow &Client() const { return *client_; }
    EuclidPanel &Euclid() const { return *euclid_; }
    AnswerPanel &Answer() const { return *answer_; }
    PicturePanel &Picture() const { return *picture_; }

    // The zoom steps, smallest first; 1 is the table's own size.
    static constexpr std::array<double, 8> ZoomSteps = {0.75, 1, 1.25, 1.5, 1.75, 2, 2.5, 3};
    double Zoom() const { return zoom_; }
    // The step asked for or, where that would not fit on the screen, the
    // largest smaller one that does.
    void SetZoom(double zoom);
    // The panels beside the client area, scrolled inside when they need
    // more room than the window has.
    QScrollArea *Side() const { return side_; }
    // The least the panels are given beside the client area when the screen
    // has no more room, at zoom 1: Euclid's way still wraps at some thirty
    // characters.
    static constexpr int SideLeastWidth = 240;

    enum class Command {
        Worksheet,
        Quit,
        EuclidPanel,
        AnswerPanel,
        PicturePanel,
        ZoomIn,
        ZoomOut,
        ActualSize,
        Count
    };
    QAction *Action(Command command) const;
    QMenu *FileMenu() const { return fileMenu_; }
    QMenu *ViewMenu() const { return viewMenu_; }

    // The worksheet dialog, modal to this window; returns when it closes.
    void OpenWorksheet();

private:
    void createMenus();
    void step(int direction);
    void showPanels();
    void applyZoom(double zoom);
    // The window's frame at `zoom` at its narrowest fits the screen's
    // available room.
    bool fits(double zoom) const;
    QSize room() const;
    int sideMinimum(double zoom) const;
    void fitToScreen();
    void keepOnScreen();
    void showAccount();

    const Catalogue &language_;
    MainWindow *client_ = nullptr;
    QScrollArea *side_ = nullptr;
    EuclidPanel *euclid_ = nullptr;
    AnswerPanel *answer_ = nullptr;
    PicturePanel *picture_ = nullptr;
    QMenu *fileMenu_ = nullptr;
    QMenu *viewMenu_ = nullptr;
    std::array<QAction *, static_cast<std::size_t>(Command::Count)> actions_{};
    double zoom_ = 1;
};
