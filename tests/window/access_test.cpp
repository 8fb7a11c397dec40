// The window as a keyboard or screen-reader user meets it, read through Qt's
// accessibility interfaces as assistive technology reads it: where the focus
// goes after a calculation, which caption labels which field, what the window
// is, Qt's own texts in Bulgarian, the list's focus mark on any palette and
// captions that never cover their fields.

#include "controltable.h"
#include "mainwindow.h"
#include "noteline.h"
#include "openwindow.h"
#include "scripteddraws.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The objects `object` stands in relation `relation` to.
QList<QObject *> related(QObject *object, QAccessible::Relation relation)
{
    QList<QObject *> objects;
    for (const auto &pair : accessible(object)->relations(relation))
        objects << pair.first->object();
    return objects;
}

QString name(const ControlEntry &entry, const Catalogue &language)
{
    const std::string_view text = TextsOf(entry, language).accessibleName;
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

class AccessTest : public QObject
{
    Q_OBJECT

private slots:
    void resultTakesTheFocus();
    void captionsLabelTheirControls();
    void captionsLieBeneathTheirControls();
    void windowIsAFrame();
    void contextMenusInBulgarian();
    void listFocusMarkOnAnyHighlight();
    void noteIsAStatusLine();
};

void AccessTest::resultTakesTheFocus()
{
    auto draws = std::make_shared<ScriptedDraws>();
    const auto window = openActiveWindow(draws);
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
    QCOMPARE(result->text(QAccessible::Name), name(Controls[4], w.Language()));

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
}

void AccessTest::captionsLabelTheirControls()
{
    MainWindow w(scriptedSource(std::make_shared<ScriptedDraws>()));

    // Each caption labels the field under it, which keeps its own name.
    for (int k = 1; k <= 3; ++k) {
        QLabel *caption = w.Etiket(k - 1);
        QWidget *field = w.Pole(k);
        QCOMPARE(related(field, QAccessible::Label), QList<QObject *>{caption});
        QCOMPARE(related(caption, QAccessible::Labelled), QList<QObject *>{field});
        QCOMPARE(accessible(field)->text(QAccessible::Name),
                 name(Controls[std::size_t(k)], w.Language()));
    }
    // "Случайни" labels the list; Qt tells that from the caption's side only.
    QCOMPARE(related(w.Etiket(4), QAccessible::Labelled), QList<QObject *>{w.Sluch()});

    // " = " and the title stand above nothing.
    for (QLabel *label : {w.Etiket(3), w.Label1()})
        QCOMPARE(related(label, QAccessible::Labelled), QList<QObject *>{});
    for (int k : {0, 4})
        QCOMPARE(related(w.Pole(k), QAccessible::Label), QList<QObject *>{});
}

void AccessTest::windowIsAFrame()
{
    MainWindow w(scriptedSource(std::make_shared<ScriptedDraws>()));
    QAccessibleInterface *window = accessible(&w);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), w.windowTitle());
    QCOMPARE(accessible(w.Pole(1))->parent()->object(), &w);
}

// Each caption reaches a pixel into the control below it; there the control
// is on top, its border whole, and a click there reaches the control.
void AccessTest::captionsLieBeneathTheirControls()
{
    MainWindow w(scriptedSource(std::make_shared<ScriptedDraws>()));
    const QList<QLabel *> captions = w.findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    int tied = 0;
    for (std::size_t i = 0; i < Controls.size(); ++i) {
        const std::size_t below = CaptionedControl(i);
        if (below == Controls.size())
            continue;
        QLabel *caption = Controls[i].name == "Label1" ? w.Label1() : w.Etiket(Controls[i].index);
        const QPoint overlap(caption->geometry().center().x(), caption->geometry().bottom());
        QWidget *top = w.childAt(overlap);
        QVERIFY2(top && top != caption, qPrintable(caption->text()));
        QVERIFY2(!captions.contains(top), qPrintable(caption->text()));
        QVERIFY2(top->geometry().contains(overlap) || top->parentWidget() != &w,
                 qPrintable(caption->text()));
        ++tied;
    }
    QCOMPARE(tied, 4); // A, B, C and Случайни
}

