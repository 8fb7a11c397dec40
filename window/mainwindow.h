#pragma once

// MainWindow is the program's only window. It is built in code from the
// control table in controltable.h and keeps the names used there: the arrays
// Pole (text boxes), Buton (buttons) and Etiket (labels), and the single
// controls Sluch (the range list) and Label1 (the title).
//
// Everything the user's visit holds is a Visit's, which needs no Qt: the
// window hands it each of the user's actions as a command and draws the view
// it gives back, as the page does. Pole(4) only shows the transcript; the
// line beside the fields (Note) says why a locked field takes no key, or
// how a field was read where that is not as typed.
//
// Its texts come from one catalogue, the desktop's language by default. It
// runs on the GUI thread, each command to its end.

#include "calculation.h"
#include "clockrandom.h"
#include "controltable.h"
#include "desktoplanguage.h"
#include "visit.h"

#include <QWidget>

#include <array>
#include <string>

class ColourButton;
class NoteLine;
class RangeList;

QT_BEGIN_NAMESPACE
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
QT_END_NAMESPACE

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // `random` is the program's one generator; tests pass a fixed sequence.
    explicit MainWindow(RandomSource random = ClockRandom(),
                        const Catalogue &catalogue = DesktopCatalogue(), QWidget *parent = nullptr);

    const Catalogue &Language() const { return catalogue_; }

    // Hands the visit one of the user's actions and draws what it then
    // holds; a panel beside the window sends its own actions here too.
    void Do(const Command &command);
    const VisitView &View() const { return visit_.View(); }

signals:
    // After every command, once the window shows the view; panels beside
    // the window draw their part of it then.
    void visitShown();

public:
    // Pole(0) and Pole(4) are QPlainTextEdit, Pole(1) to Pole(3) QLineEdit.
    QWidget *Pole(int index) const;
    QPushButton *Buton(int index) const;
    QLabel *Etiket(int index) const;
    QListWidget *Sluch() const;
    QLabel *Label1() const;
    NoteLine *Note() const { return note_; }

    // Scales the client area as a scale factor given at start would: every
    // control's geometry from the table times `zoom`, and the font with it.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }
    // The client area's size at `zoom`, before it is zoomed so.
    static QSize SizeAt(double zoom);

    // The transcript as the visit holds it, CR LF and all.
    const std::string &Transcript() const { return View().transcript; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showVisit();

    void createUi();
    QWidget *createTextBox(const ControlEntry &entry);
    QWidget *createButton(const ControlEntry &entry);
    QWidget *createList(const ControlEntry &entry);
    QWidget *createLabel(const ControlEntry &entry);
    void setTabOrderFromTable();
    void tieCaptions();
    void centreOnScreen();

    QLineEdit *coefficientField(int k) const;
    QPlainTextEdit *transcriptField() const;

    std::array<QWidget *, Controls.size()> controls_{}; // in table order
    std::array<QWidget *, 5> pole_{};
    std::array<ColourButton *, 3> buton_{};
    std::array<QLabel *, 5> etiket_{};
    RangeList *sluch_ = nullptr;
    QLabel *label1_ = nullptr;
    NoteLine *note_ = nullptr;
    QButtonGroup *butonGroup_ = nullptr;

    const Catalogue &catalogue_;
    Visit visit_;
    std::string shownTranscript_; // as Pole(4) has it, CR LF and all
    double zoom_ = 1;
};
