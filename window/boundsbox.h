#pragma once

// The bounds beside Euclid's way: "natural" and "non-negative" as one tick
// each (ticking one clears the other), the four boxes for x and y, the line
// that says what is wrong with a box, and the account of the solutions
// within the bounds, read-only yet selectable like Euclid's way.

#include "catalogue.h"
#include "visitcommand.h"

#include <QGroupBox>

#include <array>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
QT_END_NAMESPACE

class MainWindow;
struct VisitView;

class BoundsBox : public QGroupBox
{
    Q_OBJECT

public:
    BoundsBox(MainWindow &window, const Catalogue &language, QWidget *parent = nullptr);

    void Show(const VisitView &view);

    QCheckBox *Choice(BoundsChoice choice) const;
    QLineEdit *End(BoundEnd end) const { return ends_[static_cast<std::size_t>(end)]; }
    QLabel *Faults() const { return faults_; }
    QPlainTextEdit *Account() const { return account_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitAccount();

    MainWindow &window_;
    QCheckBox *natural_ = nullptr;
    QCheckBox *nonNegative_ = nullptr;
    std::array<QLineEdit *, 4> ends_{};
    QLabel *faults_ = nullptr;
    QPlainTextEdit *account_ = nullptr;
};