void AccessTest::contextMenusInBulgarian()
{
    // Nothing installs Qt's translations here: the window does, as it does
    // in the program.
    auto draws = std::make_shared<ScriptedDraws>();
    const auto window = openActiveWindow(draws);
    QVERIFY(window);
    MainWindow &w = *window;

    // The menu key in an editable field, the introduction and the transcript.
    for (int k : {1, 0, 4}) {
        QWidget *field = w.Pole(k);
        const QPoint centre = field->rect().center();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, centre, field->mapToGlobal(centre));
        QApplication::sendEvent(field, &menuKey);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY2(menu, qPrintable(field->accessibleName()));

        QStringList texts;
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                texts << action->text().section('\t', 0, 0).remove('&');
        menu->close();
        QVERIFY2(texts.size() >= 2, qPrintable(texts.join(" | ")));
        for (const QString &entry : texts) {
            QVERIFY2(entry.contains(QRegularExpression("[А-Яа-я]")), qPrintable(entry));
            QVERIFY2(!entry.contains(QRegularExpression("[A-Za-z]")), qPrintable(entry));
        }
    }
}

// The dotted mark on the list's current entry is drawn in the ink that shows
// on what lies under it: the highlight of a selected entry, the base of
// another. A dark highlight tells the two apart, where the default palette's
// light one takes black ink on both.
void AccessTest::listFocusMarkOnAnyHighlight()
{
    auto draws = std::make_shared<ScriptedDraws>();
    const auto window = openActiveWindow(draws);
    QVERIFY(window);
    QListWidget *list = window->Sluch();
    QPalette palette = list->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, QColor(0x00, 0x00, 0x80));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::Base, Qt::white);
    }
    list->setPalette(palette);
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());

    // How many pixels of the entry's top edge are `ink`.
    const auto inked = [&](int row, const QColor &ink) {
        const QRect r = list->visualItemRect(list->item(row));
        const QImage image = list->viewport()->grab(r).toImage();
        int n = 0;
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, 0) == ink ? 1 : 0;
        return std::pair{n, image.width()};
    };

    // The selected entry has the focus: white dots on the dark highlight.
    QCOMPARE(list->currentRow(), 0);
    auto [white, width] = inked(0, Qt::white);
    QVERIFY2(white >= width / 3, qPrintable(QString("%1 of %2").arg(white).arg(width)));

    // The focus on another entry, the selection left where it is: black
    // dots on the white base.
    list->selectionModel()->setCurrentIndex(list->model()->index(1, 0),
                                            QItemSelectionModel::NoUpdate);
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(list->selectedItems().value(0), list->item(0));
    auto [black, width1] = inked(1, Qt::black);
    QVERIFY2(black >= width1 / 3, qPrintable(QString("%1 of %2").arg(black).arg(width1)));
}

// The line beside the fields is a status line, whose new note is its name.
void AccessTest::noteIsAStatusLine()
{
    MainWindow w(scriptedSource(std::make_shared<ScriptedDraws>()));
    QAccessibleInterface *note = accessible(w.Note());
    QCOMPARE(note->role(), QAccessible::StatusBar);
    QCOMPARE(note->text(QAccessible::Name), QString());
    QTest::mouseClick(w.Buton(0), Qt::LeftButton);
    QTest::keyClicks(w.Pole(1), "9");
    QCOMPARE(note->text(QAccessible::Name),
             QString::fromUtf8(w.Language().notes.locked.value.data(),
                               qsizetype(w.Language().notes.locked.value.size())));
    QTest::mouseClick(w.Buton(1), Qt::LeftButton);
    QCOMPARE(note->text(QAccessible::Name), QString());
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
