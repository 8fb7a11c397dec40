#pragma once

// Euclid's way beside the window: the account the visit writes on every
// calculation, in plain lines, read-only yet selectable and copyable by mouse
// and keyboard like the transcript, and the choice of its method. The table
// method's table is a table, headed q, r, s, t, that a screen reader moves
// through by cell; the lines before it and after it stand in a field each.
// Before anything is calculated the panel says how to get one. Below it, the
// bounds a task sets and the solutions within them.
// Next, Previous and Show all pace the lesson a step at a time (keys
// Alt+Page Down, Alt+Page Up, Alt+End, none of them the window's own): only
// the lines up to the current step show, that one marked.
// However little room the window gives it, each field keeps a few lines in
// sight and scrolls inside itself: Euclid's way never squeezes the bounds'
// account to nothing, nor they it.

#include "catalogue.h"
#include "euclidlesson.h"
#include "visitcommand.h"

#include <QColor>
#include <QGroupBox>
#include <QKeySequence>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct PaceKey;

QT_BEGIN_NAMESPACE
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
QT_END_NAMESPACE

class BoundsBox;
class MainWindow;
struct VisitView;

class EuclidPanel : public QGroupBox
{
    Q_OBJECT

public:
    EuclidPanel(MainWindow &window, const Catalogue &language, QWidget *parent = nullptr);

    // Draws the visit's Euclid's way and its method.
    void Show(const VisitView &view);

    // The lines, or with the table method those before the table.
    QPlainTextEdit *Account() const { return account_; }
    QTableWidget *Table() const { return table_; }
    // The lines after the table; hidden without one.
    QPlainTextEdit *After() const { return after_; }
    QRadioButton *MethodButton(EuclidLesson::Method method) const;
    // The bounds after Euclid's way, and the account they give.
    BoundsBox *Bounds() const { return bounds_; }
    QPushButton *NextButton() const { return next_; }
    QPushButton *PreviousButton() const { return previous_; }
    QPushButton *AllButton() const { return all_; }
    // The keys that press it.
    QKeySequence Keys(const QPushButton *button) const;
    // "Step 3 of 24" while paced.
    QLabel *PaceLabel() const { return paceAt_; }
    // The current step's mark: the background of its line or row.
    static QColor MarkColour();

    // The lines each of its fields keeps in sight, however little room
    // the window has.
    static constexpr int LeastLines = 3;

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitFields();
    QPlainTextEdit *textField(const Catalogue &language);
    void showTable(const EuclidTable *table);
    // As large as its rows that show.
    void fitTable();
    QPushButton *paceButton(const Phrase &caption, const Phrase &name, const Phrase &tip,
                            const PaceKey &pace, Command command);

    MainWindow &window_;
    QRadioButton *bySubstitution_ = nullptr;
    QRadioButton *asTable_ = nullptr;
    QPlainTextEdit *account_ = nullptr;
    QTableWidget *table_ = nullptr;
    QPlainTextEdit *after_ = nullptr;
    BoundsBox *bounds_ = nullptr;
    QPushButton *previous_ = nullptr;
    QPushButton *next_ = nullptr;
    QPushButton *all_ = nullptr;
    QLabel *paceAt_ = nullptr;
    std::string shown_;
    std::size_t shownAt_ = 0;
    std::vector<std::pair<const QPushButton *, QKeySequence>> keys_;
};
