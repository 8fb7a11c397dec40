#include "euclidpanel.h"

#include "boundsbox.h"
#include "mainwindow.h"
#include "qtext.h"
#include "visitview.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

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

    auto *methodRow = new QHBoxLayout;
    methodRow->addWidget(methodLabel);
    methodRow->addWidget(bySubstitution_);
    methodRow->addWidget(asTable_);
    methodRow->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(methodRow);
    layout->addWidget(account_, 1);
    layout->addWidget(table_, 0, Qt::AlignLeft);
    layout->addWidget(after_, 1);
    bounds_ = new BoundsBox(window, language, this);
    layout->addWidget(bounds_, 1);
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
    if (view.euclid == shown_)
        return;
    shown_ = view.euclid;

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
    setText(account_, plainLines(before));
    setText(after_, plainLines(after));
    after_->setVisible(table != nullptr);
    showTable(table);
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
    // As large as its cells, so that it never scrolls inside itself.
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    int width = 2 * table_->frameWidth();
    for (int c = 0; c < table_->columnCount(); ++c)
        width += table_->columnWidth(c);
    int height = 2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < table_->rowCount(); ++r)
        height += table_->rowHeight(r);
    table_->setFixedSize(width, height);
}
