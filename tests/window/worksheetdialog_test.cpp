// The worksheet dialog as a teacher meets it: its defaults, every choice by
// keyboard, the preview's first page, a refused code, and the PDF it saves,
// read back with pdftotext and held against the command line's for the same
// code and choices.

#include "controltable.h"
#include "languages.h"
#include "worksheetdialog.h"
#include "worksheetpainter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <set>

Q_DECLARE_METATYPE(WorksheetChoices)

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The dialog shown and active, as the window's menu opens it.
std::unique_ptr<WorksheetDialog> openDialog(const Catalogue &language = Bulgarian,
                                            QWidget *window = nullptr)
{
    auto dialog = std::make_unique<WorksheetDialog>(language, window);
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        return nullptr;
    return dialog;
}

// The text pdftotext reads from the file, or an empty string.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList commandLine(const WorksheetChoices &c)
{
    QStringList args = {QStringLiteral("--worksheet"),
                        QStringLiteral("--count"),
                        QString::number(c.count),
                        QStringLiteral("--range"),
                        QString::number(c.range),
                        QStringLiteral("--variants"),
                        QString::number(c.variants),
                        QStringLiteral("--code"),
                        QString::number(c.code),
                        QStringLiteral("--lang"),
                        qs(c.language),
                        QStringLiteral("--unsolvable"),
                        QString::number(c.unsolvablePercent),
                        QStringLiteral("--paper"),
                        c.paper == Paper::Letter ? QStringLiteral("letter") : QStringLiteral("a4"),
                        QStringLiteral("--space"),
                        QString::number(c.space),
                        QStringLiteral("--points"),
                        QString::number(c.points),
                        QStringLiteral("--word-problems"),
                        QString::number(c.wordPercent)};
    if (c.zeros)
        args << QStringLiteral("--zeros");
    if (c.euclid)
        args << QStringLiteral("--euclid");
    if (c.pictures)
        args << QStringLiteral("--pictures");
    return args;
}

// Replaces a field's text as a user does: select all, then type.
void retype(QWidget *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

// Presses the button by keyboard and hands the modal dialog it opens, once
// shown, to `answer`, which closes it.
template <typename Modal>
bool answerModal(QPushButton *button, const std::function<void(Modal *)> &answer)
{
    bool answered = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *modal = qobject_cast<Modal *>(QApplication::activeModalWidget());
            modal && modal->isVisible()) {
            poll.stop();
            answered = true;
            answer(modal);
        }
    });
    poll.start(20);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    return answered;
}

} // namespace

class WorksheetDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheDefaults();
    void tabVisitsEveryControlInOrder();
    void keyboardSetsEveryChoice();
    void mnemonicsAreDistinct_data();
    void mnemonicsAreDistinct();
    void fontFollowsTheWindow();
    void previewShowsTheFirstPage();
    void savedPdfIsTheCommandLines_data();
    void savedPdfIsTheCommandLines();
    void badCodeIsRefused_data();
    void badCodeIsRefused();
    void unwritableFileIsReported();
    void buttonsOpenTheSystemDialogs();
};

void WorksheetDialogTest::opensWithTheDefaults()
{
    for (const Catalogue *language : Catalogues) {
        WorksheetDialog dialog(*language);
        const auto choices = dialog.Choices();
        QVERIFY(choices);
        QCOMPARE(choices->count, 10);
        QCOMPARE(choices->range, 100);
        QCOMPARE(choices->variants, 1);
        QCOMPARE(choices->unsolvablePercent, 0);
        QCOMPARE(choices->wordPercent, 0);
        QVERIFY(!choices->zeros);
        QVERIFY(!choices->euclid);
        QVERIFY(!choices->pictures);
        QCOMPARE(choices->paper, Paper::A4);
        QCOMPARE(choices->language, std::string(language->code));
        QVERIFY(choices->code >= 1 && choices->code <= LargestWorksheetCode);
        QCOMPARE(dialog.windowTitle(), qs(language->worksheet.dialog.title));

        // "New code" always gives another, valid code.
        const QString before = dialog.Code()->text();
        dialog.NewCode()->click();
        QVERIFY(dialog.Code()->text() != before);
        QVERIFY(dialog.Choices());
    }
}

