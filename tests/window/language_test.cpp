// The window's language: as the environment chooses it (the rule itself is
// tested with the visit), every caption, button and accessible name in it, Qt's own texts along,
// and no caption cut off at its fixed place. ctest runs this under LANGUAGE set to each language
// of po/LINGUAS, bg_BG.UTF-8 and C.UTF-8, and names the language it expects in
// VELMORA_TEST_LANGUAGE.

#include "controltable.h"
#include "desktoplanguage.h"
#include "languages.h"
#include "mainwindow.h"
#include "noteline.h"
#include "qttranslations.h"
#include "scripteddraws.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <map>
#include <memory>

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

const QRegularExpression Cyrillic("[\\x{0400}-\\x{04FF}]");

QString expectedLanguage()
{
    return qEnvironmentVariable("VELMORA_TEST_LANGUAGE");
}

// The catalogue of the language the run expects, or nullptr.
const Catalogue *expectedCatalogue()
{
    return FindCatalogue(expectedLanguage().toStdString());
}

// A language whose own name is written in Latin letters writes all its
// texts in them; one written in Cyrillic names every control in Cyrillic.
bool latinScript(const Catalogue &catalogue)
{
    return !qs(catalogue.name).contains(QRegularExpression("[\\x{0400}-\\x{04FF}]"));
}

// The window's control for an entry of the control table.
QWidget *widgetOf(const MainWindow &w, const ControlEntry &entry)
{
    if (entry.name == "Pole")
        return w.Pole(entry.index);
    if (entry.name == "Buton")
        return w.Buton(entry.index);
    if (entry.name == "Etiket")
        return w.Etiket(entry.index);
    if (entry.name == "Sluch")
        return w.Sluch();
    if (entry.name == "Label1")
        return w.Label1();
    return nullptr;
}

// Every control of the window with its caption and its accessible name.
// The controls of the design table: every direct child but the note.
QList<QWidget *> controls(MainWindow &w)
{
    QList<QWidget *> all = w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    all.removeOne(w.Note());
    return all;
}

