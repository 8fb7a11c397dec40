#include "euclidpanel.h"

#include "boundsbox.h"
#include "mainwindow.h"
#include "pacekeys.h"
#include "qtext.h"
#include "textlines.h"
#include "visitview.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTextBlock>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

using Method = EuclidLesson::Method;

// Lines as a field shows them: LF between them, none after the last.
QString plainLines(const std::vector<std::string> &lines)
{
    QStringList list;
    for (const std::string &line : lines)
        list << qs(line);
    return list.join(QLatin1Char('\n'));
}

void setText(QPlainTextEdit *field, const QString &text)
{
    if (field->toPlainText() != text)
        field->setPlainText(text);
}

// The lines up to `shown` of them, the line `marked` (from 0) marked and the
// caret at its start, so that a screen reader and the scroll follow it.
void showLines(QPlainTextEdit *field, const std::vector<std::string> &lines, std::size_t shown,
               std::optional<std::size_t> marked)
{
    setText(field, plainLines({lines.begin(), lines.begin() + std::ptrdiff_t(shown)}));
    QList<QTextEdit::ExtraSelection> marks;
    if (marked) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(field->document()->findBlockByNumber(int(*marked)));
        mark.format.setBackground(EuclidPanel::MarkColour());
        mark.format.setForeground(Qt::black);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks << mark;
        field->setTextCursor(mark.cursor);
        field->ensureCursorVisible();
    }
    field->setExtraSelections(marks);
}

} // namespace

EuclidPanel::EuclidPanel(MainWindow &window, const Catalogue &language, QWidget *parent)
    : QGroupBox(qs(language.euclid.title), parent), window_(window)
{
    const EuclidTexts &say = language.euclid;
    auto *methodLabel = new QLabel(qs(say.method), this);
    bySubstitution_ = new QRadioButton(qs(say.bySubstitution), this);
    asTable_ = new QRadioButton(qs(say.asTable), this);
    bySubstitution_->setChecked(true);
    auto *methods = new QButtonGroup(this);
    methods->addButton(bySubstitution_);
    methods->addButton(asTable_);
    for (QRadioButton *button : {bySubstitution_, asTable_})
        connect(button, &QRadioButton::toggled, this, [this, button](bool checked) {
            if (checked)
                window_.Do(command::SetEuclidMethod{button == asTable_ ? Method::Table
                                                                       : Method::Substitution});
        });

    account_ = textField(language);
    account_->setPlaceholderText(qs(language.menus.euclidEmpty));
    after_ = textField(language);

    table_ = new QTableWidget(this);
    table_->setAccessibleName(qs(say.tableName));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    table_->hide();
    after_->hide();

    previous_ = paceButton(say.pacePrevious, say.pacePreviousName, say.pacePreviousTip,
                           PacePrevious, command::PreviousStep{});
    next_ =
        paceButton(say.paceNext, say.paceNextName, say.paceNextTip, PaceNext, command::NextStep{});
    all_ =
        paceButton(say.paceAll, say.paceAllName, say.paceAllTip, PaceAll, command::ShowAllSteps{});
    paceAt_ = new QLabel(this);
    auto *paceRow = new QHBoxLayout;
    paceRow->addWidget(previous_);
    paceRow->addWidget(next_);
    paceRow->addWidget(all_);
    paceRow->addWidget(paceAt_, 1);

    auto *methodRow = new QHBoxLayout;
    methodRow->addWidget(methodLabel);
    methodRow->addWidget(bySubstitution_);
    methodRow->addWidget(asTable_);
    methodRow->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(methodRow);
    layout->addLayout(paceRow);
    layout->addWidget(account_, 1);
    layout->addWidget(table_, 0, Qt::AlignLeft);
    layout->addWidget(after_, 1);
    bounds_ = new BoundsBox(window, language, this);
    layout->addWidget(bounds_, 1);
    fitFields();
}

void EuclidPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        fitFields();
    QGroupBox::changeEvent(event);
}

void EuclidPanel::fitFields()
{
    for (QPlainTextEdit *field : {account_, after_})
        field->setMinimumHeight(LinesHeight(*field, LeastLines));
}

QPlainTextEdit *EuclidPanel::textField(const Catalogue &language)
{
    auto *field = new QPlainTextEdit(this);
    field->setReadOnly(true);
    // Read-only alone would leave the text selectable by mouse only.
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    field->setTabChangesFocus(true);
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    field->setAccessibleName(qs(language.euclid.title));
    return field;
}

QPushButton *EuclidPanel::paceButton(const Phrase &caption, const Phrase &name, const Phrase &tip,
                                     const PaceKey &pace, Command command)
{
    const QKeySequence keys(QString::fromUtf8(pace.qtKeys.data(), qsizetype(pace.qtKeys.size())),
                            QKeySequence::PortableText);
    auto *button = new QPushButton(qs(caption), this);
    button->setAccessibleName(qs(name));
    button->setToolTip(qs(tip));
    button->setEnabled(false);
    connect(button, &QPushButton::clicked, this, [this, command] { window_.Do(command); });
    // At once on every press, held down too, where a button's own shortcut
    // would drop the presses during its click's animation; while the panel
    // shows, and only then.
    keys_.emplace_back(button, keys);
    auto *shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, button, command] {
        if (isVisible() && button->isEnabled())
            window_.Do(command);
    });
    return button;
}