void WorksheetDialogTest::tabVisitsEveryControlInOrder()
{
    const auto dialog = openDialog();
    QVERIFY(dialog);
    QCOMPARE(focused(), dialog->Count());
    const QList<QWidget *> order = {
        dialog->Range(),        dialog->Variants(),      dialog->Code(),
        dialog->NewCode(),      dialog->SheetLanguage(), dialog->Unsolvable(),
        dialog->WordProblems(), dialog->Zeros(),         dialog->Euclid(),
        dialog->Pictures(),     dialog->PaperList(),     dialog->Space(),
        dialog->Points(),
        dialog->Preview(),      dialog->PrintButton(),   dialog->SaveButton(),
        dialog->CloseButton(),  dialog->Count()};
    for (QWidget *expected : order) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        QWidget *now = focused();
        // The preview takes the focus in the view inside it.
        QVERIFY2(now == expected || expected->isAncestorOf(now),
                 qPrintable(QStringLiteral("focus on %1 instead of %2")
                                .arg(now ? now->accessibleName() : QStringLiteral("nothing"),
                                     expected->accessibleName())));
    }
}

void WorksheetDialogTest::keyboardSetsEveryChoice()
{
    const auto dialog = openDialog();
    QVERIFY(dialog);
    retype(focused(), QStringLiteral("12"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Down); // 100 -> 200
    QTest::keyClick(focused(), Qt::Key_Down); // -> 500
    QTest::keyClick(focused(), Qt::Key_Tab);
    retype(focused(), QStringLiteral("3"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    retype(focused(), QStringLiteral("4711"));
    QTest::keyClick(focused(), Qt::Key_Tab); // "New code"
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Down); // English
    QTest::keyClick(focused(), Qt::Key_Tab);
    retype(focused(), QStringLiteral("25"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    retype(focused(), QStringLiteral("50"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Space);
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Space);
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Space); // the pictures
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Down); // Letter
    QTest::keyClick(focused(), Qt::Key_Tab);
    retype(focused(), QStringLiteral("9"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    retype(focused(), QStringLiteral("2"));

    const WorksheetChoices expected{
        12,   500, 3, "en", 25, true, true, EuclidLesson::Method::Substitution, Paper::Letter,
        4711, 9,   2, 50,   true};
    QCOMPARE(dialog->Choices(), std::optional(expected));

    // Alt with a caption's letter goes to its field: Б for "Брой", К for "Код".
    const auto alt = [&](char16_t letter) {
        QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(letter), QString(QChar(letter)),
                            Qt::AltModifier);
    };
    alt(u'Б');
    QCOMPARE(focused(), dialog->Count());
    alt(u'К');
    QCOMPARE(focused(), dialog->Code());

    QTest::keyClick(focused(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
}

void WorksheetDialogTest::mnemonicsAreDistinct_data()
{
    QTest::addColumn<QString>("code");
    for (const Catalogue *catalogue : Catalogues)
        QTest::newRow(catalogue->code.value.data()) << qs(catalogue->code);
}

// Every caption has its own Alt key, and each label leads to its field.
void WorksheetDialogTest::mnemonicsAreDistinct()
{
    QFETCH(QString, code);
    WorksheetDialog dialog(*FindCatalogue(code.toStdString()));
    QStringList captions;
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label == dialog.Message())
            continue;
        QVERIFY2(label->buddy(), qPrintable(label->text()));
        captions << label->text();
    }
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        captions << button->text();
    std::set<QKeySequence> keys;
    for (const QString &caption : captions) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        QVERIFY2(!key.isEmpty(), qPrintable(caption + QStringLiteral(": no mnemonic")));
        QVERIFY2(keys.insert(key).second, qPrintable(caption + QStringLiteral(": taken")));
    }
    QCOMPARE(int(keys.size()), 18);
    for (QWidget *control : dialog.findChildren<QWidget *>())
        if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(&dialog) &&
            !qobject_cast<QLabel *>(control) && control->parentWidget() != dialog.Preview() &&
            !dialog.Preview()->isAncestorOf(control) &&
            control->parentWidget()->metaObject()->className() != QByteArray("QSpinBox"))
            QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
}

void WorksheetDialogTest::fontFollowsTheWindow()
{
    QWidget window;
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSize(15);
    window.setFont(font);
    WorksheetDialog dialog(Bulgarian, &window);
    QCOMPARE(dialog.font().family(), window.font().family());
    QCOMPARE(dialog.Count()->font().pointSize(), 15);
    QCOMPARE(dialog.SaveButton()->font().family(), window.font().family());
}

void WorksheetDialogTest::previewShowsTheFirstPage()
{
    // Opened from a window in the program's own font, as the picture shows it.
    QWidget window;
    window.setFont(
        QFont(QString::fromUtf8(FontFamily.data(), qsizetype(FontFamily.size())), FontPointSize));
    const auto dialog = openDialog(Bulgarian, &window);
    QVERIFY(dialog);
    QPrintPreviewWidget *preview = dialog->Preview();
    QSignalSpy painted(preview, &QPrintPreviewWidget::paintRequested);
    const auto choose = [&](const auto &change) {
        painted.clear();
        change();
        QTRY_VERIFY(!painted.isEmpty());
    };
    choose([&] { retype(dialog->Code(), QStringLiteral("4711")); });
    QVERIFY(preview->pageCount() >= 1);
    QCOMPARE(preview->currentPage(), 1);

    // The page is white with dark text on it.
    const QImage shot = preview->grab().toImage();
    int white = 0;
    int dark = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const int grey = qGray(shot.pixel(x, y));
            white += grey > 250;
            dark += grey < 140;
        }
    QVERIFY2(white > shot.width() * shot.height() / 4, qPrintable(QString::number(white)));
    QVERIFY2(dark > 150, qPrintable(QString::number(dark)));
#ifdef VELMORA_SCREENSHOT_DIR
    dialog->grab().save(QStringLiteral(VELMORA_SCREENSHOT_DIR "/worksheet-dialog.png"));
#endif

    // Another code, another first page; more equations, more pages.
    choose([&] { retype(dialog->Code(), QStringLiteral("4712")); });
    QVERIFY(preview->grab().toImage() != shot);
    const int pages = preview->pageCount();
    choose([&] {
        dialog->Count()->setValue(40);
        dialog->Variants()->setValue(3);
    });
    QVERIFY(preview->pageCount() > pages);
    QCOMPARE(preview->currentPage(), 1);
}

