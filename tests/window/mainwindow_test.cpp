// The window's controls wired to the visit, driven through real key and mouse
// events. The rules themselves are tested with the visit.

#include "mainwindow.h"
#include "noteline.h"
#include "scripteddraws.h"
#include "solver.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <cmath>
#include <memory>

namespace {

// The solver on its own, over three fixed texts, for comparison.
std::string solvedAlone(const QString &a, const QString &b, const QString &c, float r,
                        const Catalogue &language)
{
    const RandomSource random = [r] { return r; };
    return Solve({a.toStdString(), b.toStdString(), c.toStdString()}, random,
                 QLocale().decimalPoint().toStdString(), language.transcript)
        .Text();
}

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

// Opens a window whose start-up fill takes `startDraws`.
struct Fixture
{
    std::shared_ptr<ScriptedDraws> draws = std::make_shared<ScriptedDraws>();
    std::unique_ptr<MainWindow> window;

    explicit Fixture(std::deque<float> startDraws = {})
    {
        draws->queued = std::move(startDraws);
        window = std::make_unique<MainWindow>(scriptedSource(draws));
        window->show();
    }

    MainWindow &w() { return *window; }
    QLineEdit *field(int k) { return qobject_cast<QLineEdit *>(window->Pole(k)); }
    QPlainTextEdit *box(int k) { return qobject_cast<QPlainTextEdit *>(window->Pole(k)); }
    QStringList coefficients() { return {field(1)->text(), field(2)->text(), field(3)->text()}; }

    void click(int button) { QTest::mouseClick(window->Buton(button), Qt::LeftButton); }

    // Clears, then types the three coefficients.
    void enter(const QString &a, const QString &b, const QString &c)
    {
        click(1);
        QTest::keyClicks(field(1), a);
        QTest::keyClicks(field(2), b);
        QTest::keyClicks(field(3), c);
    }

    bool ready()
    {
        return !field(1)->isReadOnly() && !field(2)->isReadOnly() && !field(3)->isReadOnly() &&
               window->Buton(0)->isEnabled();
    }
    bool calculated()
    {
        return field(1)->isReadOnly() && field(2)->isReadOnly() && field(3)->isReadOnly() &&
               !window->Buton(0)->isEnabled();
    }

    void selectRange(int row)
    {
        QListWidget *list = window->Sluch();
        list->scrollToItem(list->item(row)); // only three entries show at a time
        const QPoint centre = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    }
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpFillsOnceFromTheFirstRange();
    void calculateEmptiesThenLocks();
    void calculationEqualsTheSolver_data();
    void calculationEqualsTheSolver();
    void transcriptShowsPlainLines();
    void fractionsInTheUsersSeparator();
    void clearInBothStates();
    void randomFillInBothStates_data();
    void randomFillInBothStates();
    void rangeStaysSelected();
    void fifthCharacterRefused();
    void lockedFieldsStaySelectable();
    void enterInAFieldCalculates();
    void tabOrder();
    void controlsAsDesigned();
    void keyInALockedFieldIsAnswered();
    void fieldsReadOtherwiseAreNamed();
};

void MainWindowTest::startUpFillsOnceFromTheFirstRange()
{
    // R = 10: 0 gives 1, 0.25 gives the tie 3.5 and so 4, the largest r 11.
    Fixture f({0.0f, 0.25f, std::nextafter(1.0f, 0.0f)});
    QCOMPARE(f.draws->taken, 3);
    QCOMPARE(f.coefficients(), QStringList({"1", "4", "11"}));
    QCOMPARE(f.w().Sluch()->selectedItems().size(), 1);
    QCOMPARE(f.w().Sluch()->selectedItems().first()->text(), QString("10"));
    QCOMPARE(text(f.w().Transcript()), QString());
    QCOMPARE(f.box(4)->toPlainText(), QString());
    QVERIFY(f.ready());
    QCOMPARE(f.w().Note()->Note(), QString());
    QCOMPARE(f.w().focusWidget(), f.w().Pole(0));

    // With the program's own generator: plain digits, 1 to 11.
    MainWindow clocked;
    for (int k = 1; k <= 3; ++k) {
        const QString drawn = qobject_cast<QLineEdit *>(clocked.Pole(k))->text();
        QVERIFY2(QRegularExpression("^[0-9]+$").match(drawn).hasMatch(), qPrintable(drawn));
        QVERIFY2(drawn.toInt() >= 1 && drawn.toInt() <= 11, qPrintable(drawn));
    }
}

void MainWindowTest::calculateEmptiesThenLocks()
{
    Fixture f;
    f.enter("3", "5", "1");
    f.click(0);
    f.enter("7", "6", "6");
    f.click(0);
    const std::string transcript = f.w().Transcript();
    QVERIFY(transcript.find("3x") == std::string::npos);
    QVERIFY(!transcript.empty());
    QVERIFY(f.calculated());
    QCOMPARE(f.coefficients(), QStringList({"7", "6", "6"}));

    // A second click reaches no handler: no new draw, the same transcript.
    const int draws = f.draws->taken;
    f.click(0);
    QCOMPARE(f.draws->taken, draws);
    QCOMPARE(text(f.w().Transcript()), text(transcript));
    QVERIFY(f.calculated());
}

void MainWindowTest::calculationEqualsTheSolver_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<float>("r");

