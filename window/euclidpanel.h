#pragma once

// Euclid's way beside the window: the account the visit writes on every
// calculation, in plain lines, read-only yet selectable and copyable by mouse
// and keyboard like the transcript, and the choice of its method. The table
// method's table is a table, headed q, r, s, t, that a screen reader moves
// through by cell; the lines before it and after it stand in a field each.
// Before anything is calculated the panel says how to get one. Below it, the
// bounds a task sets and the solutions within them.

#include "catalogue.h"
#include "euclidlesson.h"

#include <QGroupBox>

#include <string>

QT_BEGIN_NAMESPACE
class QPlainTextEdit;
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

private:
    QPlainTextEdit *textField(const Catalogue &language);
    void showTable(const EuclidTable *table);

    MainWindow &window_;
    QRadioButton *bySubstitution_ = nullptr;
    QRadioButton *asTable_ = nullptr;
    QPlainTextEdit *account_ = nullptr;
    QTableWidget *table_ = nullptr;
    QPlainTextEdit *after_ = nullptr;
    BoundsBox *bounds_ = nullptr;
    std::string shown_;
};