void WorksheetDialogTest::savedPdfIsTheCommandLines_data()
{
    QTest::addColumn<WorksheetChoices>("choices");
    QTest::newRow("defaults") << WorksheetChoices{.code = 4711};
    QTest::newRow("English, mixed, Letter") << WorksheetChoices{
        12, 500, 3, "en", 25, true, true, EuclidLesson::Method::Substitution, Paper::Letter, 99};
    QTest::newRow("range 10, many") << WorksheetChoices{
        40, 10, 2, "bg", 50, false, false, EuclidLesson::Method::Substitution, Paper::A4, 999999};
    QTest::newRow("room and points") << WorksheetChoices{
        7, 100, 2, "uk", 0, false, true, EuclidLesson::Method::Substitution, Paper::A4, 31, 12, 3};
    QTest::newRow("word problems") << WorksheetChoices{
        9,         100,  3, "bg", 20, false, false, EuclidLesson::Method::Substitution,
        Paper::A4, 4711, 6, 0,    50};
    QTest::newRow("pictures") << WorksheetChoices{.count = 5, .variants = 2, .code = 77,
                                                  .pictures = true};
}

// The dialog's PDF, and its printer's, hold the command line's text.
void WorksheetDialogTest::savedPdfIsTheCommandLines()
{
    QFETCH(WorksheetChoices, choices);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is missing");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    WorksheetDialog dialog(Bulgarian);
    dialog.SetChoices(choices);
    QCOMPARE(dialog.Choices(), std::optional(choices));

    const QString saved = folder.filePath(QStringLiteral("dialog.pdf"));
    QVERIFY(dialog.SaveAsPdf(saved));
    const QString printed = folder.filePath(QStringLiteral("printer.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    SetWorksheetPage(printer, choices.paper);
    QVERIFY(dialog.PrintOn(printer));

    const QString written = folder.filePath(QStringLiteral("command.pdf"));
    QProcess command;
    command.start(QStringLiteral(VELMORA_BINARY), commandLine(choices)
                                                      << QStringLiteral("-o") << written);
    QVERIFY(command.waitForFinished(60000));
    QCOMPARE(command.exitCode(), 0);

    const QString expected = pdfText(written);
    QVERIFY(expected.contains(QString::number(choices.code)));
    QCOMPARE(pdfText(saved), expected);
    QCOMPARE(pdfText(printed), expected);
}

void WorksheetDialogTest::badCodeIsRefused_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("letters") << QStringLiteral("12ab");
    QTest::newRow("zero") << QStringLiteral("0");
    QTest::newRow("too large") << QStringLiteral("1000000");
    QTest::newRow("sign") << QStringLiteral("-5");
    QTest::newRow("empty") << QString();
}

void WorksheetDialogTest::badCodeIsRefused()
{
    QFETCH(QString, code);
    const auto dialog = openDialog();
    QVERIFY(dialog);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kept.pdf"));
    {
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write("kept");
    }

    dialog->Code()->setFocus();
    retype(dialog->Code(), code);
    QVERIFY(!dialog->Choices());
    QVERIFY(dialog->Message()->isVisible());
    QVERIFY(dialog->Message()->text().contains(QStringLiteral("999999")));
    QVERIFY(dialog->Message()->text().contains(QStringLiteral("„") + code + QStringLiteral("“")));
    QVERIFY(!dialog->SaveButton()->isEnabled());
    QVERIFY(!dialog->PrintButton()->isEnabled());
    QVERIFY(!dialog->SaveAsPdf(path));
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));

    retype(dialog->Code(), QStringLiteral("4711"));
    QVERIFY(dialog->Choices());
    QVERIFY(!dialog->Message()->isVisible());
    QVERIFY(dialog->SaveButton()->isEnabled());
}