QKeySequence EuclidPanel::Keys(const QPushButton *button) const
{
    for (const auto &[owner, keys] : keys_)
        if (owner == button)
            return keys;
    return {};
}

QColor EuclidPanel::MarkColour()
{
    // A light yellow, as a highlighter on paper: black text on it keeps
    // more than 15:1, and a projector's washed-out white still sets it off.
    return QColor(0xFF, 0xE0, 0x66);
}

QRadioButton *EuclidPanel::MethodButton(Method method) const
{
    return method == Method::Table ? asTable_ : bySubstitution_;
}

void EuclidPanel::Show(const VisitView &view)
{
    const EuclidLesson &lesson = view.euclidLesson;
    // Set without a signal: the visit holds the method already.
    QRadioButton *chosen = MethodButton(lesson.method);
    if (!chosen->isChecked()) {
        const QSignalBlocker blocker(chosen);
        chosen->setChecked(true);
    }
    bounds_->Show(view);
    const PaceView &pace = view.pace;
    // The button that had the focus may go off, and Qt would pass the focus
    // on down the chain, to Show all or out of the panel: it goes instead to
    // the button that leads on.
    QPushButton *had = nullptr;
    for (QPushButton *button : {previous_, next_, all_})
        if (button->hasFocus())
            had = button;
    previous_->setEnabled(pace.previous);
    next_->setEnabled(pace.next);
    all_->setEnabled(pace.all);
    paceAt_->setText(qs(pace.text));
    if (had && !had->isEnabled()) {
        QPushButton *instead = had == next_ ? previous_ : next_;
        if (!instead->isEnabled())
            instead = all_;
        if (instead->isEnabled())
            instead->setFocus(Qt::OtherFocusReason);
        else
            account_->setFocus(Qt::OtherFocusReason);
    }
    if (view.euclid == shown_ && pace.at == shownAt_)
        return;
    shown_ = view.euclid;
    shownAt_ = pace.at;

    std::vector<std::string> before, after;
    const EuclidTable *table = nullptr;
    for (const EuclidStep &step : lesson.steps) {
        std::vector<std::string> &lines = table ? after : before;
        lines.insert(lines.end(), step.lines.begin(), step.lines.end());
        if (step.table && !table)
            table = &*step.table;
        std::vector<std::string> &rest = table ? after : before;
        rest.insert(rest.end(), step.linesAfter.begin(), step.linesAfter.end());
    }
    showTable(table);
    // Paced, the places are the lines before the table, its rows, the lines
    // after it, in that order; all at once, every one of them shows.
    const std::size_t rows = table ? table->rows.size() : 0;
    const std::size_t at = pace.at == 0 ? before.size() + rows + after.size() : pace.at;
    const auto markAt = [&](std::size_t first, std::size_t size) -> std::optional<std::size_t> {
        if (pace.at == 0 || at <= first || at > first + size)
            return std::nullopt;
        return at - 1 - first;
    };
    const auto shownOf = [&](std::size_t first, std::size_t size) {
        return std::min(size, at > first ? at - first : 0);
    };
    showLines(account_, before, shownOf(0, before.size()), markAt(0, before.size()));
    showLines(after_, after, shownOf(before.size() + rows, after.size()),
              markAt(before.size() + rows, after.size()));
    after_->setVisible(table != nullptr && shownOf(before.size() + rows, after.size()) > 0);
    if (table) {
        const std::size_t shownRows = shownOf(before.size(), rows);
        table_->setVisible(shownRows > 0);
        const std::optional<std::size_t> marked = markAt(before.size(), rows);
        for (int r = 0; r < table_->rowCount(); ++r) {
            table_->setRowHidden(r, std::size_t(r) >= shownRows);
            for (int c = 0; c < table_->columnCount(); ++c) {
                QTableWidgetItem *item = table_->item(r, c);
                const bool mark = marked && std::size_t(r) == *marked;
                item->setBackground(mark ? QBrush(MarkColour()) : QBrush());
                item->setForeground(mark ? QBrush(Qt::black) : QBrush());
            }
        }
        if (marked)
            table_->setCurrentCell(int(*marked), 0, QItemSelectionModel::NoUpdate);
        fitTable();
    }
}

void EuclidPanel::showTable(const EuclidTable *table)
{
    table_->setVisible(table != nullptr);
    if (!table) {
        table_->clear();
        table_->setRowCount(0);
        table_->setColumnCount(0);
        return;
    }
    table_->clear();
    table_->setColumnCount(int(table->headers.size()));
    table_->setRowCount(int(table->rows.size()));
    QStringList headers;
    for (const std::string &header : table->headers)
        headers << qs(header);
    table_->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < table_->rowCount(); ++r)
        for (int c = 0; c < table_->columnCount(); ++c) {
            const std::vector<std::string> &row = table->rows[std::size_t(r)];
            auto *item =
                new QTableWidgetItem(c < int(row.size()) ? qs(row[std::size_t(c)]) : QString());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table_->setItem(r, c, item);
        }
}

void EuclidPanel::fitTable()
{
    // As large as its cells, so that it never scrolls inside itself.
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    int width = 2 * table_->frameWidth();
    for (int c = 0; c < table_->columnCount(); ++c)
        width += table_->columnWidth(c);
    int height = 2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < table_->rowCount(); ++r)
        if (!table_->isRowHidden(r))
            height += table_->rowHeight(r);
    table_->setFixedSize(width, height);
}