    const auto row = [](const char *name, const char *a, const char *b, const char *c, float r) {
        QTest::newRow(name) << QString(a) << QString(b) << QString(c) << r;
    };
    row("solvable", "7", "6", "6", 0.25f);
    row("reduced", "4", "6", "2", 0.75f);
    row("no solution", "4", "6", "5", 0.5f);
    row("x free, fraction", "0", "4", "6", 0.5f);
    row("C zero", "4", "6", "0", 0.5f);
    row("all empty", "", "", "", 0.5f);
    row("negative, wide search", "-5", "-3", "1", 0.1f);
    row("largest fill", "2001", "1999", "2000", 0.9f);
    row("text and fractions", "12ab", "-7.2", "7.9", 0.3f);
    row("beyond the limits", "9e99", "-9e9", "1", 0.5f);
    row("signs only", "-", "+", ".", 0.5f);
}

void MainWindowTest::calculationEqualsTheSolver()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(float, r);

    Fixture f;
    f.enter(a, b, c);
    f.draws->then = r;
    f.click(0);
    QCOMPARE(text(f.w().Transcript()), text(solvedAlone(a, b, c, r, f.w().Language())));
    QVERIFY(f.calculated());
}

void MainWindowTest::transcriptShowsPlainLines()
{
    Fixture f;
    f.enter("7", "6", "6");
    f.click(0);
    const QString canonical = text(f.w().Transcript());
    QVERIFY(canonical.endsWith("\r\n"));
    QString lines = canonical;
    lines.replace("\r\n", "\n");

    QPlainTextEdit *box = f.box(4);
    QCOMPARE(box->toPlainText(), lines);
    QVERIFY(!box->toPlainText().contains('\r'));

    QGuiApplication::clipboard()->clear();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), lines);
}

void MainWindowTest::fractionsInTheUsersSeparator()
{
    // 0x + 4y = 6 leaves y = 1.5 in the transcript. The whole suite runs in
    // the shell's locale and again in Bulgarian; these locales hold anywhere.
    const QLocale shells;
    const auto restore = qScopeGuard([shells] { QLocale::setDefault(shells); });
    for (const QLocale &locale : {shells, QLocale(QLocale::Bulgarian, QLocale::Bulgaria),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(locale);
        Fixture f;
        f.enter("0", "4", "6");
        f.click(0);
        const QString transcript = text(f.w().Transcript());
        const QString other = locale.decimalPoint() == "," ? "1.5" : "1,5";
        QVERIFY2(transcript.contains("1" + locale.decimalPoint() + "5") &&
                     !transcript.contains(other),
                 qPrintable(locale.name() + ": " + transcript));
    }
}

void MainWindowTest::clearInBothStates()
{
    Fixture f;
    const QString introduction = f.box(0)->toPlainText();
    f.selectRange(2);
    QCOMPARE(f.w().Sluch()->currentRow(), 2);

    // Ready, with coefficients: all four fields emptied.
    f.click(1);
    QCOMPARE(f.coefficients(), QStringList({"", "", ""}));
    QCOMPARE(text(f.w().Transcript()), QString());
    QVERIFY(f.ready());

    // Calculated: emptied and unlocked again.
    QTest::keyClicks(f.field(1), "3");
    QTest::keyClicks(f.field(2), "5");
    QTest::keyClicks(f.field(3), "1");
    f.click(0);
    QVERIFY(f.calculated());
    f.click(1);
    QCOMPARE(f.coefficients(), QStringList({"", "", ""}));
    QCOMPARE(text(f.w().Transcript()), QString());
    QCOMPARE(f.box(4)->toPlainText(), QString());
    QVERIFY(f.ready());

    // Neither the introduction nor the range moved.
    QCOMPARE(f.box(0)->toPlainText(), introduction);
    QCOMPARE(f.w().Sluch()->selectedItems().first()->text(), QString("200"));
}

void MainWindowTest::randomFillInBothStates_data()
{
    QTest::addColumn<bool>("calculatedFirst");
    QTest::addColumn<QString>("how");
    for (bool calculatedFirst : {false, true}) {
        const char *state = calculatedFirst ? "calculated" : "ready";
        for (const char *how : {"button", "list click", "list key"})
            QTest::addRow("%s, %s", state, how) << calculatedFirst << QString(how);
    }
}

void MainWindowTest::randomFillInBothStates()
{
    QFETCH(bool, calculatedFirst);
    QFETCH(QString, how);

    Fixture f;
    f.enter("3", "5", "1");
    if (calculatedFirst) {
        f.click(0);
        QVERIFY(f.calculated());
    }

    // R = 100 for the list (entry "100"), 10 for the button (entry "10").
    f.draws->queued = {0.5f, 0.0f, 0.99f};
    const int before = f.draws->taken;
    QStringList expected{"6", "1", "11"};
    if (how == "button") {
        f.click(2);
    } else if (how == "list click") {
        f.selectRange(1);
        expected = {"51", "1", "100"};
    } else {
        QTest::keyClick(f.w().Sluch(), Qt::Key_Down);
        expected = {"51", "1", "100"};
    }

    QCOMPARE(f.draws->taken - before, 3);
    QCOMPARE(f.coefficients(), expected);
    QCOMPARE(text(f.w().Transcript()), QString());
    QVERIFY(f.ready());
}

void MainWindowTest::rangeStaysSelected()
{
    Fixture f;
    QListWidget *list = f.w().Sluch();
    const int draws = f.draws->taken;
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, first);
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(list->selectedItems().first()->text(), QString("10"));
    QCOMPARE(f.draws->taken, draws);

    // And a fill after that still finds its range.
    f.click(2);
    QCOMPARE(f.draws->taken, draws + 3);
}