void WorksheetDialogTest::unwritableFileIsReported()
{
    const auto dialog = openDialog();
    QVERIFY(dialog);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/sheet.pdf"));
    QVERIFY(!dialog->SaveAsPdf(path));
    QVERIFY(dialog->Message()->isVisible());
    QVERIFY(dialog->Message()->text().contains(QStringLiteral("sheet.pdf")));
    QVERIFY(!QFile::exists(path));
}

// "Save as PDF…" offers a file named for the code and writes the one chosen;
// "Print…" opens the print dialog on the sheet's paper.
void WorksheetDialogTest::buttonsOpenTheSystemDialogs()
{
    const auto dialog = openDialog();
    QVERIFY(dialog);
    retype(dialog->Code(), QStringLiteral("4711"));
    dialog->PaperList()->setCurrentIndex(1);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("chosen.pdf"));
    QString offered;
    QVERIFY(answerModal<QFileDialog>(dialog->SaveButton(), [&](QFileDialog *files) {
        offered = files->selectedFiles().value(0);
        // Typed into the name box as a user would: selectFile() leaves the box
        // alone whenever it has the focus, which depends on the window manager.
        if (auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        static_cast<QDialog *>(files)->accept(); // as its Save button does
    }));
    QVERIFY2(offered.endsWith(QStringLiteral("/работен-лист-4711.pdf")), qPrintable(offered));
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QVERIFY(pdfText(path).contains(QStringLiteral("Вариант 4711-1")));
    else
        QVERIFY(QFileInfo(path).size() > 0);

    QPageSize::PageSizeId paper = QPageSize::A4;
    QVERIFY(answerModal<QPrintDialog>(dialog->PrintButton(), [&](QPrintDialog *print) {
        paper = print->printer()->pageLayout().pageSize().id();
        print->reject();
    }));
    QCOMPARE(paper, QPageSize::Letter);
    QVERIFY(dialog->isVisible());
}

QTEST_MAIN(WorksheetDialogTest)
#include "worksheetdialog_test.moc"
