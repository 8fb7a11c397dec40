// The window as a keyboard or screen-reader user meets it, read through Qt's
// accessibility interfaces as assistive technology reads it.

#include "controltable.h"
#include "mainwindow.h"
#include "scripteddraws.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString name(const ControlEntry &entry)
{
    return QString::fromUtf8(entry.accessibleName.data(), qsizetype(entry.accessibleName.size()));
}

// A shown, active window whose fills draw `draws`.
std::unique_ptr<MainWindow> openWindow(const std::shared_ptr<ScriptedDraws> &draws)
{
    auto window = std::make_unique<MainWindow>(scriptedSource(draws));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

} // namespace

class AccessTest : public QObject
{
    Q_OBJECT

private slots:
    void resultTakesTheFocus();
};

void AccessTest::resultTakesTheFocus()
{
    auto draws = std::make_shared<ScriptedDraws>();
    const auto window = openWindow(draws);
    QVERIFY(window);
    MainWindow &w = *window;

    // A long account, so "starts at the top" means something.
    QTest::mouseClick(w.Buton(1), Qt::LeftButton);
    QTest::keyClicks(w.Pole(1), "-997");
    QTest::keyClicks(w.Pole(2), "-991");
    QTest::keyClicks(w.Pole(3), "1");
    w.Pole(3)->setFocus();
    QTest::keyClick(w.Pole(3), Qt::Key_Tab);
    QTest::keyClick(w.Pole(4), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Buton(0));

    QList<QWidget *> focused;
    QObject context;
    connect(qApp, &QApplication::focusChanged, &context,
            [&focused](QWidget *, QWidget *now) { focused << now; });
    QTest::keyClick(w.Buton(0), Qt::Key_Space);
    QVERIFY(!w.Buton(0)->isEnabled());

    // Straight to the transcript: "Изчисти" never had it, not even between.
    QCOMPARE(focused, QList<QWidget *>{w.Pole(4)});
    QAccessibleInterface *result = accessible(&w)->focusChild();
    QVERIFY(result);
    QCOMPARE(result->object(), w.Pole(4));
    QCOMPARE(result->role(), QAccessible::EditableText);
    QVERIFY(result->state().focused);
    QVERIFY(result->state().readOnly);
    QCOMPARE(result->text(QAccessible::Name), name(Controls[4]));

    // Read from its first line, which is also what shows.
    QAccessibleTextInterface *text = result->textInterface();
    QVERIFY(text);
    const QString transcript = QString::fromStdString(w.Transcript());
    const QString firstLine = transcript.left(transcript.indexOf("\r\n"));
    QVERIFY(!firstLine.isEmpty());
    QCOMPARE(text->cursorPosition(), 0);
    QCOMPARE(text->text(0, int(firstLine.size())), firstLine);
    auto *box = qobject_cast<QPlainTextEdit *>(w.Pole(4));
    QVERIFY(box->verticalScrollBar()->maximum() > 0);
    QCOMPARE(box->verticalScrollBar()->value(), 0);

    // The keys that come next select and copy; Space changes nothing.
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(QString::fromStdString(w.Transcript()), transcript);
    QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(text->selectionCount(), 1);
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    QCOMPARE(text->text(start, end), firstLine);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), firstLine);
    QVERIFY(!w.Buton(0)->isEnabled());
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
