#include "lessonwindow.h"

#include "answerpanel.h"
#include "controltable.h"
#include "euclidpanel.h"
#include "mainwindow.h"
#include "picturepanel.h"
#include "qtext.h"
#include "worksheetdialog.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The side panel at zoom 1, in logical pixels: as high as the client area,
// and wide enough for two answer entries of twenty digits side by side.
constexpr int PanelWidth = 540;

int scaled(int pixels, double zoom)
{
    return static_cast<int>(std::lround(pixels * zoom));
}

QFont programFont(double zoom)
{
    QFont font(qs(FontFamily));
    font.setPointSizeF(FontPointSize * zoom);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace

LessonWindow::LessonWindow(RandomSource random, const Catalogue &language) : language_(language)
{
    client_ = new MainWindow(std::move(random), language, this);
    setWindowTitle(client_->windowTitle());
    setWindowIcon(client_->windowIcon());
    setFont(programFont(1));

    euclid_ = new EuclidPanel(*client_, language, this);
    answer_ = new AnswerPanel(*client_, language, this);
    picture_ = new PicturePanel(language, this);
    auto *panels = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(panels);
    sideLayout->addWidget(euclid_, 1);
    sideLayout->addWidget(answer_, 1);
    sideLayout->addWidget(picture_, 1);
    // Where the window cannot give the panels what they need, they scroll
    // rather than run off the window's edge.
    side_ = new QScrollArea(this);
    side_->setFrameShape(QFrame::NoFrame);
    side_->setFocusPolicy(Qt::NoFocus);
    side_->setWidgetResizable(true);
    side_->setWidget(panels);

    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(client_, 0, Qt::AlignTop);
    // Any room beyond the client area's is the panels'.
    row->addWidget(side_, 1);
    setCentralWidget(central);

    createMenus();
    connect(client_, &MainWindow::visitShown, this, &LessonWindow::showAccount);
    showAccount();
    euclid_->hide();
    answer_->hide();
    picture_->hide();
    showPanels();
    SetZoom(1);

    // The client area had the focus before it came here.
    client_->Pole(0)->setFocus();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void LessonWindow::createMenus()
{
    const MenuTexts &t = language_.menus;
    const auto add = [this](Command command, QMenu *menu, std::string_view text,
                            const QList<QKeySequence> &keys) {
        QAction *action = menu->addAction(qs(text));
        action->setShortcuts(keys);
        actions_[static_cast<std::size_t>(command)] = action;
        return action;
    };

    fileMenu_ = menuBar()->addMenu(qs(t.file));
    connect(add(Command::Worksheet, fileMenu_, t.worksheet, {QKeySequence(Qt::CTRL | Qt::Key_P)}),
            &QAction::triggered, this, &LessonWindow::OpenWorksheet);
    fileMenu_->addSeparator();
    connect(add(Command::Quit, fileMenu_, t.quit, {QKeySequence(Qt::CTRL | Qt::Key_Q)}),
            &QAction::triggered, this, &QWidget::close);

    viewMenu_ = menuBar()->addMenu(qs(t.view));
    QAction *euclid = add(Command::EuclidPanel, viewMenu_, t.euclidPanel, {Qt::Key_F2});
    QAction *answer = add(Command::AnswerPanel, viewMenu_, t.answerPanel, {Qt::Key_F3});
    QAction *picture = add(Command::PicturePanel, viewMenu_, language_.picture.menu, {Qt::Key_F4});
    for (QAction *panel : {euclid, answer, picture}) {
        panel->setCheckable(true);
        connect(panel, &QAction::toggled, this, &LessonWindow::showPanels);
    }
    viewMenu_->addSeparator();
    // Ctrl++ needs Shift on most keyboards; Ctrl+= is the same key without.
    connect(add(Command::ZoomIn, viewMenu_, t.zoomIn,
                {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}),
            &QAction::triggered, this, [this] { step(+1); });
    connect(add(Command::ZoomOut, viewMenu_, t.zoomOut, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}),
            &QAction::triggered, this, [this] { step(-1); });
    connect(add(Command::ActualSize, viewMenu_, t.actualSize, {QKeySequence(Qt::CTRL | Qt::Key_0)}),
            &QAction::triggered, this, [this] { SetZoom(1); });
}

QAction *LessonWindow::Action(Command command) const
{
    return actions_.at(static_cast<std::size_t>(command));
}

void LessonWindow::step(int direction)
{
    // The next step up or down from the zoom as it is, even between steps.
    if (direction > 0) {
        const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom_);
        if (next != ZoomSteps.end())
            SetZoom(*next);
    } else {
        const auto next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom_);
        if (next != ZoomSteps.begin())
            SetZoom(*std::prev(next));
    }
}

