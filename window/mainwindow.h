#pragma once

// MainWindow is the program's only window. It is built in code from the
// control table in controltable.h and keeps the names used there: the arrays
// Pole (text boxes), Buton (buttons) and Etiket (labels), and the single
// controls Sluch (the range list) and Label1 (the title).
//
// The window owns everything a calculation works on: the coefficient fields,
// the transcript and the solver's values A, B, C and NOD. It lends them to
// Solve() through the SolverWindow interface, so the solver needs no Qt.
// The transcript is kept here with the CR LF line ends the solver writes;
// Pole(4) only shows it.
//
// Its texts come from one catalogue, the desktop's language by default.
//
// Three events drive it: Buton_Click for any of the buttons, Sluch_Click for
// a selection in the list, and Form_Load once, before the window is shown.
// They run on the GUI thread, each to its end.

#include "calculation.h"
#include "clockrandom.h"
#include "controltable.h"
#include "desktoplanguage.h"
#include "value.h"

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

class MainWindow : public QWidget, public SolverWindow
{
    Q_OBJECT

public:
    // `random` is the program's one generator; tests pass a fixed sequence.
    explicit MainWindow(RandomSource random = ClockRandom(),
                        const Catalogue &catalogue = DesktopCatalogue(), QWidget *parent = nullptr);

    const Catalogue &Language() const { return catalogue_; }

    // Pole(0) and Pole(4) are QPlainTextEdit, Pole(1) to Pole(3) QLineEdit.
    QWidget *Pole(int index) const;
    QPushButton *Buton(int index) const;
    QLabel *Etiket(int index) const;
    QListWidget *Sluch() const;
    QLabel *Label1() const;

    const SolverValues &Values() const { return values_; }

    std::string CoefficientText(int k) const override;
    std::string Transcript() const override;
    void SetTranscript(const std::string &text) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Buton_Click(std::int16_t index);
    void Sluch_Click();
    void Form_Load();

    void Calculate();
    void ClearAll();
    void LockInputs();
    void FillRandom();

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
    RandomSource random_;
    SolverValues values_;
    std::string transcript_;
};