void MainWindowTest::fifthCharacterRefused()
{
    Fixture f;
    f.click(1);
    const std::array<QString, 3> typed{"12345", "-ab9x", "9e999"};
    const std::array<QString, 3> kept{"1234", "-ab9", "9e99"};
    for (int k = 1; k <= 3; ++k) {
        QTest::keyClicks(f.field(k), typed[std::size_t(k - 1)]);
        QCOMPARE(f.field(k)->text(), kept[std::size_t(k - 1)]);
    }

    // Pasted text is cut at four characters too.
    f.click(1);
    QGuiApplication::clipboard()->setText("987654");
    QTest::keyClick(f.field(2), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.field(2)->text(), QString("9876"));
    QCOMPARE(text(f.w().View().coefficients[1]), QString("9876"));
}

void MainWindowTest::lockedFieldsStaySelectable()
{
    Fixture f;
    f.enter("7", "6", "6");
    f.click(0);
    const std::string transcript = f.w().Transcript();

    QTest::keyClicks(f.field(1), "9");
    QTest::keyClick(f.field(1), Qt::Key_Backspace);
    QCOMPARE(f.field(1)->text(), QString("7"));
    QTest::keyClick(f.field(1), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(f.field(1), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("7"));

    // The transcript refuses typing and pasting alike.
    QTest::keyClicks(f.box(4), "abc");
    QTest::keyClick(f.box(4), Qt::Key_Delete);
    QTest::keyClick(f.box(4), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text(f.w().Transcript()), text(transcript));

    // The introduction, however, takes what is typed.
    QTest::keyClicks(f.box(0), "xyz");
    QVERIFY(f.box(0)->toPlainText().contains("xyz"));
}

void MainWindowTest::enterInAFieldCalculates()
{
    Fixture f;
    f.enter("3", "5", "1");
    f.draws->then = 0.25f;
    QTest::keyClick(f.field(2), Qt::Key_Return);
    QVERIFY(f.calculated());
    QCOMPARE(text(f.w().Transcript()), text(solvedAlone("3", "5", "1", 0.25f, f.w().Language())));
    QCOMPARE(f.w().focusWidget(), f.w().Pole(4));

    // Shown once per action, a key typed among them, so that a panel beside
    // the window follows.
    QSignalSpy shown(&f.w(), &MainWindow::visitShown);
    f.click(2);
    QCOMPARE(shown.count(), 1);
    f.click(1);
    QTest::keyClicks(f.field(1), "3");
    QTest::keyClicks(f.field(2), "5");
    QTest::keyClicks(f.field(3), "1");
    QCOMPARE(shown.count(), 5);
    QTest::keyClick(f.field(2), Qt::Key_Return);
    QCOMPARE(shown.count(), 6);

    // While Изчисли is disabled, Enter in a locked field does nothing.
    const int draws = f.draws->taken;
    const std::string transcript = f.w().Transcript();
    QTest::keyClick(f.field(3), Qt::Key_Enter);
    QCOMPARE(f.draws->taken, draws);
    QCOMPARE(f.w().Transcript(), transcript);

    // From the keypad as well, once the fields are Ready again.
    f.click(1);
    QTest::keyClicks(f.field(1), "4");
    QTest::keyClicks(f.field(2), "6");
    QTest::keyClicks(f.field(3), "3");
    QTest::keyClick(f.field(3), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(f.calculated());
    QVERIFY(text(f.w().Transcript()).contains("4x + 6y = 3"));
}

void MainWindowTest::tabOrder()
{
    Fixture f;
    MainWindow &w = f.w();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    const QList<QWidget *> ready{w.Pole(0),  w.Pole(1),  w.Pole(2), w.Pole(3),  w.Pole(4),
                                 w.Buton(0), w.Buton(1), w.Sluch(), w.Buton(2), w.Pole(0)};
    w.Pole(0)->setFocus();
    for (int i = 1; i < ready.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ready[i]);
    }

    // A disabled Buton(0) is skipped.
    f.click(0);
    w.Pole(4)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Buton(1));

    for (QLabel *label :
         {w.Etiket(0), w.Etiket(1), w.Etiket(2), w.Etiket(3), w.Etiket(4), w.Label1()})
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void MainWindowTest::controlsAsDesigned()
{
    Fixture f;
    MainWindow &w = f.w();
    QCOMPARE(w.windowTitle(), QString("https://velmora.example Velmora"));
    QCOMPARE(w.size(), QSize(471, 420));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.windowIcon().availableSizes().value(0), QSize(32, 32));

    // Pixel rectangles: twips / 15, rounded.
    QCOMPARE(w.Pole(0)->geometry(), QRect(8, 32, 457, 129));
    QCOMPARE(w.Pole(3)->geometry(), QRect(216, 208, 65, 33));
    QCOMPARE(w.Pole(4)->geometry(), QRect(8, 264, 457, 145));
    QCOMPARE(w.Buton(2)->geometry(), QRect(296, 200, 81, 25));
    QCOMPARE(w.Sluch()->geometry(), QRect(392, 192, 73, 61));
    QCOMPARE(w.Etiket(3)->geometry(), QRect(168, 208, 41, 33));
    QCOMPARE(w.Label1()->geometry(), QRect(56, 3, 337, 25));

    // Every control tells a screen reader its name, in Bulgarian; beside
    // them stands the note, in the strip between the fields and the
    // transcript, left of the buttons.
    QList<QWidget *> controls = w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(controls.removeOne(w.Note()));
    QCOMPARE(controls.size(), 15);
    QCOMPARE(w.Note()->geometry(), QRect(8, 242, 284, 21));
    QCOMPARE(QFontInfo(w.Note()->font()).pointSize(), 9);
    for (const QWidget *control : controls) {
        const QString name = control->accessibleName();
        QVERIFY2(name.contains(QRegularExpression("[А-Яа-я]")), qPrintable(name));
    }

    // One font everywhere, 12 point, found as itself or as its metric twin.
    for (const QWidget *control : controls) {
        const QFontInfo font(control->font());
        QCOMPARE(font.pointSize(), 12);
        QVERIFY2(font.family() == "Times New Roman" || font.family() == "Liberation Serif",
                 qPrintable(font.family()));
    }
}

