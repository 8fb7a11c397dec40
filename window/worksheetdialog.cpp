#include "worksheetdialog.h"

#include "qtext.h"

#include "catalogues.h"
#include "drawncode.h"
#include "placeholders.h"
#include "ranges.h"
#include "worksheetdocument.h"
#include "worksheetoptions.h"
#include "worksheetpainter.h"
#include "worksheetpdf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace {

template <typename Control> Control *Named(Control *control, const ControlText &texts)
{
    control->setAccessibleName(qs(texts.accessibleName));
    return control;
}

void Limit(QSpinBox *box, const SheetOption &option)
{
    box->setRange(option.lower, option.upper);
}

} // namespace

WorksheetDialog::WorksheetDialog(const Catalogue &language, QWidget *parent)
    : QDialog(parent), catalogue_(language)
{
    setAttribute(Qt::WA_WindowPropagation);
    setWindowTitle(qs(language.worksheet.dialog.title));
    CreateControls();

    WorksheetChoices defaults;
    defaults.language = std::string(language.code);
    SetChoices(defaults);
}

void WorksheetDialog::CreateControls()
{
    const WorksheetDialogTexts &say = catalogue_.worksheet.dialog;
    // Made in the order Tab visits them.
    count_ = Named(new QSpinBox, say.count);
    Limit(count_, SheetOptionNamed("count"));
    range_ = Named(new QComboBox, say.range);
    for (std::string_view entry : RangeEntries)
        range_->addItem(qs(entry));
    variants_ = Named(new QSpinBox, say.variants);
    Limit(variants_, SheetOptionNamed("variants"));
    code_ = Named(new QLineEdit, say.code);
    newCode_ = Named(new QPushButton(qs(say.newCode.text)), say.newCode);
    language_ = Named(new QComboBox, say.language);
    for (const Catalogue *catalogue : Catalogues)
        language_->addItem(qs(catalogue->name), qs(catalogue->code));
    unsolvable_ = Named(new QSpinBox, say.unsolvable);
    Limit(unsolvable_, SheetOptionNamed("unsolvable"));
    unsolvable_->setSingleStep(5);
    unsolvable_->setSuffix(QStringLiteral(" %"));
    wordProblems_ = Named(new QSpinBox, say.wordProblems);
    Limit(wordProblems_, SheetOptionNamed("word-problems"));
    wordProblems_->setSingleStep(10);
    wordProblems_->setSuffix(QStringLiteral(" %"));
    zeros_ = Named(new QCheckBox(qs(say.zeros.text)), say.zeros);
    euclid_ = Named(new QCheckBox(qs(say.euclid.text)), say.euclid);
    pictures_ = Named(new QCheckBox(qs(say.pictures.text)), say.pictures);
    paper_ = Named(new QComboBox, say.paper);
    const std::array<std::string_view, SheetPapers.size()> papers = {say.a4, say.letter};
    for (std::size_t k = 0; k < SheetPapers.size(); ++k)
        paper_->addItem(qs(papers[k]), qs(SheetPapers[k]));
    space_ = Named(new QSpinBox, say.space);
    Limit(space_, SheetOptionNamed("space"));
    points_ = Named(new QSpinBox, say.points);
    Limit(points_, SheetOptionNamed("points"));
    preview_ = Named(new QPrintPreviewWidget(&printer_), say.preview);
    preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
    preview_->setZoomMode(QPrintPreviewWidget::FitInView);
    preview_->setMinimumSize(420, 560);
    message_ = new QLabel;
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    QFont bold = message_->font();
    bold.setBold(true);
    message_->setFont(bold);
    QSizePolicy keepRoom = message_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    message_->setSizePolicy(keepRoom);
    message_->hide();
    print_ = Named(new QPushButton(qs(say.print.text)), say.print);
    save_ = Named(new QPushButton(qs(say.save.text)), say.save);
    close_ = Named(new QPushButton(qs(say.close.text)), say.close);
    // Enter in a field saves the sheet, not whichever button comes first.
    for (QPushButton *button : {newCode_, print_, close_})
        button->setAutoDefault(false);
    save_->setDefault(true);

    auto *form = new QFormLayout;
    const auto row = [&](const ControlText &texts, QWidget *field, QWidget *buddy) {
        auto *label = new QLabel(qs(texts.text));
        label->setBuddy(buddy);
        form->addRow(label, field);
    };
    row(say.count, count_, count_);
    row(say.range, range_, range_);
    row(say.variants, variants_, variants_);
    auto *codeRow = new QWidget;
    auto *codeLayout = new QHBoxLayout(codeRow);
    codeLayout->setContentsMargins(0, 0, 0, 0);
    codeLayout->addWidget(code_, 1);
    codeLayout->addWidget(newCode_);
    row(say.code, codeRow, code_);
    row(say.language, language_, language_);
    row(say.unsolvable, unsolvable_, unsolvable_);
    row(say.wordProblems, wordProblems_, wordProblems_);
    form->addRow(zeros_);
    form->addRow(euclid_);
    form->addRow(pictures_);
    row(say.paper, paper_, paper_);
    row(say.space, space_, space_);
    row(say.points, points_, points_);

    auto *choices = new QVBoxLayout;
    choices->addLayout(form);
    choices->addWidget(message_);
    choices->addStretch(1);

    auto *previewLabel = new QLabel(qs(say.preview.text));
    previewLabel->setBuddy(preview_);
    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(previewLabel);
    previewColumn->addWidget(preview_, 1);

    auto *columns = new QHBoxLayout;
    columns->addLayout(choices);
    columns->addLayout(previewColumn, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(print_);
    buttons->addWidget(save_);
    buttons->addWidget(close_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    // Typing a number gives one change per digit: the preview waits for a pause.
    previewTimer_ = new QTimer(this);
    previewTimer_->setSingleShot(true);
    previewTimer_->setInterval(150);
    connect(previewTimer_, &QTimer::timeout, this, &WorksheetDialog::UpdatePreview);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, &WorksheetDialog::PaintPreview);

    const auto changed = [this] { ChoicesChanged(); };
    connect(count_, &QSpinBox::valueChanged, this, changed);
    connect(range_, &QComboBox::currentIndexChanged, this, changed);
    connect(variants_, &QSpinBox::valueChanged, this, changed);
    connect(code_, &QLineEdit::textChanged, this, changed);
    connect(language_, &QComboBox::currentIndexChanged, this, changed);
    connect(unsolvable_, &QSpinBox::valueChanged, this, changed);
    connect(wordProblems_, &QSpinBox::valueChanged, this, changed);
    connect(zeros_, &QCheckBox::toggled, this, changed);
    connect(euclid_, &QCheckBox::toggled, this, changed);
    connect(pictures_, &QCheckBox::toggled, this, changed);
    connect(paper_, &QComboBox::currentIndexChanged, this, changed);
    connect(space_, &QSpinBox::valueChanged, this, changed);
    connect(points_, &QSpinBox::valueChanged, this, changed);
    connect(newCode_, &QPushButton::clicked, this, &WorksheetDialog::DrawCode);
    connect(print_, &QPushButton::clicked, this, &WorksheetDialog::PrintSheet);
    connect(save_, &QPushButton::clicked, this, &WorksheetDialog::SaveSheet);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<WorksheetChoices> WorksheetDialog::Choices() const
{
    // As options by their names, read by the command line's and the page's
    // own reader.
    const auto number = [](const QSpinBox *box) { return std::to_string(box->value()); };
    const auto flag = [](const QCheckBox *box) {
        return std::string(box->isChecked() ? "1" : "0");
    };
    const auto read = ReadWorksheetOptions({
        {"count", number(count_)},
        {"range", range_->currentText().toStdString()},
        {"variants", number(variants_)},
        {"code", code_->text().trimmed().toStdString()},
        {"lang", language_->currentData().toString().toStdString()},
        {"unsolvable", number(unsolvable_)},
        {"zeros", flag(zeros_)},
        {"euclid", flag(euclid_)},
        {"pictures", flag(pictures_)},
        {"paper", paper_->currentData().toString().toStdString()},
        {"space", number(space_)},
        {"points", number(points_)},
        {"word-problems", number(wordProblems_)},
    });
    if (const auto *choices = std::get_if<WorksheetChoices>(&read))
        return *choices;
    return std::nullopt;
}

void WorksheetDialog::SetChoices(const WorksheetChoices &choices)
{
    const QSignalBlocker blockers[] = {
        QSignalBlocker(count_), QSignalBlocker(range_),    QSignalBlocker(variants_),
        QSignalBlocker(code_),  QSignalBlocker(language_), QSignalBlocker(unsolvable_),
        QSignalBlocker(zeros_), QSignalBlocker(euclid_),   QSignalBlocker(paper_),
        QSignalBlocker(space_), QSignalBlocker(points_),   QSignalBlocker(wordProblems_),
        QSignalBlocker(pictures_)};
    count_->setValue(choices.count);
    range_->setCurrentIndex(std::max(range_->findText(QString::number(choices.range)), 0));
    variants_->setValue(choices.variants);
    code_->setText(QString::number(choices.code == 0 ? DrawnWorksheetCode() : choices.code));
    const int language = language_->findData(qs(choices.language));
    language_->setCurrentIndex(std::max(language, 0));
    unsolvable_->setValue(choices.unsolvablePercent);
    zeros_->setChecked(choices.zeros);
    euclid_->setChecked(choices.euclid);
    pictures_->setChecked(choices.pictures);
    paper_->setCurrentIndex(static_cast<int>(choices.paper));
    space_->setValue(choices.space);
    points_->setValue(choices.points);
    wordProblems_->setValue(choices.wordPercent);
    ChoicesChanged();
}

void WorksheetDialog::ChoicesChanged()
{
    const std::optional<WorksheetChoices> choices = Choices();
    print_->setEnabled(choices.has_value());
    save_->setEnabled(choices.has_value());
    preview_->setEnabled(choices.has_value());
    if (!choices) {
        ShowProblem(qs(FillPlaceholders(catalogue_.worksheet.dialog.badCode,
                                        {{"value", code_->text().toStdString()},
                                         {"largest", std::to_string(LargestWorksheetCode)}})));
        return;
    }
    message_->hide();
    code_->setAccessibleDescription(QString());
    document_ = ChosenWorksheetDocument(*choices);
    // Set at once: the preview draws itself when first shown, timer or not.
    SetWorksheetPage(printer_, document_->paper);
    previewTimer_->start();
}

void WorksheetDialog::ShowProblem(const QString &text)
{
    message_->setText(text);
    message_->show();
    // A screen reader on the code field hears why it was refused.
    code_->setAccessibleDescription(text);
}

void WorksheetDialog::DrawCode()
{
    const QString old = code_->text().trimmed();
    QString drawn;
    do
        drawn = QString::number(DrawnWorksheetCode());
    while (drawn == old);
    code_->setText(drawn);
}

void WorksheetDialog::UpdatePreview()
{
    if (!document_)
        return;
    SetWorksheetPage(printer_, document_->paper);
    preview_->updatePreview();
    preview_->setCurrentPage(1);
}

void WorksheetDialog::PaintPreview(QPrinter *printer)
{
    if (!document_)
        return;
    QPainter painter;
    if (painter.begin(printer))
        PaintWorksheet(*document_, *printer, painter);
}

bool WorksheetDialog::PrintOn(QPrinter &printer)
{
    const std::optional<WorksheetChoices> choices = Choices();
    if (!choices)
        return false;
    const SheetDocument document = ChosenWorksheetDocument(*choices);
    printer.setDocName(qs(document.title));
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowProblem(qs(catalogue_.worksheet.dialog.printFailed));
        return false;
    }
    PaintWorksheet(document, printer, painter);
    if (!painter.end()) {
        ShowProblem(qs(catalogue_.worksheet.dialog.printFailed));
        return false;
    }
    return true;
}

void WorksheetDialog::PrintSheet()
{
    if (!document_)
        return;
    SetWorksheetPage(printer_, document_->paper);
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintOn(printer_);
    // The printer is the preview's too, and the dialog may have changed it.
    UpdatePreview();
}

bool WorksheetDialog::SaveAsPdf(const QString &path)
{
    const std::optional<WorksheetChoices> choices = Choices();
    if (!choices)
        return false;
    const SheetDocument document = ChosenWorksheetDocument(*choices);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !WriteWorksheetPdf(document, file) || !file.commit()) {
        ShowProblem(qs(FillPlaceholders(catalogue_.worksheet.cannotWrite,
                                        {{"file", QFileInfo(path).fileName().toStdString()}})));
        return false;
    }
    message_->hide();
    folder_ = QFileInfo(path).absolutePath();
    return true;
}

void WorksheetDialog::SaveSheet()
{
    const std::optional<WorksheetChoices> choices = Choices();
    if (!choices)
        return;
    const WorksheetDialogTexts &say = catalogue_.worksheet.dialog;
    if (folder_.isEmpty())
        folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(this, qs(say.saveTitle), folder_, qs(say.pdfFiles));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(
        qs(FillPlaceholders(say.fileName, {{"code", std::to_string(choices->code)}})));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SaveAsPdf(dialog.selectedFiles().constFirst());
}