// The bounding box of what is not `face` in `area` of `image`: the ink of a
// caption drawn on it.
QRect ink(const QImage &image, const QRect &area, QRgb face)
{
    const auto far = [face](QRgb pixel) {
        return std::abs(qRed(pixel) - qRed(face)) + std::abs(qGreen(pixel) - qGreen(face)) +
                   std::abs(qBlue(pixel) - qBlue(face)) >
               120;
    };
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (far(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The colour most pixels of `area` have.
QRgb mostCommon(const QImage &image, const QRect &area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto &a, const auto &b) { return a.second < b.second; })
        ->first;
}

// The ink of `text` in `font` drawn with room to spare, at `ratio`.
QSize freeInk(const QString &text, const QFont &font, qreal ratio, QRgb face, QColor pen)
{
    const QSize room(QFontMetrics(font).horizontalAdvance(text) * 2 + 40,
                     QFontMetrics(font).height() * 2 + 40);
    QImage image((QSizeF(room) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(face);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(pen);
    painter.drawText(QRect(QPoint(0, 0), room), Qt::AlignCenter, text);
    painter.end();
    return ink(image, image.rect(), face).size();
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void windowSpeaksTheLocalesLanguage();
    void qtTextsFollow();
    void captionsWhole();
    void namesBeginWithTheCaption();
};

void LanguageTest::windowSpeaksTheLocalesLanguage()
{
    const Catalogue *expected = expectedCatalogue();
    QVERIFY2(expected, "VELMORA_TEST_LANGUAGE names no language of po/LINGUAS");
    const bool latin = latinScript(*expected);

    MainWindow w(scriptedSource(std::make_shared<ScriptedDraws>()));
    QCOMPARE(qs(w.Language().code), qs(expected->code));

    // Each control shows and is named by its text in that language.
    for (std::size_t i = 0; i < Controls.size(); ++i) {
        const ControlText &texts = TextsOf(Controls[i], *expected);
        QWidget *control = widgetOf(w, Controls[i]);
        QVERIFY2(control, Controls[i].name.data());
        QCOMPARE(control->accessibleName(), qs(texts.accessibleName));
        if (auto *label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->text(), qs(texts.text));
        if (auto *button = qobject_cast<QPushButton *>(control))
            QCOMPARE(button->text(), qs(texts.text));
    }

    // Every text the window shows or names, the introduction included, is in
    // the language's script.
    const QList<QWidget *> all = controls(w);
    QCOMPARE(all.size(), 15);
    QStringList texts;
    for (QWidget *control : all) {
        texts << control->accessibleName();
        if (auto *label = qobject_cast<QLabel *>(control))
            texts << label->text();
        if (auto *button = qobject_cast<QPushButton *>(control))
            texts << button->text();
    }
    texts << qobject_cast<QPlainTextEdit *>(w.Pole(0))->toPlainText();
    for (const QString &text : texts) {
        QVERIFY2(!text.isEmpty(), "a control without a name");
        if (latin)
            QVERIFY2(!text.contains(Cyrillic), qPrintable(text));
    }
    if (!latin)
        for (QWidget *control : all)
            QVERIFY2(control->accessibleName().contains(Cyrillic),
                     qPrintable(control->accessibleName()));

    // The introduction gives the general solution as the transcript writes
    // it, X's formula before Y's.
    QStringList formulas;
    for (const QString &line : qobject_cast<QPlainTextEdit *>(w.Pole(0))->toPlainText().split('\n'))
        if (line.contains(QRegularExpression("^[XYxy] = ")))
            formulas << line;
    QCOMPARE(formulas.size(), 2);
    QVERIFY2(formulas[0].startsWith("X = ", Qt::CaseInsensitive) && formulas[0].contains("(B * t)"),
             qPrintable(formulas[0]));
    QVERIFY2(formulas[1].startsWith("Y = ", Qt::CaseInsensitive) && formulas[1].contains("(A * t)"),
             qPrintable(formulas[1]));

    // A screen reader names each caption by the words it shows, and a field
    // under a caption by the caption's letter: A*x over the field of A.
    const auto words = [](const QString &text) {
        QStringList found;
        for (const auto &match : QRegularExpression("\\p{L}+").globalMatch(text))
            found << match.captured();
        return found;
    };
    int overFields = 0;
    for (QLabel *caption : w.findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        const QString name = caption->accessibleName();
        for (const QString &shown : words(caption->text()))
            QVERIFY2(words(name).contains(shown),
                     qPrintable(QStringLiteral("\"%1\" named \"%2\"").arg(caption->text(), name)));
        if (!qobject_cast<QLineEdit *>(caption->buddy()))
            continue;
        ++overFields;
        const QString field = caption->buddy()->accessibleName();
        for (const auto &letter : QRegularExpression("\\b[A-Z]\\b").globalMatch(caption->text()))
            QVERIFY2(words(field).contains(letter.captured()),
                     qPrintable(QStringLiteral("the field under \"%1\" named \"%2\"")
                                    .arg(caption->text(), field)));
    }
    QCOMPARE(overFields, 3);

    // A calculation writes in the same language.
    QTest::mouseClick(w.Buton(1), Qt::LeftButton);
    QTest::keyClicks(w.Pole(1), "4");
    QTest::keyClicks(w.Pole(2), "6");
    QTest::keyClicks(w.Pole(3), "3");
    QTest::mouseClick(w.Buton(0), Qt::LeftButton);
    const QString transcript = QString::fromStdString(w.Transcript());
    QVERIFY(transcript.startsWith(qs(w.Language().transcript.solving) + "4x + 6y = 3\r\n"));
    QCOMPARE(transcript.contains(Cyrillic), !latin);

    // Every letter of a solved transcript, x₀ and y₀ among them, is in the
    // field's own font: none is drawn from a fallback or as a box.
    QTest::mouseClick(w.Buton(1), Qt::LeftButton);
    QTest::keyClicks(w.Pole(1), "3");
    QTest::keyClicks(w.Pole(2), "5");
    QTest::keyClicks(w.Pole(3), "1");
    QTest::mouseClick(w.Buton(0), Qt::LeftButton);
    const QString solved = QString::fromStdString(w.Transcript());
    const QFontMetrics metrics(w.Pole(4)->font());
    QVERIFY(solved.contains(qs(w.Language().transcript.found.yo)));
    for (const char32_t letter : solved.toUcs4())
        if (letter >= U' ')
            QVERIFY2(metrics.inFontUcs4(letter), qPrintable(QString::number(letter, 16)));
}

void LanguageTest::qtTextsFollow()
{
    const Catalogue *expected = expectedCatalogue();
    QVERIFY(expected);
    // Qt's own texts are English already; there is nothing to install.
    QVERIFY(!installQtTranslations(*qApp, "en"));

    // The window installs them in its language as it is made.
    MainWindow w(scriptedSource(std::make_shared<ScriptedDraws>()));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget *field = w.Pole(1);
    const QPoint centre = field->rect().center();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, centre, field->mapToGlobal(centre));
    QApplication::sendEvent(field, &menuKey);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList entries;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            entries << action->text().section('\t', 0, 0).remove('&');
    menu->close();
    QVERIFY(entries.size() >= 2);
    for (const QString &entry : entries)
        QVERIFY2(entry.contains(Cyrillic) == !latinScript(*expected), qPrintable(entry));
}

void LanguageTest::captionsWhole()
{
    MainWindow w(scriptedSource(std::make_shared<ScriptedDraws>()));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage shot = w.grab().toImage();
    const qreal ratio = shot.devicePixelRatio();

    QStringList checked;
    for (QWidget *control : controls(w)) {
        QString text;
        int frame = 0; // logical pixels of bevel along the edges
        if (auto *label = qobject_cast<QLabel *>(control)) {
            text = label->text();
        } else if (auto *button = qobject_cast<QPushButton *>(control)) {
            text = button->text();
            frame = 2;
        } else {
            continue;
        }
        // Where the caption may show: inside its bevel, and above the control
        // that covers a caption's lowest pixel.
        QRect logical = QRect(control->mapTo(&w, QPoint(0, 0)), control->size())
                            .adjusted(frame, frame, -frame, -frame);
        for (QWidget *other : controls(w))
            if (other != control && other->geometry().intersects(logical) &&
                other->geometry().top() > logical.top())
                logical.setBottom(std::min(logical.bottom(), other->geometry().top() - 1));
        // Whole device pixels only: at a fractional scale the edge ones are
        // blended with what lies next to the control.
        const QRect area(
            QPoint(int(std::ceil(logical.left() * ratio)), int(std::ceil(logical.top() * ratio))),
            QPoint(int(std::floor((logical.right() + 1) * ratio)) - 1,
                   int(std::floor((logical.bottom() + 1) * ratio)) - 1));
        const QRgb face = mostCommon(shot, area);
        const QRect shown = ink(shot, area, face);
        const QSize whole = freeInk(text, control->font(), ratio, face,
                                    control->palette().color(QPalette::ButtonText));
        const QString where = text + QStringLiteral(" at scale %1").arg(ratio);
        QVERIFY2(!shown.isEmpty(), qPrintable(where));
        // Cut off at a side, the shown ink is narrower or lower than all of it,
        // or it runs up to the edge.
        QVERIFY2(
            std::abs(shown.width() - whole.width()) <= 2,
            qPrintable(
                where +
                QStringLiteral(": %1 of %2 pixels wide").arg(shown.width()).arg(whole.width())));
        QVERIFY2(
            std::abs(shown.height() - whole.height()) <= 2,
            qPrintable(
                where +
                QStringLiteral(": %1 of %2 pixels high").arg(shown.height()).arg(whole.height())));
        QVERIFY2(shown.left() > area.left() && shown.right() < area.right(), qPrintable(where));
        checked << text;
    }
    QCOMPARE(checked.size(), 9); // three buttons, five labels and the title
}

// A speech control user says what a control shows: its name begins with its
// caption, and any words that follow only explain it.
void LanguageTest::namesBeginWithTheCaption()
{
    MainWindow w(scriptedSource(std::make_shared<ScriptedDraws>()));
    QStringList checked;
    for (QWidget *control : controls(w)) {
        QString caption;
        if (auto *label = qobject_cast<QLabel *>(control))
            caption = label->text();
        else if (auto *button = qobject_cast<QPushButton *>(control))
            caption = button->text();
        else
            continue;
        caption = caption.trimmed();
        const QString name = control->accessibleName();
        QVERIFY2(name.startsWith(caption), qPrintable(name + " / " + caption));
        // Past the caption, a pause and plain words: no "Caption" or "Title".
        if (name != caption)
            QVERIFY2(name.mid(caption.size()).startsWith(", "), qPrintable(name));
        checked << caption;
    }
    QCOMPARE(checked.size(), 9);
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
