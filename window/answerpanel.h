#pragma once

// "Your answer" beside the window: the pupil's particular solution and the
// steps of the general solution, or the claim that there is none, checked
// against the equation in the window's coefficient fields, before or after
// Calculate. The feedback starts with the verdict, then one finding per
// line; a screen reader hears it when it changes. The tally counts each
// equation of this visit once.

#include "catalogue.h"
#include "practiceround.h"

#include <QGroupBox>

#include <array>
#include <string>

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

    // Checks the answer as the fields hold it and shows the feedback.
    void Check();

    QLineEdit *X0() const { return entries_[0]; }
    QLineEdit *Y0() const { return entries_[1]; }
    QLineEdit *StepX() const { return entries_[2]; }
    QLineEdit *StepY() const { return entries_[3]; }
    QCheckBox *NoSolution() const { return noSolution_; }
    QPushButton *CheckButton() const { return check_; }
    QPlainTextEdit *Feedback() const { return feedback_; }
    QLabel *Tally() const { return tally_; }
    QPushButton *ClearTally() const { return clearTally_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitEntries();
    std::array<std::string, 3> equation() const;
    void showFeedback(const QString &text);
    void showTally();
    void forgetStaleFeedback();

    MainWindow &window_;
    const PracticeTexts &texts_;
    PracticeRound round_;
    std::array<QLineEdit *, 4> entries_{};
    QCheckBox *noSolution_ = nullptr;
    QPushButton *check_ = nullptr;
    QPlainTextEdit *feedback_ = nullptr;
    QLabel *tally_ = nullptr;
    QPushButton *clearTally_ = nullptr;
    std::array<std::string, 3> checked_; // the equation the feedback is about
};
