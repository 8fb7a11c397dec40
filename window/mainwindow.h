#pragma once

// MainWindow is the program's only window. It is built in code from the
// control table in controltable.h and keeps the names used there: the arrays
// Pole (text boxes), Buton (buttons) and Etiket (labels), and the single
// controls Sluch (the range list) and Label1 (the title).
//
// What a calculation works on (the coefficient texts, the transcript with
// its CR LF line ends, the solver's values and the state of the inputs) is
// held by a Visit, which needs no Qt. The window forwards each of the user's
// actions to it and then shows what it holds; Pole(4) only shows the
// transcript.
//
// Its texts come from one catalogue, the desktop's language by default.
//
// Four events drive it: Buton_Click for any of the buttons, Sluch_Click for
// a selection in the list, Enter in a coefficient field, and Form_Load once,
// before the window is shown. They run on the GUI thread, each to its end.

#include "calculation.h"
#include "clockrandom.h"
#include "controltable.h"
#include "desktoplanguage.h"
#include "value.h"
#include "visit.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

class ColourButton;
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

    // What the user's visit holds. A panel beside the window may add an
    // account to it, and shows it again on visitShown().
    const Visit &State() const { return visit_; }
    Visit &State() { return visit_; }

signals:
    // After every action forwarded to the visit, once the window shows it.
    void visitShown();

public:
    // Pole(0) and Pole(4) are QPlainTextEdit, Pole(1) to Pole(3) QLineEdit.
    QWidget *Pole(int index) const;
    QPushButton *Buton(int index) const;
    QLabel *Etiket(int index) const;
    QListWidget *Sluch() const;
    QLabel *Label1() const;

    const SolverValues &Values() const { return visit_.Values(); }

    // Scales the client area as a scale factor given at start would: every
    // control's geometry from the table times `zoom`, and the font with it.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }

    std::string CoefficientText(int k) const;
    std::string Transcript() const;
    void SetTranscript(const std::string &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Buton_Click(std::int16_t index);
    void Sluch_Click();
    void Form_Load();

    // Runs one of the visit's commands, then shows the visit.
    template <typename Command> void forward(Command command);
    void showVisit();
    void showTranscript();

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
    QButtonGroup *butonGroup_ = nullptr;

    const Catalogue &catalogue_;
    Visit visit_;
    std::string shownTranscript_; // as Pole(4) has it, CR LF and all
    double zoom_ = 1;
};
