#include "answerpanel.h"

#include "mainwindow.h"
#include "qtext.h"
#include "textlines.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <span>

AnswerPanel::AnswerPanel(MainWindow &window, const Catalogue &language, QWidget *parent)
    : QGroupBox(qs(language.practice.controls.heading.text), parent), window_(window),
      texts_(language.practice)
{
    const PracticeTexts::Controls &c = texts_.controls;
    setAccessibleName(qs(c.heading.accessibleName));
    auto *grid = new QGridLayout(this);

    const ControlText *names[] = {&c.x0, &c.y0, &c.stepX, &c.stepY};
    const Entry fields[] = {Entry::X0, Entry::Y0, Entry::StepX, Entry::StepY};
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        auto *caption = new QLabel(qs(names[i]->text), this);
        auto *entry = new QLineEdit(this);
        entry->setAccessibleName(qs(names[i]->accessibleName));
        caption->setBuddy(entry);
        const int row = static_cast<int>(i / 2);
        const int column = static_cast<int>(i % 2) * 2;
        grid->addWidget(caption, row, column);
        grid->addWidget(entry, row, column + 1);
        const Entry field = fields[i];
        connect(entry, &QLineEdit::textEdited, this, [this, field](const QString &text) {
            window_.Do(command::Edit{field, text.toStdString()});
        });
        connect(entry, &QLineEdit::returnPressed, this,
                [this, field] { window_.Do(command::Enter{field}); });
        entries_[i] = entry;
        captions_[i] = caption;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    listCaption_ = new QLabel(qs(c.list.text), this);
    list_ = new QLineEdit(this);
    list_->setAccessibleName(qs(c.list.accessibleName));
    listCaption_->setBuddy(list_);
    grid->addWidget(listCaption_, 2, 0);
    grid->addWidget(list_, 2, 1, 1, 3);
    connect(list_, &QLineEdit::textEdited, this, [this](const QString &text) {
        window_.Do(command::Edit{Entry::List, text.toStdString()});
    });
    connect(list_, &QLineEdit::returnPressed, this,
            [this] { window_.Do(command::Enter{Entry::List}); });

    noSolution_ = new QCheckBox(qs(c.noSolution.text), this);
    noSolution_->setAccessibleName(qs(c.noSolution.accessibleName));
    connect(noSolution_, &QCheckBox::toggled, this,
            [this](bool claimed) { window_.Do(command::Claim{claimed}); });
    check_ = new QPushButton(qs(c.check.text), this);
    check_->setAccessibleName(qs(c.check.accessibleName));
    check_->setAutoDefault(false);
    connect(check_, &QPushButton::clicked, this, &AnswerPanel::Check);
    hint_ = new QPushButton(qs(c.hint.text), this);
    hint_->setAccessibleName(qs(c.hint.accessibleName));
    hint_->setAutoDefault(false);
    connect(hint_, &QPushButton::clicked, this, [this] { window_.Do(command::Hint{}); });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(hint_);
    buttons->addWidget(check_);
    grid->addWidget(noSolution_, 3, 0, 1, 2);
    grid->addLayout(buttons, 3, 2, 1, 2, Qt::AlignRight);

    feedback_ = new QPlainTextEdit(this);
    feedback_->setReadOnly(true);
    feedback_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    feedback_->setTabChangesFocus(true);
    feedback_->setAccessibleName(qs(c.feedback.accessibleName));
    feedback_->setPlaceholderText(qs(c.feedback.text));
    grid->addWidget(feedback_, 4, 0, 1, 4);
    // Every line the feedback has stays in sight, however it wraps.
    connect(feedback_->document()->documentLayout(),
            &QAbstractTextDocumentLayout::documentSizeChanged, this, &AnswerPanel::fitFeedback);
    grid->setRowStretch(4, 1);

    auto *tallyCaption = new QLabel(qs(c.tally.text), this);
    tally_ = new QLabel(this);
    tally_->setAccessibleName(qs(c.tally.accessibleName));
    tallyCaption->setBuddy(tally_);
    clearTally_ = new QPushButton(qs(c.clearTally.text), this);
    clearTally_->setAccessibleName(qs(c.clearTally.accessibleName));
    clearTally_->setAutoDefault(false);
    connect(clearTally_, &QPushButton::clicked, this,
            [this] { window_.Do(command::StartTallyAgain{}); });
    grid->addWidget(tallyCaption, 5, 0);
    grid->addWidget(tally_, 5, 1, 1, 2);
    grid->addWidget(clearTally_, 5, 3, Qt::AlignRight);
    fitEntries();

    connect(&window_, &MainWindow::visitShown, this, &AnswerPanel::showPractice);
    showPractice();
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

QLineEdit *AnswerPanel::FirstEntry() const
{
    return list_->isVisibleTo(this) ? list_ : entries_[0];
}

void AnswerPanel::Check()
{
    window_.Do(command::Check{});
}

void AnswerPanel::showPractice()
{
    const PracticeView &practice = window_.View().practice;
    // A task with bounds asks for its list; the pair, the steps and the
    // claim are another task's. The focus in what goes out of sight moves
    // to what stands instead, rather than on down the panel.
    const bool pairTask = !practice.listTask;
    QWidget *focused = QApplication::focusWidget();
    const bool pairFocused = focused == noSolution_ || std::ranges::count(entries_, focused) > 0;
    const bool focusHidden = pairTask ? focused == list_ : pairFocused;
    // Shown first, so that the focus has somewhere to go before the rest
    // goes out of sight.
    QWidget *pairs[] = {entries_[0],  entries_[1],  entries_[2],  entries_[3], captions_[0],
                        captions_[1], captions_[2], captions_[3], noSolution_};
    QWidget *lists[] = {list_, listCaption_};
    for (QWidget *shown : pairTask ? std::span<QWidget *>(pairs) : std::span<QWidget *>(lists))
        shown->setVisible(true);
    if (focusHidden)
        (pairTask ? entries_[0] : list_)->setFocus();
    for (QWidget *hidden : pairTask ? std::span<QWidget *>(lists) : std::span<QWidget *>(pairs))
        hidden->setVisible(false);
    if (list_->text() != qs(practice.list))
        list_->setText(qs(practice.list));
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const QString text = qs(practice.entries[i]);
        if (entries_[i]->text() != text)
            entries_[i]->setText(text);
        // The claim stands instead of a pair: the entries are not read then.
        entries_[i]->setEnabled(!practice.noSolution);
    }
    {
        const QSignalBlocker quiet(noSolution_);
        noSolution_->setChecked(practice.noSolution);
    }
    QStringList lines;
    if (!practice.heading.empty())
        lines << qs(practice.heading);
    for (const FeedbackLine &line : practice.lines)
        lines << qs(line.text);
    if (!practice.hints.empty()) {
        if (!lines.isEmpty())
            lines << QString();
        lines << qs(texts_.controls.hints.text);
        for (std::size_t k = 0; k < practice.hints.size(); ++k)
            lines << QString::number(k + 1) + QStringLiteral(". ") + qs(practice.hints[k]);
    }
    showFeedback(lines.join(QLatin1Char('\n')));
    hint_->setEnabled(practice.hintAvailable);
    tally_->setText(qs(practice.tally));
}

void AnswerPanel::fitFeedback()
{
    // The plain text layout measures its document in lines.
    const int lines = std::max(
        3, static_cast<int>(feedback_->document()->documentLayout()->documentSize().height()));
    feedback_->setMinimumHeight(LinesHeight(*feedback_, lines));
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
