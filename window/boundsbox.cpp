#include "boundsbox.h"

#include "euclidpanel.h"
#include "mainwindow.h"
#include "qtext.h"
#include "textlines.h"
#include "visitview.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// Room for any whole number of the range and blanks around it, and no
// pasted page.
constexpr int BoundLength = 24;

QString plainLines(const std::string &crlf)
{
    QString text = qs(crlf);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

} // namespace

BoundsBox::BoundsBox(MainWindow &window, const Catalogue &language, QWidget *parent)
    : QGroupBox(qs(language.bounds.title), parent), window_(window)
{
    const BoundsTexts &say = language.bounds;
    natural_ = new QCheckBox(qs(say.choiceNatural), this);
    nonNegative_ = new QCheckBox(qs(say.choiceNonNegative), this);
    for (QCheckBox *box : {natural_, nonNegative_}) {
        box->setAccessibleName(box->text());
        const BoundsChoice mine =
            box == natural_ ? BoundsChoice::Natural : BoundsChoice::NonNegative;
        connect(box, &QCheckBox::toggled, this, [this, mine](bool ticked) {
            window_.Do(command::SetBoundsChoice{ticked ? mine : BoundsChoice::Any});
        });
    }

    const Phrase *captions[] = {&say.xFrom, &say.xTo, &say.yFrom, &say.yTo};
    const Phrase *names[] = {&say.xFromName, &say.xToName, &say.yFromName, &say.yToName};
    auto *grid = new QGridLayout;
    for (std::size_t k = 0; k < ends_.size(); ++k) {
        auto *caption = new QLabel(qs(*captions[k]), this);
        auto *box = new QLineEdit(this);
        box->setAccessibleName(qs(*names[k]));
        box->setMaxLength(BoundLength);
        box->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
        caption->setBuddy(box);
        const int row = static_cast<int>(k / 2), column = static_cast<int>(k % 2) * 2;
        grid->addWidget(caption, row, column);
        grid->addWidget(box, row, column + 1);
        const BoundEnd end = static_cast<BoundEnd>(k);
        connect(box, &QLineEdit::textEdited, this, [this, end](const QString &text) {
            window_.Do(command::EditBound{end, text.toStdString()});
        });
        ends_[k] = box;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    faults_ = new QLabel(this);
    faults_->setWordWrap(true);
    faults_->setTextFormat(Qt::PlainText);
    faults_->hide();

    account_ = new QPlainTextEdit(this);
    account_->setReadOnly(true);
    account_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    account_->setTabChangesFocus(true);
    account_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    account_->setAccessibleName(qs(say.title));
    account_->setPlaceholderText(qs(say.accountEmpty));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(natural_);
    layout->addWidget(nonNegative_);
    layout->addLayout(grid);
    layout->addWidget(faults_);
    layout->addWidget(account_, 1);
    fitAccount();
}

void BoundsBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        fitAccount();
    QGroupBox::changeEvent(event);
}

void BoundsBox::fitAccount()
{
    // As many lines as Euclid's way above it keeps.
    account_->setMinimumHeight(LinesHeight(*account_, EuclidPanel::LeastLines));
}

QCheckBox *BoundsBox::Choice(BoundsChoice choice) const
{
    return choice == BoundsChoice::NonNegative ? nonNegative_
           : choice == BoundsChoice::Natural   ? natural_
                                               : nullptr;
}

void BoundsBox::Show(const VisitView &view)
{
    const BoundsView &bounds = view.bounds;
    // Set without a signal: the visit holds them already.
    for (QCheckBox *box : {natural_, nonNegative_}) {
        const bool ticked = Choice(bounds.choice) == box;
        if (box->isChecked() != ticked) {
            const QSignalBlocker blocker(box);
            box->setChecked(ticked);
        }
    }
    QStringList faults;
    for (std::size_t k = 0; k < ends_.size(); ++k) {
        QLineEdit *box = ends_[k];
        const QString text = qs(bounds.ends[k]);
        if (box->text() != text)
            box->setText(text);
        const QString fault = qs(bounds.faults[k]);
        // A screen reader hears the fault with the box it belongs to.
        box->setAccessibleDescription(fault);
        if (!fault.isEmpty())
            faults << fault;
    }
    faults_->setText(faults.join(QLatin1Char('\n')));
    faults_->setVisible(!faults.isEmpty());
    const QString account = plainLines(bounds.account);
    if (account_->toPlainText() != account)
        account_->setPlainText(account);
}