void LessonWindow::SetZoom(double zoom)
{
    zoom = std::clamp(zoom, ZoomSteps.front(), ZoomSteps.back());
    const auto smaller = [](double than) {
        return *std::prev(std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), than));
    };
    while (zoom > ZoomSteps.front() && !fits(zoom))
        zoom = smaller(zoom);
    applyZoom(zoom);
    // Measured now rather than foreseen: a menu bar a pixel taller than
    // expected takes one step more off.
    while (zoom > ZoomSteps.front() && !fits(zoom))
        applyZoom(zoom = smaller(zoom));
    const auto larger = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom);
    Action(Command::ZoomIn)->setEnabled(larger != ZoomSteps.end() && fits(*larger));
    Action(Command::ZoomOut)->setEnabled(zoom > ZoomSteps.front());
    fitToScreen();
}

void LessonWindow::applyZoom(double zoom)
{
    zoom_ = zoom;
    client_->SetZoom(zoom);
    const QFont font = programFont(zoom);
    setFont(font);
    // Menus open as windows of their own, which take no font from here.
    for (QMenu *menu : {fileMenu_, viewMenu_})
        menu->setFont(font);
    side_->setMinimumWidth(sideMinimum(zoom));
    // The layouts give their sizes at once, not at the next event.
    centralWidget()->layout()->activate();
    layout()->activate();
}

int LessonWindow::sideMinimum(double zoom) const
{
    return scaled(SideLeastWidth, zoom);
}

QSize LessonWindow::room() const
{
    const QScreen *screen = this->screen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    // The window manager's frame takes its share too.
    return screen->availableGeometry().size() - (frameGeometry().size() - size());
}

bool LessonWindow::fits(double zoom) const
{
    // The menu bar grows with its font alone; its margins stay.
    const int menu = minimumSizeHint().height() - client_->height();
    const int bar =
        menu - QFontMetrics(programFont(zoom_)).height() + QFontMetrics(programFont(zoom)).height();
    QSize least = MainWindow::SizeAt(zoom) + QSize(0, bar);
    if (!side_->isHidden())
        least.rwidth() += sideMinimum(zoom);
    const QSize room = this->room();
    return least.width() <= room.width() && least.height() <= room.height();
}

void LessonWindow::fitToScreen()
{
    // The natural size: the client area, and the panels as wide as their
    // captions need, wider as the zoom grows, and as high as the client area
    // or as they need; no more than the screen holds.
    centralWidget()->layout()->activate();
    layout()->activate();
    QSize natural = minimumSizeHint();
    if (!side_->isHidden()) {
        const QWidget *panels = side_->widget();
        const QMargins margins = panels->layout()->contentsMargins();
        const int needed = answer_->minimumSizeHint().width() + margins.left() + margins.right();
        const int side = std::max(scaled(PanelWidth, zoom_), needed);
        natural.rwidth() += side - sideMinimum(zoom_);
        natural.rheight() += std::max(0, panels->minimumSizeHint().height() - client_->height());
        // Scrolled up and down, the panels keep their width beside the bar.
        if (natural.height() > room().height())
            natural.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, side_);
    }
    resize(natural.boundedTo(room()).expandedTo(minimumSizeHint()));
    keepOnScreen();
}

void LessonWindow::showPanels()
{
    euclid_->setVisible(Action(Command::EuclidPanel)->isChecked());
    answer_->setVisible(Action(Command::AnswerPanel)->isChecked());
    picture_->setVisible(Action(Command::PicturePanel)->isChecked());
    side_->setVisible(euclid_->isVisibleTo(side_) || answer_->isVisibleTo(side_) ||
                      picture_->isVisibleTo(side_));
    // A panel that opens at a zoom too large for it beside the client area
    // takes the zoom down to a step that holds both.
    SetZoom(zoom_);
    // Opened by keyboard, the panel takes the focus there.
    if (auto *action = qobject_cast<QAction *>(sender()); action && action->isChecked()) {
        QWidget *first = euclid_->Account();
        if (action == Action(Command::AnswerPanel))
            first = answer_->FirstEntry();
        if (action == Action(Command::PicturePanel))
            first = picture_->View();
        first->setFocus(Qt::ShortcutFocusReason);
        // Scrolled to once the panels have their new places.
        QTimer::singleShot(0, this, [this, first] { side_->ensureWidgetVisible(first); });
    }
}

void LessonWindow::keepOnScreen()
{
    // A window that grows to the right or down by a panel or the zoom stays
    // whole on its screen, as far as it fits.
    const QScreen *screen = this->screen();
    if (!screen || !isVisible())
        return;
    const QRect room = screen->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    if (frame.topLeft() != frameGeometry().topLeft())
        move(frame.topLeft());
}

void LessonWindow::showAccount()
{
    euclid_->Show(client_->View());
    // The picture of the equation calculated, as its fields hold it, with
    // the bounds set beside Euclid's way.
    const VisitView &view = client_->View();
    std::optional<std::array<std::string, 3>> equation;
    if (view.locked)
        equation = view.coefficients;
    picture_->SetEquation(equation, view.bounds.inEffect);
}

void LessonWindow::OpenWorksheet()
{
    WorksheetDialog dialog(language_, this);
    dialog.exec();
}
