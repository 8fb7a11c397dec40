#pragma once

// Euclid's way beside the window: the account the visit writes on every
// calculation, in plain lines, read-only yet selectable and copyable by mouse
// and keyboard like the transcript. Before anything is calculated it says how
// to get one.

#include "catalogue.h"

#include <QGroupBox>

#include <string>

QT_BEGIN_NAMESPACE
class QPlainTextEdit;
QT_END_NAMESPACE

class EuclidPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit EuclidPanel(const Catalogue &language, QWidget *parent = nullptr);

    // The account as the visit holds it, CR LF and all; empty clears it.
    void SetAccount(const std::string &crlfText);

    QPlainTextEdit *Account() const { return account_; }

private:
    QPlainTextEdit *account_ = nullptr;
    std::string shown_;
};
