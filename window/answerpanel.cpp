#include "answerpanel.h"

#include "answercheck.h"
#include "mainwindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

AnswerPanel::AnswerPanel(MainWindow &window, const Catalogue &language, QWidget *parent)
    : QGroupBox(qs(language.practice.controls.heading.text), parent), window_(window),
      texts_(language.practice)
{
    const PracticeTexts::Controls &c = texts_.controls;
    setAccessibleName(qs(c.heading.accessibleName));
    auto *grid = new QGridLayout(this);

    const ControlText *names[] = {&c.x0, &c.y0, &c.stepX, &c.stepY};
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        auto *caption = new QLabel(qs(names[i]->text), this);
        auto *entry = new QLineEdit(this);
        entry->setAccessibleName(qs(names[i]->accessibleName));
        caption->setBuddy(entry);
        const int row = static_cast<int>(i / 2);
        const int column = static_cast<int>(i % 2) * 2;
        grid->addWidget(caption, row, column);
        grid->addWidget(entry, row, column + 1);
        connect(entry, &QLineEdit::returnPressed, this, &AnswerPanel::Check);
        entries_[i] = entry;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    noSolution_ = new QCheckBox(qs(c.noSolution.text), this);
    noSolution_->setAccessibleName(qs(c.noSolution.accessibleName));
    // The claim stands instead of a pair: the entries are not read then.
    connect(noSolution_, &QCheckBox::toggled, this, [this](bool claimed) {
        for (QLineEdit *entry : entries_)
            entry->setEnabled(!claimed);
    });
    check_ = new QPushButton(qs(c.check.text), this);
    check_->setAccessibleName(qs(c.check.accessibleName));
    check_->setAutoDefault(false);
    connect(check_, &QPushButton::clicked, this, &AnswerPanel::Check);
    grid->addWidget(noSolution_, 2, 0, 1, 3);
    grid->addWidget(check_, 2, 3, Qt::AlignRight);

    feedback_ = new QPlainTextEdit(this);
    feedback_->setReadOnly(true);
    feedback_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    feedback_->setTabChangesFocus(true);
    feedback_->setAccessibleName(qs(c.feedback.accessibleName));
    feedback_->setPlaceholderText(qs(c.feedback.text));
    grid->addWidget(feedback_, 3, 0, 1, 4);
    grid->setRowStretch(3, 1);

    auto *tallyCaption = new QLabel(qs(c.tally.text), this);
    tally_ = new QLabel(this);
    tally_->setAccessibleName(qs(c.tally.accessibleName));
    tallyCaption->setBuddy(tally_);
    clearTally_ = new QPushButton(qs(c.clearTally.text), this);
    clearTally_->setAccessibleName(qs(c.clearTally.accessibleName));
    clearTally_->setAutoDefault(false);
    connect(clearTally_, &QPushButton::clicked, this, [this] {
        round_.Clear();
        showTally();
    });
    grid->addWidget(tallyCaption, 4, 0);
    grid->addWidget(tally_, 4, 1, 1, 2);
    grid->addWidget(clearTally_, 4, 3, Qt::AlignRight);
    showTally();
    fitEntries();

    // Feedback about another equation would mislead: it goes as soon as the
    // coefficients change, by typing or by New data.
    for (int k = 1; k <= 3; ++k)
        if (auto *field = qobject_cast<QLineEdit *>(window_.Pole(k)))
            connect(field, &QLineEdit::textChanged, this, &AnswerPanel::forgetStaleFeedback);
    connect(&window_, &MainWindow::visitShown, this, &AnswerPanel::forgetStaleFeedback);
}

void AnswerPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        fitEntries();
    QGroupBox::changeEvent(event);
}

void AnswerPanel::fitEntries()
{
    // Room for the largest numbers the equations produce, about 2^62, in the
    // font as zoomed, and the frame around them.
    const QString largest = QStringLiteral("-4611686018427387904");
    for (QLineEdit *entry : entries_)
        entry->setMinimumWidth(entry->fontMetrics().horizontalAdvance(largest) +
                               entry->fontMetrics().averageCharWidth() * 2);
}

std::array<std::string, 3> AnswerPanel::equation() const
{
    const Visit &visit = window_.State();
    return {visit.Field(1), visit.Field(2), visit.Field(3)};
}

void AnswerPanel::Check()
{
    const PupilAnswer answer{X0()->text().toStdString(), Y0()->text().toStdString(),
                             StepX()->text().toStdString(), StepY()->text().toStdString(),
                             noSolution_->isChecked()};
    checked_ = equation();
    const auto &[a, b, c] = checked_;
    const AnswerCheck result =
        CheckAnswer(a, b, c, answer, QLocale().decimalPoint().toStdString(), window_.Language());

    QStringList lines;
    if (result.verdict == Verdict::Right)
        lines << qs(texts_.right);
    else if (result.verdict == Verdict::Wrong)
        lines << qs(texts_.wrong);
    for (const FeedbackLine &line : result.lines)
        lines << qs(line.text);
    showFeedback(lines.join(QLatin1Char('\n')));

    round_.Record(a, b, c, result.verdict);
    showTally();
}

void AnswerPanel::showFeedback(const QString &text)
{
    const QString before = feedback_->toPlainText();
    if (before == text)
        return;
    feedback_->setPlainText(text);
    // Read out where the pupil is, as a live region would be on a page.
    QAccessibleTextUpdateEvent changed(feedback_, 0, before, text);
    QAccessible::updateAccessibility(&changed);
}

void AnswerPanel::showTally()
{
    tally_->setText(qs(round_.Tally(texts_)));
}

void AnswerPanel::forgetStaleFeedback()
{
    if (!feedback_->toPlainText().isEmpty() && equation() != checked_)
        showFeedback(QString());
}
