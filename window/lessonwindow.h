#pragma once

// The program's top-level window: the client area (MainWindow, as it always
// was) with a menu bar above it and a side panel to its right holding
// Euclid's way, "Your answer" and the picture of the equation, each shown or
// hidden from the View menu.
// The window keeps a fixed size, which follows the panels and the zoom.
//
// Zoom scales everything as a scale factor given at start would: the client
// area's geometry from the control table, the panel and the fonts.

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
    void SetZoom(double zoom);

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
    void keepOnScreen();
    void showAccount();

    const Catalogue &language_;
    MainWindow *client_ = nullptr;
    QWidget *side_ = nullptr;
    EuclidPanel *euclid_ = nullptr;
    AnswerPanel *answer_ = nullptr;
    PicturePanel *picture_ = nullptr;
    QMenu *fileMenu_ = nullptr;
    QMenu *viewMenu_ = nullptr;
    std::array<QAction *, static_cast<std::size_t>(Command::Count)> actions_{};
    double zoom_ = 1;
};