// Typed, pasted or deleted, a key in a locked field changes nothing, and the
// line beside the fields says what to do; Изчисти opens them and the line
// goes. The whole line fits its place.
void MainWindowTest::keyInALockedFieldIsAnswered()
{
    Fixture f;
    f.enter("3", "5", "1");
    f.click(0);
    QCOMPARE(f.w().Note()->Note(), QString());
    const QString locked = text(std::string(f.w().Language().notes.locked));
    for (const auto &[key, modifiers] :
         std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>{{Qt::Key_7, Qt::NoModifier},
                                                                {Qt::Key_Backspace, Qt::NoModifier},
                                                                {Qt::Key_V, Qt::ControlModifier}}) {
        f.click(1);
        f.enter("3", "5", "1");
        f.click(0);
        QTest::keyClick(f.field(2), key, modifiers);
        QCOMPARE(f.field(2)->text(), QString("5"));
        QCOMPARE(f.w().Note()->Note(), locked);
        QCOMPARE(f.w().Note()->text(), locked); // not cut short
        QCOMPARE(f.w().Note()->accessibleName(), locked);
    }
    // Moving about and copying are no attempt to change it.
    f.click(1);
    QCOMPARE(f.w().Note()->Note(), QString());
    f.enter("3", "5", "1");
    f.click(0);
    QTest::keyClick(f.field(1), Qt::Key_Left);
    QTest::keyClick(f.field(1), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(f.w().Note()->Note(), QString());
}

void MainWindowTest::fieldsReadOtherwiseAreNamed()
{
    Fixture f;
    f.enter("1,5", "5", "2");
    QCOMPARE(f.w().Note()->Note(), QString());
    f.click(0);
    const QString note = f.w().Note()->Note();
    QVERIFY2(note.endsWith("A = 1"), qPrintable(note));
    QVERIFY(text(f.w().Transcript()).contains("1x + 5y = 2"));
    f.click(2);
    QCOMPARE(f.w().Note()->Note(), QString());
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
