#pragma once

// "Your answer" beside the window: the pupil's particular solution and the
// steps of the general solution, or the claim that there is none, checked
// against the equation in the window's coefficient fields, before or after
// Calculate; while bounds are in effect, the list of the solutions they
// allow instead. It holds nothing of its own: each action goes to the window's
// visit as a command, and it draws the visit's view, the feedback (the
// verdict, then one finding per line, which a screen reader hears when it
// changes), the hints asked for one at a time after it, and the tally.

#include "catalogue.h"

#include <QGroupBox>

#include <array>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
QT_END_NAMESPACE

class MainWindow;

class AnswerPanel : public QGroupBox
{
    Q_OBJECT

public:
    AnswerPanel(MainWindow &window, const Catalogue &language, QWidget *parent = nullptr);

    // Checks the answer as the fields hold it.
    void Check();

    QLineEdit *X0() const { return entries_[0]; }
    QLineEdit *Y0() const { return entries_[1]; }
    QLineEdit *StepX() const { return entries_[2]; }
    QLineEdit *StepY() const { return entries_[3]; }
    QLineEdit *List() const { return list_; }
    // Where the pupil starts: the list while it is asked for, x0 otherwise.
    QLineEdit *FirstEntry() const;
    QCheckBox *NoSolution() const { return noSolution_; }
    QPushButton *CheckButton() const { return check_; }
    QPushButton *HintButton() const { return hint_; }
    QPlainTextEdit *Feedback() const { return feedback_; }
    QLabel *Tally() const { return tally_; }
    QPushButton *ClearTally() const { return clearTally_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitEntries();
    void showPractice();
    void showFeedback(const QString &text);
    void fitFeedback();

    MainWindow &window_;
    const PracticeTexts &texts_;
    std::array<QLineEdit *, 4> entries_{};
    std::array<QLabel *, 4> captions_{};
    QLabel *listCaption_ = nullptr;
    QLineEdit *list_ = nullptr;
    QCheckBox *noSolution_ = nullptr;
    QPushButton *check_ = nullptr;
    QPushButton *hint_ = nullptr;
    QPlainTextEdit *feedback_ = nullptr;
    QLabel *tally_ = nullptr;
    QPushButton *clearTally_ = nullptr;
};
