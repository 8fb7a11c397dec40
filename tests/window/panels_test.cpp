// The window as the program opens it: the client area under a menu bar, with
// Euclid's way and "Your answer" beside it, driven by real key and mouse
// events. VELMORA_TEST_LANGUAGE names the language the run expects.

#include "answerpanel.h"
#include "boundsbox.h"
#include "controltable.h"
#include "euclidpanel.h"
#include "lessonwindow.h"
#include "mainwindow.h"
#include "picturepanel.h"
#include "placeholders.h"
#include "scripteddraws.h"
#include "worksheetdialog.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QXmlStreamReader>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <sstream>

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString accessibleName(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

using Menu = LessonWindow::Command;

struct Fixture
{
    std::shared_ptr<ScriptedDraws> draws = std::make_shared<ScriptedDraws>();
    std::unique_ptr<LessonWindow> window = std::make_unique<LessonWindow>(scriptedSource(draws));

    bool open()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    MainWindow &client() { return window->Client(); }
    AnswerPanel &answer() { return window->Answer(); }
    QLineEdit *field(int k) { return qobject_cast<QLineEdit *>(client().Pole(k)); }
    const Catalogue &language() { return client().Language(); }

    // Clears, then types the coefficients, as a pupil does.
    void enter(const QString &a, const QString &b, const QString &c)
    {
        QTest::mouseClick(client().Buton(1), Qt::LeftButton);
        for (int k = 1; k <= 3; ++k) {
            field(k)->selectAll();
            QTest::keyClicks(field(k), QStringList{a, b, c}.at(k - 1));
        }
    }

    // Types the answer into the panel's entries by keyboard and presses
    // Enter in the last one.
    void answerWith(const QStringList &entries)
    {
        QLineEdit *boxes[] = {answer().X0(), answer().Y0(), answer().StepX(), answer().StepY()};
        boxes[0]->setFocus();
        for (int i = 0; i < 4; ++i) {
            QWidget *focused = QApplication::focusWidget();
            QCOMPARE(focused, boxes[i]);
            boxes[i]->selectAll();
            QTest::keyClicks(focused, entries.at(i));
            QTest::keyClick(focused, i < 3 ? Qt::Key_Tab : Qt::Key_Return);
        }
    }

    QStringList feedback() { return answer().Feedback()->toPlainText().split(QLatin1Char('\n')); }
};

// A right answer to Ax + By = C, found the long way round: the pair by
// search, the steps from the GCD. Empty where no pair exists.
QStringList rightAnswer(long a, long b, long c)
{
    const long g = std::gcd(a, b);
    for (long x = -2000; x <= 2000; ++x)
        if (b != 0 && (c - a * x) % b == 0)
            return {QString::number(x), QString::number((c - a * x) / b), QString::number(b / g),
                    QString::number(-a / g)};
    return {};
}

// Numbers and a pair's arithmetic as the board writes them: U+2212 for a
// minus, a negative factor in brackets, the products and then their sum.
std::string school(long n)
{
    std::ostringstream text;
    text << (n < 0 ? "−" : "") << (n < 0 ? -n : n);
    return text.str();
}

std::string checked(long a, long x, long b, long y)
{
    const auto factor = [](long n) {
        std::ostringstream text;
        text << (n < 0 ? "(" : "") << school(n) << (n < 0 ? ")" : "");
        return text.str();
    };
    const long by = b * y;
    // A negative coefficient gives its sign to the sum: 3·2 − 5·1.
    std::ostringstream text;
    text << school(a) << "·" << factor(x) << (b < 0 ? " − " : " + ") << (b < 0 ? -b : b) << "·"
         << factor(y) << " = " << school(a * x) << (by < 0 ? " − " : " + ") << (by < 0 ? -by : by)
         << " = " << school(a * x + by);
    return text.str();
}

QString tally(const PracticeTexts &texts, int right, int total, int hints)
{
    return qs(FillPlaceholders(texts.tally.For(static_cast<std::uint64_t>(hints)),
                               {{"right", std::to_string(right)},
                                {"total", std::to_string(total)},
                                {"hints", std::to_string(hints)}}));
}

} // namespace

class PanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QByteArray expected = qgetenv("VELMORA_TEST_LANGUAGE");
        QVERIFY2(!expected.isEmpty(), "VELMORA_TEST_LANGUAGE names the language to expect");
        QCOMPARE(QByteArray(DesktopCatalogue().code.value.data()), expected);
    }

    // F2 shows and hides Euclid's way beside the client area, which stays
    // where and as large as it was; the View menu does the same by mouse.
    void euclidPanelByKeyboardAndMouse()
    {
        Fixture f;
        QVERIFY(f.open());
        EuclidPanel &panel = f.window->Euclid();
        const QSize client = f.client().size();
        const QPoint clientAt = f.client().mapTo(f.window.get(), QPoint());
        QVERIFY(!panel.isVisible());
        QCOMPARE(f.window->width(), client.width());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QTRY_VERIFY(panel.isVisible());
        QCOMPARE(QApplication::focusWidget(), panel.Account());
        QCOMPARE(f.client().size(), client);
        QCOMPARE(f.client().mapTo(f.window.get(), QPoint()), clientAt);
        QTRY_VERIFY(f.window->width() > client.width());
        QVERIFY(panel.mapTo(f.window.get(), QPoint()).x() >= client.width());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QTRY_VERIFY(!panel.isVisible());
        QTRY_COMPARE(f.window->width(), client.width());

        QMenuBar *bar = f.window->menuBar();
        QMenu *view = f.window->ViewMenu();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(view->menuAction()).center());
        QTRY_VERIFY(view->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QAction *entry = f.window->Action(Menu::EuclidPanel);
        QTest::mouseClick(view, Qt::LeftButton, {}, view->actionGeometry(entry).center());
        QTRY_VERIFY(panel.isVisible());
        QVERIFY(entry->isChecked());
    }

    // After Calculate the panel holds the visit's account of the same
    // equation in plain lines; it can be copied by keyboard, and goes with
    // the transcript.
    void accountAfterCalculateCopied()
    {
        Fixture f;
        QVERIFY(f.open());
        QPlainTextEdit *account = f.window->Euclid().Account();
        QCOMPARE(accessibleName(account), qs(f.language().euclid.title));
        QVERIFY(account->isReadOnly());
        QVERIFY(!account->placeholderText().isEmpty());

        f.enter(QStringLiteral("91"), QStringLiteral("35"), QStringLiteral("14"));
        QTest::mouseClick(f.client().Buton(0), Qt::LeftButton);
        const std::string &held = f.client().View().euclid;
        QStringList lines = qs(held).split(QStringLiteral("\r\n"));
        if (lines.last().isEmpty())
            lines.removeLast();
        QCOMPARE(account->toPlainText().split(QLatin1Char('\n')), lines);
        QVERIFY(account->toPlainText().contains(QString::fromUtf8("91 = 2·35 + 21")));
        QVERIFY(!account->toPlainText().contains(QLatin1Char('\r')));

        QTest::keyClick(f.window.get(), Qt::Key_F2);
        QTRY_COMPARE(QApplication::focusWidget(), account);
        QApplication::clipboard()->clear();
        QTest::keyClick(account, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(account, Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::clipboard()->text(), account->toPlainText());

        QTest::mouseClick(f.client().Buton(1), Qt::LeftButton);
        QCOMPARE(account->toPlainText(), QString());
    }

    // The table method draws a table headed q, r, s, t, named for a screen
    // reader, every row keeping r = 91s + 35t; the lines around it hold the
    // same text as the visit's. Chosen by mouse or arrow keys, the method
    // stays through Clear and the next equation, and the working stays too.
    void euclidMethodShowsARealTable()
    {
        Fixture f;
        QVERIFY(f.open());
        f.window->Action(Menu::EuclidPanel)->trigger();
        EuclidPanel &panel = f.window->Euclid();
        QRadioButton *table = panel.MethodButton(EuclidLesson::Method::Table);
        QRadioButton *substitution = panel.MethodButton(EuclidLesson::Method::Substitution);
        QVERIFY(substitution->isChecked());
        QCOMPARE(table->text(), qs(f.language().euclid.asTable));

        f.enter(QStringLiteral("91"), QStringLiteral("35"), QStringLiteral("14"));
        QTest::mouseClick(f.client().Buton(0), Qt::LeftButton);
        const std::string transcript = f.client().View().transcript;
        QVERIFY(panel.Table()->isHidden());
        QTest::mouseClick(table, Qt::LeftButton);
        QTRY_VERIFY(panel.Table()->isVisible());
        QCOMPARE(f.client().View().euclidLesson.method, EuclidLesson::Method::Table);
        QCOMPARE(f.client().View().transcript, transcript);

        QTableWidget *t = panel.Table();
        QCOMPARE(accessibleName(t), qs(f.language().euclid.tableName));
        QStringList headers;
        for (int c = 0; c < t->columnCount(); ++c)
            headers << t->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, (QStringList{"q", "r", "s", "t"}));
        const auto cell = [t](int r, int c) {
            return t->item(r, c)->text().replace(QChar(0x2212), QLatin1Char('-')).toLongLong();
        };
        QCOMPARE(cell(0, 1), 91);
        QCOMPARE(cell(1, 1), 35);
        for (int r = 0; r < t->rowCount(); ++r)
            QCOMPARE(cell(r, 1), 91 * cell(r, 2) + 35 * cell(r, 3));
        QCOMPARE(cell(t->rowCount() - 1, 1), 7);
        // The whole table shows: nothing of it scrolls out of sight.
        QVERIFY(t->viewport()->height() >=
                t->rowViewportPosition(t->rowCount() - 1) + t->rowHeight(t->rowCount() - 1));
        // The fields and the table together are the visit's lines, the
        // table where the text has its aligned rows.
        QStringList aligned;
        for (const EuclidStep &step : f.client().View().euclidLesson.steps)
            if (step.table)
                for (const std::string &line : EuclidTableLines(*step.table))
                    aligned << qs(line);
        QCOMPARE(aligned.size(), t->rowCount() + 1);
        QString held =
            qs(f.client().View().euclid).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        held.chop(1);
        QCOMPARE(panel.Account()->toPlainText() + QLatin1Char('\n') +
                     aligned.join(QLatin1Char('\n')) + QLatin1Char('\n') +
                     panel.After()->toPlainText(),
                 held);
        QVERIFY(!held.contains(QString::fromUtf8("91 = 2·35 + 21")));

        // By keys: the arrow moves the choice back, and the table goes.
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Left);
        QTRY_VERIFY(substitution->isChecked());
        QTRY_VERIFY(panel.Table()->isHidden());
        QVERIFY(panel.After()->isHidden());
        QVERIFY(panel.Account()->toPlainText().contains(QString::fromUtf8("91 = 2·35 + 21")));

        // Kept for the visit: the next equation has its table at once.
        QTest::mouseClick(table, Qt::LeftButton);
        f.enter(QStringLiteral("-91"), QStringLiteral("35"), QStringLiteral("-14"));
        QVERIFY(panel.Table()->isHidden());
        QVERIFY(table->isChecked());
        QTest::mouseClick(f.client().Buton(0), Qt::LeftButton);
        QTRY_VERIFY(panel.Table()->isVisible());
    }

    // Euclid's way a step at a time, by keyboard alone: Alt+Page Down shows
    // one line more, the current one marked; Alt+Page Up one fewer; Alt+End
    // all at once again. With the table method the rows come one by one.
    // The keys are none of the window's own, and do nothing while the panel
    // is hidden.
    void euclidPacedByKeyboard()
    {
        Fixture f;
        QVERIFY(f.open());
        EuclidPanel &panel = f.window->Euclid();
        const EuclidTexts &say = f.language().euclid;
        QCOMPARE(panel.NextButton()->text(), qs(say.paceNext));
        QCOMPARE(accessibleName(panel.NextButton()), qs(say.paceNextName));
        QCOMPARE(accessibleName(panel.PreviousButton()), qs(say.pacePreviousName));
        QCOMPARE(accessibleName(panel.AllButton()), qs(say.paceAllName));
        QVERIFY(accessibleName(panel.NextButton()).startsWith(panel.NextButton()->text()));
        QVERIFY(panel.NextButton()->toolTip().contains(QStringLiteral("Alt+Page Down")));
        QVERIFY(panel.PreviousButton()->toolTip().contains(QStringLiteral("Alt+Page Up")));
        QVERIFY(panel.AllButton()->toolTip().contains(QStringLiteral("Alt+End")));
        QList<QKeySequence> taken;
        for (int k = 0; k < int(Menu::Count); ++k)
            taken << f.window->Action(Menu(k))->shortcuts();
        for (QPushButton *button : {panel.NextButton(), panel.PreviousButton(), panel.AllButton()})
            QVERIFY2(!panel.Keys(button).isEmpty() && !taken.contains(panel.Keys(button)),
                     qPrintable(panel.Keys(button).toString()));

        f.enter(QStringLiteral("91"), QStringLiteral("35"), QStringLiteral("14"));
        QTest::mouseClick(f.client().Buton(0), Qt::LeftButton);
        // Hidden, the panel takes no keys.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::AltModifier);
        QVERIFY(!f.client().View().pace.paced);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QTRY_VERIFY(panel.isVisible());
        QPlainTextEdit *account = panel.Account();
        const QStringList all = account->toPlainText().split(QLatin1Char('\n'));
        QVERIFY(all.size() > 5);
        QVERIFY(account->extraSelections().isEmpty());
        const auto press = [](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        };
        const auto marked = [account] {
            const QList<QTextEdit::ExtraSelection> marks = account->extraSelections();
            return marks.size() == 1 ? marks.front().cursor.block().blockNumber() : -1;
        };
        const int count = int(f.client().View().pace.count);
        const auto stepText = [&](int at) {
            return qs(FillPlaceholders(
                say.paceAt, {{"current", std::to_string(at)}, {"count", std::to_string(count)}}));
        };
        press(Qt::Key_PageDown);
        QTRY_COMPARE(account->toPlainText(), all.front());
        QCOMPARE(marked(), 0);
        QCOMPARE(panel.PaceLabel()->text(), stepText(1));
        QVERIFY(!panel.PreviousButton()->isEnabled());
        QCOMPARE(account->extraSelections().front().format.background().color(),
                 EuclidPanel::MarkColour());
        press(Qt::Key_PageDown);
        press(Qt::Key_PageDown);
        QTRY_COMPARE(account->toPlainText(), all.mid(0, 3).join(QLatin1Char('\n')));
        QCOMPARE(marked(), 2);
        QCOMPARE(account->textCursor().blockNumber(), 2);
        press(Qt::Key_PageUp);
        QTRY_COMPARE(account->toPlainText(), all.mid(0, 2).join(QLatin1Char('\n')));
        QCOMPARE(marked(), 1);
        QCOMPARE(panel.PaceLabel()->text(), stepText(2));
        press(Qt::Key_End);
        QTRY_COMPARE(account->toPlainText(), all.join(QLatin1Char('\n')));
        QVERIFY(account->extraSelections().isEmpty());
        QCOMPARE(panel.PaceLabel()->text(), QString());
        QVERIFY(!panel.AllButton()->isEnabled());

        // The table's rows one by one, after the lines before it.
        panel.MethodButton(EuclidLesson::Method::Table)->click();
        QTRY_VERIFY(panel.Table()->isVisible());
        const int before = account->toPlainText().split(QLatin1Char('\n')).size();
        QTableWidget *table = panel.Table();
        const int rows = table->rowCount();
        const int fullHeight = table->height();
        account->setFocus();
        for (int k = 0; k <= before; ++k)
            press(Qt::Key_PageDown);
        QTRY_VERIFY(table->isVisible());
        QCOMPARE(account->toPlainText().split(QLatin1Char('\n')).size(), before);
        QVERIFY(account->extraSelections().isEmpty());
        QVERIFY(!table->isRowHidden(0));
        for (int r = 1; r < rows; ++r)
            QVERIFY(table->isRowHidden(r));
        QCOMPARE(table->item(0, 1)->background().color(), EuclidPanel::MarkColour());
        QVERIFY(table->height() < fullHeight);
        QVERIFY(panel.After()->isHidden());
        press(Qt::Key_PageDown);
        QTRY_VERIFY(!table->isRowHidden(1));
        QCOMPARE(table->item(1, 1)->background().color(), EuclidPanel::MarkColour());
        QVERIFY(table->item(0, 1)->background().style() == Qt::NoBrush);

        // To the last step: Next goes off and the focus stays in the panel.
        panel.NextButton()->setFocus();
        const std::size_t tableCount = f.client().View().pace.count;
        while (f.client().View().pace.at < tableCount) {
            QCOMPARE(QApplication::focusWidget(), panel.NextButton());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        }
        QTRY_VERIFY(!panel.NextButton()->isEnabled());
        QCOMPARE(QApplication::focusWidget(), panel.PreviousButton());
        QVERIFY(panel.After()->isVisible());
    }

    // The answer's controls carry the catalogue's names, so a screen reader
    // finds them by the words it says.
    void answerControlsNamed()
    {
        Fixture f;
        QVERIFY(f.open());
        f.window->Action(Menu::AnswerPanel)->trigger();
        const PracticeTexts::Controls &c = f.language().practice.controls;
        AnswerPanel &p = f.answer();
        const std::pair<QObject *, const ControlText *> named[] = {{p.X0(), &c.x0},
                                                                   {p.Y0(), &c.y0},
                                                                   {p.StepX(), &c.stepX},
                                                                   {p.StepY(), &c.stepY},
                                                                   {p.NoSolution(), &c.noSolution},
                                                                   {p.CheckButton(), &c.check},
                                                                   {p.HintButton(), &c.hint},
                                                                   {p.Feedback(), &c.feedback},
                                                                   {p.Tally(), &c.tally},
                                                                   {p.ClearTally(), &c.clearTally},
                                                                   {&p, &c.heading}};
        for (const auto &[object, texts] : named)
            QCOMPARE(accessibleName(object), qs(texts->accessibleName));
        if (f.language().code.value == "en") {
            QVERIFY(accessibleName(p.X0()).startsWith(QStringLiteral("x₀")));
            QVERIFY(accessibleName(p.StepY()).startsWith(QStringLiteral("q in y = y₀ + qt")));
            QCOMPARE(accessibleName(p.Feedback()), QStringLiteral("Feedback"));
        }
        // Big numbers fit: twenty digits and a sign.
        const QString big = QStringLiteral("-4611686018427387904");
        QTRY_VERIFY(p.X0()->isVisible());
        QVERIFY(p.X0()->width() - 8 >= p.X0()->fontMetrics().horizontalAdvance(big));
    }

    // A round by keyboard: a right answer, then New data, a wrong answer
    // and its correction. The tally counts each equation once, and a point
    // only at the first try.
    void practiceRoundByKeyboard()
    {
        Fixture f;
        QVERIFY(f.open());
        const PracticeTexts &texts = f.language().practice;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
        QTRY_COMPARE(QApplication::focusWidget(), f.answer().X0());

        f.enter(QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("1"));
        // Right though the transcript would find another pair.
        f.answerWith(
            {QStringLiteral("-3"), QStringLiteral("2"), QStringLiteral("-5"), QStringLiteral("3")});
        QCOMPARE(f.feedback().first(), qs(texts.right));
        QCOMPARE(f.feedback().at(1),
                 qs(FillPlaceholders(texts.particular.right,
                                     {{"check", "3·(−3) + 5·2 = −9 + 10 = 1"}})));
        QCOMPARE(f.answer().Tally()->text(), tally(texts, 1, 1, 0));

        // New data: the feedback about the old equation goes.
        QTest::mouseClick(f.client().Buton(2), Qt::LeftButton);
        QCOMPARE(f.answer().Feedback()->toPlainText(), QString());
        const auto &drawn = f.client().View().coefficients;
        const long a = std::stol(drawn[0]), b = std::stol(drawn[1]), c = std::stol(drawn[2]);
        const QStringList right = rightAnswer(a, b, c);
        if (right.isEmpty()) {
            QSKIP("the draw gave an equation without solutions");
        }
        QVERIFY(a != 0);
        QStringList wrong = right;
        wrong[0] = QString::number(right[0].toLong() + 1);
        f.answerWith(wrong);
        QCOMPARE(f.feedback().first(), qs(texts.wrong));
        QCOMPARE(
            f.feedback().at(1),
            qs(FillPlaceholders(texts.particular.wrong,
                                {{"check", checked(a, wrong[0].toLong(), b, right[1].toLong())},
                                 {"c", school(c)}})));
        QCOMPARE(f.answer().Tally()->text(), tally(texts, 1, 2, 0));

        // The correction is right, and earns no point.
        f.answerWith(right);
        QCOMPARE(f.feedback().first(), qs(texts.right));
        QCOMPARE(f.answer().Tally()->text(), tally(texts, 1, 2, 0));

        QTest::mouseClick(f.answer().ClearTally(), Qt::LeftButton);
        QCOMPARE(f.answer().Tally()->text(), tally(texts, 0, 0, 0));
    }

    // While bounds are in effect "Your answer" asks for the list of the
    // solutions they allow, in place of the pair and the steps: named and
    // captioned, typed by keyboard and checked by Enter, its feedback and
    // hints in the one box, its task scored apart.
    void listCheckedWhileBoundsAreInEffect()
    {
        Fixture f;
        QVERIFY(f.open());
        const PracticeTexts &texts = f.language().practice;
        f.enter(QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("47"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
        AnswerPanel &p = f.answer();
        QTRY_COMPARE(QApplication::focusWidget(), p.X0());
        QVERIFY(!p.List()->isVisible());

        BoundsBox &bounds = *f.window->Euclid().Bounds();
        bounds.Choice(BoundsChoice::Natural)->click();
        QTRY_VERIFY(p.List()->isVisible());
        QVERIFY(!p.X0()->isVisible());
        QVERIFY(!p.StepY()->isVisible());
        QVERIFY(!p.NoSolution()->isVisible());
        // The focus follows the entry asked for.
        QCOMPARE(QApplication::focusWidget(), p.List());
        QCOMPARE(accessibleName(p.List()), qs(texts.controls.list.accessibleName));
        bool captioned = false;
        for (QLabel *label : p.findChildren<QLabel *>())
            captioned |= label->buddy() == p.List() &&
                         label->text() == qs(texts.controls.list.text) && label->isVisible();
        QVERIFY(captioned);

        const bool english = f.language().code.value == std::string_view("en");
        const QString semicolon = english ? QStringLiteral(",") : QStringLiteral(";");
        QTest::keyClicks(p.List(), QStringLiteral("(4%1 7) (5%1 6)").arg(semicolon));
        QTest::keyClick(p.List(), Qt::Key_Return);
        QStringList lines = f.feedback();
        QCOMPARE(lines.first(), qs(texts.wrong));
        QCOMPARE(lines.at(1), qs(FillPlaceholders(texts.list.notASolution,
                                                  {{"pair", "(5" + semicolon.toStdString() + " 6)"},
                                                   {"check", "3·5 + 5·6 = 15 + 30 = 45"},
                                                   {"c", "47"}})));
        QCOMPARE(lines.last(), qs(FillPlaceholders(texts.list.missing.For(2), {{"count", "2"}})));
        QCOMPARE(p.Tally()->text(), tally(texts, 0, 1, 0));

        // Hints to the whole list, then the list typed right: no point.
        while (p.HintButton()->isEnabled())
            QTest::mouseClick(p.HintButton(), Qt::LeftButton);
        const QString whole = p.Feedback()->toPlainText();
        for (const QString &pair : {QStringLiteral("(9%1 4)"), QStringLiteral("(14%1 1)")})
            QVERIFY2(whole.contains(pair.arg(semicolon)), qPrintable(whole));
        QCOMPARE(p.Tally()->text(), tally(texts, 0, 1, 4));
        p.List()->selectAll();
        QTest::keyClicks(p.List(), QStringLiteral("(4%1 7), (9%1 4), (14%1 1)").arg(semicolon));
        QTest::mouseClick(p.CheckButton(), Qt::LeftButton);
        QCOMPARE(f.feedback().first(), qs(texts.right));
        QCOMPARE(p.Tally()->text(), tally(texts, 0, 1, 4));

        // The bounds gone, the pair and the steps are asked for again.
        p.List()->setFocus();
        bounds.Choice(BoundsChoice::Natural)->click();
        QTRY_VERIFY(p.X0()->isVisible());
        QCOMPARE(QApplication::focusWidget(), p.X0());
        QVERIFY(!p.List()->isVisible());
        QVERIFY(p.NoSolution()->isVisible());
        QCOMPARE(p.Feedback()->toPlainText(), QString());
    }

    // The Hint button gives one hint at a time below the feedback, every line
    // of which stays in sight, and goes grey after the whole answer.
    void hintsOneAtATime()
    {
        Fixture f;
        QVERIFY(f.open());
        const PracticeTexts &texts = f.language().practice;
        f.window->Action(Menu::AnswerPanel)->trigger();
        QPushButton *hint = f.answer().HintButton();
        QCOMPARE(hint->text(), qs(texts.controls.hint.text));
        QCOMPARE(hint->accessibleName(), qs(texts.controls.hint.accessibleName));
        f.enter(QStringLiteral("91"), QStringLiteral("35"), QStringLiteral("14"));
        for (int k = 1; k <= 3; ++k) {
            QVERIFY(hint->isEnabled());
            QTest::mouseClick(hint, Qt::LeftButton);
            const QStringList lines = f.feedback();
            QCOMPARE(lines.first(), qs(texts.controls.hints.text));
            QCOMPARE(lines.size(), 1 + k);
            QVERIFY2(lines.last().startsWith(QString::number(k) + ". "), qPrintable(lines.last()));
        }
        QVERIFY(!hint->isEnabled());
        QVERIFY2(f.feedback().last().contains(QStringLiteral("x = 4 − 5t, y = −10 + 13t, t ∈ ℤ")),
                 qPrintable(f.feedback().last()));
        QCOMPARE(f.answer().Tally()->text(), tally(texts, 0, 0, 3));
        // Every line in sight: the box is as tall as its wrapped text.
        QPlainTextEdit *box = f.answer().Feedback();
        QTRY_VERIFY(box->verticalScrollBar()->maximum() == 0);
    }

    // "No integer solution" claimed by keyboard, right and then wrong; a
    // screen reader reads the feedback from the field's text.
    void noSolutionClaimRead()
    {
        Fixture f;
        QVERIFY(f.open());
        const PracticeTexts &texts = f.language().practice;
        f.window->Action(Menu::AnswerPanel)->trigger();

        f.enter(QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("7"));
        f.answer().NoSolution()->setFocus();
        QTest::keyClick(f.answer().NoSolution(), Qt::Key_Space);
        QVERIFY(f.answer().NoSolution()->isChecked());
        QVERIFY(!f.answer().X0()->isEnabled());
        QTest::keyClick(f.answer().NoSolution(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.answer().CheckButton());
        QTest::keyClick(f.answer().CheckButton(), Qt::Key_Space);
        QCOMPARE(f.feedback().first(), qs(texts.right));
        QAccessibleTextInterface *read =
            QAccessible::queryAccessibleInterface(f.answer().Feedback())->textInterface();
        QVERIFY(read);
        QCOMPARE(read->text(0, read->characterCount()), f.answer().Feedback()->toPlainText());

        // Clear empties the answer, the claim with it: claimed again for 4x + 6y = 8.
        f.enter(QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("8"));
        QVERIFY(!f.answer().NoSolution()->isChecked());
        QCOMPARE(f.answer().Feedback()->toPlainText(), QString());
        f.answer().NoSolution()->setFocus();
        QTest::keyClick(f.answer().NoSolution(), Qt::Key_Space);
        QVERIFY(f.answer().NoSolution()->isChecked());
        QTest::mouseClick(f.answer().CheckButton(), Qt::LeftButton);
        QCOMPARE(f.feedback().first(), qs(texts.wrong));
        QCOMPARE(read->text(0, read->characterCount()), f.answer().Feedback()->toPlainText());
        // Both entries are enabled again once the claim is withdrawn.
        f.answer().NoSolution()->setFocus();
        QTest::keyClick(f.answer().NoSolution(), Qt::Key_Space);
        QVERIFY(f.answer().X0()->isEnabled());
    }

    // Zoom scales the client area and the panel from the table, keeps every
    // control's proportions, and Ctrl+0 brings back every pixel.
    void zoomScalesAndRestores()
    {
        Fixture f;
        QVERIFY(f.open());
        f.window->Action(Menu::EuclidPanel)->trigger();
        MainWindow &client = f.client();
        const QSize clientSize = client.size();
        const QSize windowSize = f.window->size();
        const QRect button = client.Buton(0)->geometry();
        const qreal points = client.font().pointSizeF();
        QCOMPARE(clientSize, QSize(Pixels(ClientWidth), Pixels(ClientHeight)));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(f.window->Zoom(), 1.25);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(f.window->Zoom(), 1.5);
        QTRY_COMPARE(client.size(), QSize(std::lround(ClientWidth * 1.5 / TwipsPerPixel),
                                          std::lround(ClientHeight * 1.5 / TwipsPerPixel)));
        QCOMPARE(client.font().pointSizeF(), points * 1.5);
        QCOMPARE(f.window->Euclid().Account()->font().pointSizeF(), points * 1.5);
        // The panel follows its captions' widths and the style's margins,
        // which do not scale exactly; the client area does, to the pixel.
        // A screen too narrow for it all narrows the panel.
        const int room = f.window->screen()->availableGeometry().width();
        if (windowSize.width() * 1.5 * 1.05 < room)
            QTRY_VERIFY(std::abs(f.window->width() - windowSize.width() * 1.5) <=
                        windowSize.width() * 0.05);
        else
            QTRY_VERIFY(f.window->width() <= room);
        QCOMPARE(f.window->Euclid().height() <= client.height(), true);
        for (std::size_t i = 0; i < Controls.size(); ++i) {
            const ControlEntry &e = Controls[i];
            const QWidget *control = client.childAt(
                QPoint(int(std::lround((e.left + e.width / 2) * 1.5 / TwipsPerPixel)),
                       int(std::lround((e.top + e.height / 2) * 1.5 / TwipsPerPixel))));
            QVERIFY2(control, e.name.data());
        }
        const QRect bigger = client.Buton(0)->geometry();
        QVERIFY(std::abs(bigger.width() - button.width() * 1.5) <= 1);
        QVERIFY(std::abs(bigger.height() - button.height() * 1.5) <= 1);
        QVERIFY(std::abs(bigger.left() - button.left() * 1.5) <= 1);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(f.window->Zoom(), 1.0);
        QCOMPARE(client.size(), clientSize);
        QCOMPARE(client.Buton(0)->geometry(), button);
        QCOMPARE(client.font().pointSizeF(), points);
        QTRY_COMPARE(f.window->size(), windowSize);

        // Down to the smallest step and no further.
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(f.window->Zoom(), LessonWindow::ZoomSteps.front());
        QVERIFY(!f.window->Action(Menu::ZoomOut)->isEnabled());
        QTRY_VERIFY(f.window->width() < windowSize.width());
    }

    // At every zoom step, with Euclid's way open and then every panel, the
    // window lies inside its screen's room: the client area keeps its
    // zoomed size at the top left, the panels take what is left beside it.
    // Zoom in stops where the next step would not fit, and not before.
    void zoomStaysOnScreen()
    {
        Fixture f;
        QVERIFY(f.open());
        f.enter(QStringLiteral("91"), QStringLiteral("35"), QStringLiteral("14"));
        QTest::mouseClick(f.client().Buton(0), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QTRY_VERIFY(f.window->Euclid().isVisible());
        const QRect room = f.window->screen()->availableGeometry();
        qInfo("screen's room %dx%d", room.width(), room.height());
        QAction *zoomIn = f.window->Action(Menu::ZoomIn);
        QList<double> reached;
        while (true) {
            const double zoom = f.window->Zoom();
            reached << zoom;
            const QString at = QString::number(zoom);
            QTRY_VERIFY2(room.contains(f.window->frameGeometry()), qPrintable(at));
            QCOMPARE(f.client().size(), MainWindow::SizeAt(zoom));
            QCOMPARE(f.client().mapTo(f.window.get(), QPoint()),
                     QPoint(0, f.window->menuBar()->height()));
            QScrollArea *side = f.window->Side();
            QCOMPARE(side->x(), f.client().width());
            QCOMPARE(side->x() + side->width(), f.window->width());
            QVERIFY2(side->width() >= std::lround(LessonWindow::SideLeastWidth * zoom),
                     qPrintable(at));
            if (!zoomIn->isEnabled())
                break;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::ControlModifier);
            QVERIFY(f.window->Zoom() > zoom);
        }
        // Stopped because the next step's client area and the narrowest
        // panel would run off the screen.
        const double top = f.window->Zoom();
        const auto next =
            std::upper_bound(LessonWindow::ZoomSteps.begin(), LessonWindow::ZoomSteps.end(), top);
        if (next != LessonWindow::ZoomSteps.end()) {
            const QSize client = MainWindow::SizeAt(*next);
            QVERIFY2(client.width() + std::lround(LessonWindow::SideLeastWidth * *next) >
                             room.width() ||
                         client.height() + f.window->menuBar()->height() > room.height(),
                     qPrintable(QString::number(*next)));
        }
        // The screen the window is made for: 200 % is the last that fits.
        if (room.size() == QSize(1920, 1080))
            QCOMPARE(top, 2.0);
        QList<double> steps;
        for (double step : LessonWindow::ZoomSteps)
            if (step >= 1 && step <= top)
                steps << step;
        QCOMPARE(reached, steps);
        // Asked for more than fits, the zoom is the largest step that does.
        f.window->SetZoom(LessonWindow::ZoomSteps.back());
        QCOMPARE(f.window->Zoom(), top);
        QVERIFY(!zoomIn->isEnabled());

        // Every panel open at that zoom: still inside, the panels scrolling
        // within the window where they need more than it has.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
        QTRY_VERIFY(f.window->Picture().isVisible());
        QTRY_VERIFY(room.contains(f.window->frameGeometry()));
        QScrollArea *side = f.window->Side();
        QTRY_VERIFY(side->verticalScrollBar()->maximum() > 0);
        // The picture, opened by keyboard, has the focus below the fold:
        // the panels scroll to it.
        QWidget *view = f.window->Picture().View();
        QCOMPARE(QApplication::focusWidget(), view);
        QTRY_VERIFY(side->verticalScrollBar()->value() > 0);
        QVERIFY(QRect(QPoint(), side->viewport()->size())
                    .contains(view->mapTo(side->viewport(), view->rect().center())));
    }

    // Dragged larger by hand, the window gives the room to the panels: the
    // client area stays as it is at the top left; it cannot be made
    // narrower than the client area and the narrowest panel.
    void resizeByHandWidensThePanels()
    {
        Fixture f;
        QVERIFY(f.open());
        f.window->Action(Menu::EuclidPanel)->trigger();
        f.window->Action(Menu::AnswerPanel)->trigger();
        QTRY_VERIFY(f.answer().isVisible());
        QTest::qWait(50);
        const QRect room = f.window->screen()->availableGeometry();
        const QSize client = f.client().size();
        const QSize before = f.window->size();
        QPlainTextEdit *account = f.window->Euclid().Account();
        QPlainTextEdit *feedback = f.answer().Feedback();
        const QSize account0 = account->size(), feedback0 = feedback->size();
        const QSize larger(std::min(before.width() + 300, room.width()),
                           std::min(before.height() + 200, room.height()));
        QVERIFY(larger.width() > before.width() && larger.height() > before.height());
        f.window->resize(larger);
        QTRY_COMPARE(f.window->size(), larger);
        QTRY_VERIFY(account->width() > account0.width());
        QCOMPARE(f.client().size(), client);
        QCOMPARE(f.client().mapTo(f.window.get(), QPoint()),
                 QPoint(0, f.window->menuBar()->height()));
        QCOMPARE(feedback->width() - feedback0.width(), account->width() - account0.width());
        QVERIFY(account->height() + feedback->height() > account0.height() + feedback0.height());
        QCOMPARE(f.window->Side()->x() + f.window->Side()->width(), f.window->width());

        f.window->resize(100, 100);
        QTRY_VERIFY(f.window->width() < larger.width());
        QCOMPARE(f.window->width(), client.width() + LessonWindow::SideLeastWidth);
        QCOMPARE(f.window->height(), client.height() + f.window->menuBar()->height());
        QCOMPARE(f.client().size(), client);
    }

    // Euclid's way, the lines after its table and the bounds' account below
    // it each keep three lines in sight, however many the others hold, at
    // the smallest window and at the largest zoom; each scrolls in itself.
    void euclidAndBoundsKeepTheirShare()
    {
        Fixture f;
        QVERIFY(f.open());
        f.enter(QStringLiteral("1534"), QStringLiteral("1309"), QStringLiteral("652"));
        QTest::mouseClick(f.client().Buton(0), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        EuclidPanel &panel = f.window->Euclid();
        QTRY_VERIFY(panel.isVisible());
        BoundsBox &bounds = *panel.Bounds();
        bounds.Choice(BoundsChoice::Natural)->click();
        const auto threeLines = [](QPlainTextEdit *field) {
            return field->viewport()->height() >= 3 * field->fontMetrics().lineSpacing();
        };
        const auto check = [&](const char *where) {
            QTRY_VERIFY2(threeLines(panel.Account()), where);
            QTRY_VERIFY2(threeLines(bounds.Account()), where);
            if (panel.After()->isVisible())
                QTRY_VERIFY2(threeLines(panel.After()), where);
            QVERIFY2(panel.Account()->verticalScrollBar()->maximum() > 0, where);
        };
        check("substitution");
        panel.MethodButton(EuclidLesson::Method::Table)->click();
        QTRY_VERIFY(panel.Table()->isVisible());
        QVERIFY(panel.After()->isVisible());
        check("table");
        f.window->resize(1, 1);
        check("smallest window");
        while (f.window->Action(Menu::ZoomIn)->isEnabled())
            f.window->Action(Menu::ZoomIn)->trigger();
        check("largest zoom");
        f.window->Action(Menu::AnswerPanel)->trigger();
        f.window->Action(Menu::PicturePanel)->trigger();
        check("every panel");
    }

    // Ctrl+P opens the worksheet dialog, in the program's font.
    void worksheetFromTheMenu()
    {
        Fixture f;
        QVERIFY(f.open());
        QPointer<WorksheetDialog> seen;
        QString family;
        QTimer closer;
        closer.setInterval(50);
        connect(&closer, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<WorksheetDialog *>(QApplication::activeModalWidget())) {
                seen = dialog;
                family = dialog->font().family();
                dialog->reject();
            }
        });
        closer.start();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        closer.stop();
        QVERIFY(!family.isEmpty());
        QCOMPARE(family, f.client().font().family());
        QVERIFY(seen.isNull()); // gone with its menu entry's return
    }

    // The bounds after Euclid's way: named for screen readers, reached by
    // Tab in reading order, ticked and typed by keyboard; the account and the
    // picture follow them, and a bad box says why in the window's language.
    void boundsBesideEuclidsWay()
    {
        Fixture f;
        QVERIFY(f.open());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        EuclidPanel &panel = f.window->Euclid();
        QTRY_VERIFY(panel.isVisible());
        BoundsBox &bounds = *panel.Bounds();
        const BoundsTexts &say = f.language().bounds;
        QCheckBox *natural = bounds.Choice(BoundsChoice::Natural);
        QCheckBox *nonNegative = bounds.Choice(BoundsChoice::NonNegative);
        QCOMPARE(accessibleName(natural), qs(say.choiceNatural));
        QCOMPARE(accessibleName(nonNegative), qs(say.choiceNonNegative));
        const Phrase *names[] = {&say.xFromName, &say.xToName, &say.yFromName, &say.yToName};
        const Phrase *captions[] = {&say.xFrom, &say.xTo, &say.yFrom, &say.yTo};
        const BoundEnd ends[] = {BoundEnd::XMin, BoundEnd::XMax, BoundEnd::YMin, BoundEnd::YMax};
        for (int k = 0; k < 4; ++k) {
            QLineEdit *box = bounds.End(ends[k]);
            QCOMPARE(accessibleName(box), qs(*names[k]));
            bool captioned = false;
            for (QLabel *label : bounds.findChildren<QLabel *>())
                captioned |= label->buddy() == box && label->text() == qs(*captions[k]);
            QVERIFY2(captioned, qPrintable(qs(*captions[k])));
        }
        QCOMPARE(accessibleName(bounds.Account()), qs(say.title));

        // Tab from Euclid's way: the two choices, the four boxes, the account.
        panel.Account()->setFocus();
        const QList<QWidget *> order = {natural,
                                        nonNegative,
                                        bounds.End(BoundEnd::XMin),
                                        bounds.End(BoundEnd::XMax),
                                        bounds.End(BoundEnd::YMin),
                                        bounds.End(BoundEnd::YMax),
                                        bounds.Account()};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), next);
        }

        f.enter(QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("47"));
        QTest::mouseClick(f.client().Buton(0), Qt::LeftButton);
        QVERIFY(bounds.Account()->toPlainText().isEmpty());

        natural->setFocus();
        QTest::keyClick(natural, Qt::Key_Space);
        QVERIFY(natural->isChecked());
        bounds.End(BoundEnd::XMax)->setFocus();
        QTest::keyClicks(bounds.End(BoundEnd::XMax), QStringLiteral("10"));
        const bool english = f.language().code.value == std::string_view("en");
        const auto pair = [english](int x, int y) {
            return QStringLiteral("(%1%2 %3)")
                .arg(x)
                .arg(english ? QStringLiteral(",") : QStringLiteral(";"))
                .arg(y);
        };
        const QString account = bounds.Account()->toPlainText();
        QVERIFY2(account.contains(pair(4, 7) + QStringLiteral(", ") + pair(9, 4)),
                 qPrintable(account));
        QVERIFY2(!account.contains(pair(14, 1)), qPrintable(account));
        QVERIFY(!account.contains(QLatin1Char('\r')));
        // The picture shades the same bounds: its marks inside them are those two.
        QSet<QPair<int, int>> inside;
        QXmlStreamReader reader(QByteArray::fromStdString(f.window->Picture().Svg()));
        while (!reader.atEnd())
            if (reader.readNext() == QXmlStreamReader::StartElement &&
                reader.attributes().value(QStringLiteral("data-in-bounds")) == u"true")
                inside.insert({reader.attributes().value(QStringLiteral("data-x")).toInt(),
                               reader.attributes().value(QStringLiteral("data-y")).toInt()});
        QCOMPARE(inside, (QSet<QPair<int, int>>{{4, 7}, {9, 4}}));

        // One choice at a time: ticking the other clears the first.
        nonNegative->setFocus();
        QTest::keyClick(nonNegative, Qt::Key_Space);
        QVERIFY(nonNegative->isChecked());
        QVERIFY(!natural->isChecked());
        QCOMPARE(f.client().View().bounds.choice, BoundsChoice::NonNegative);

        QLineEdit *yFrom = bounds.End(BoundEnd::YMin);
        yFrom->setFocus();
        QTest::keyClicks(yFrom, QStringLiteral("1.5"));
        QTRY_VERIFY(bounds.Faults()->isVisible());
        QVERIFY2(bounds.Faults()->text().startsWith(qs(say.yFrom) + QLatin1Char(':')),
                 qPrintable(bounds.Faults()->text()));
        QCOMPARE(yFrom->accessibleDescription(), bounds.Faults()->text());
        QVERIFY(bounds.Account()->toPlainText().isEmpty());

        // Kept for the visit: new data leaves them as they are.
        yFrom->clear();
        QTest::keyClicks(yFrom, QStringLiteral("2"));
        QTest::mouseClick(f.client().Buton(2), Qt::LeftButton);
        QVERIFY(nonNegative->isChecked());
        QCOMPARE(yFrom->text(), QStringLiteral("2"));
        QCOMPARE(bounds.End(BoundEnd::XMax)->text(), QStringLiteral("10"));
        QVERIFY(!bounds.Faults()->isVisible());
    }

    // F4 shows the picture beside the window, with the focus; after
    // Calculate it is the equation's, drawn so that its line shows in the
    // theme's colours; Clear takes it away again.
    void pictureAfterCalculate()
    {
        Fixture f;
        QVERIFY(f.open());
        PicturePanel &panel = f.window->Picture();
        QVERIFY(!panel.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
        QTRY_VERIFY(panel.isVisible());
        QCOMPARE(QApplication::focusWidget(), panel.View());
        QVERIFY(f.window->Action(Menu::PicturePanel)->isChecked());
        QCOMPARE(accessibleName(panel.View()), qs(f.language().picture.heading));
        QVERIFY(panel.Svg().empty());

        f.enter(QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("47"));
        QTest::mouseClick(f.client().Buton(0), Qt::LeftButton);
        QVERIFY(!panel.Svg().empty());
        // The marks it holds: the solutions of 3x + 5y = 47 around (4, 7).
        QSet<QPair<int, int>> marks;
        QXmlStreamReader reader(QByteArray::fromStdString(panel.Svg()));
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::StartElement &&
                reader.attributes().hasAttribute(QStringLiteral("data-x")))
                marks.insert({reader.attributes().value(QStringLiteral("data-x")).toInt(),
                              reader.attributes().value(QStringLiteral("data-y")).toInt()});
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        for (const QPair<int, int> &p : marks)
            QCOMPARE(3 * p.first + 5 * p.second, 47);
        QVERIFY(marks.contains({4, 7}));
        QVERIFY(marks.size() >= 3);
        const QString description =
            QAccessible::queryAccessibleInterface(panel.View())->text(QAccessible::Description);
        QVERIFY2(description.contains(QStringLiteral("(4")), qPrintable(description));

        // Drawn, not only held: the line's blue (or its lighter hue on a
        // dark theme) is on screen.
        const QImage shot = panel.View()->grab().toImage();
        int lineColoured = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c == QColor(0x1a, 0x5f, 0xb4) || c == QColor(0x99, 0xc1, 0xf1))
                    ++lineColoured;
            }
        QVERIFY2(lineColoured > 100, qPrintable(QString::number(lineColoured)));

        QTest::mouseClick(f.client().Buton(1), Qt::LeftButton);
        QVERIFY(panel.Svg().empty());
    }
};

QTEST_MAIN(PanelsTest)
#include "panels_test.moc"
