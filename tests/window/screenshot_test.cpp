// The shown window as the X server has it: colours where they belong, and
// focus marks and captions that stand out from what they are drawn on. The
// picture is kept in the build folder (scripts/screenshot.sh makes the one in
// docs/ from the program itself).

#include "contrast.h"
#include "mainwindow.h"
#include "scripteddraws.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The colour most pixels of a small square around `centre` have: captions
// are drawn over some of them, but never over most.
QRgb mainColour(const QImage &image, QPoint centre)
{
    QMap<QRgb, int> counts;
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx)
            ++counts[image.pixel(centre + QPoint(dx, dy)) & 0xFFFFFF];
    QRgb best = 0;
    int bestCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return best;
}

QString hex(QRgb rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

// What the server shows now: painted and sent to it ahead of the grab.
QImage grab(MainWindow &window)
{
    window.repaint();
    return window.screen()->grabWindow(window.winId()).toImage();
}

// A control's rectangle in the grabbed image's pixels.
QRect imageRect(const MainWindow &window, const QWidget *control)
{
    const qreal ratio = window.devicePixelRatio();
    const QRectF logical(control->mapTo(&window, QPoint(0, 0)), control->size());
    return QRectF(logical.topLeft() * ratio, logical.size() * ratio).toRect();
}

// The focus mark is what focus changes in a control's rectangle; each changed
// pixel is measured against what it covers.
struct Mark
{
    int pixels = 0;
    double medianContrast = 1.0;
    double strongestContrast = 1.0;
};

Mark focusMark(const QImage &unfocused, const QImage &focused, QRect rect)
{
    std::vector<double> contrasts;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb under = unfocused.pixel(x, y) & 0xFFFFFF;
            const QRgb over = focused.pixel(x, y) & 0xFFFFFF;
            if (over != under)
                contrasts.push_back(contrastRatio(QColor(over), QColor(under)));
        }
    Mark mark;
    mark.pixels = static_cast<int>(contrasts.size());
    if (!contrasts.empty()) {
        std::sort(contrasts.begin(), contrasts.end());
        mark.medianContrast = contrasts[contrasts.size() / 2];
        mark.strongestContrast = contrasts.back();
    }
    return mark;
}

// A caption's contrast: its face is the commonest colour inside the bevel,
// its ink the pixel that stands out most from the face.
double captionContrast(const QImage &image, QRect rect)
{
    rect.adjust(3, 3, -3, -3);
    QMap<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ++counts[image.pixel(x, y) & 0xFFFFFF];
    const QColor face(
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first);
    double best = 1.0;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
        best = std::max(best, contrastRatio(QColor(*it), face));
    return best;
}

} // namespace

class ScreenshotTest : public QObject
{
    Q_OBJECT

private slots:
    void contrastAsMeasured();
    void coloursOnScreen();
    void focusMarksAndDisabledCaption();
};

void ScreenshotTest::contrastAsMeasured()
{
    // Reference values of the guidelines' own examples.
    QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
    QCOMPARE(contrastRatio(Qt::white, Qt::white), 1.0);
    QCOMPARE(qRound(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
    QCOMPARE(qRound(contrastRatio(Qt::white, QColor(0xFF, 0x00, 0x00)) * 100), 400);
}

void ScreenshotTest::coloursOnScreen()
{
    // 7x + 6y = 4 after start-up, so the picture also shows a transcript.
    auto draws = std::make_shared<ScriptedDraws>();
    draws->queued = {0.6f, 0.5f, 0.3f};
    MainWindow window(scriptedSource(draws));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.Buton(0), Qt::LeftButton);
    window.repaint(); // painted and sent to the server ahead of the grab

    const qreal ratio = window.devicePixelRatio();
    const auto centreOf = [&window, ratio](const QWidget *control) {
        return (control->mapTo(&window, control->rect().center()).toPointF() * ratio).toPoint();
    };
    const struct
    {
        const char *what;
        QPoint where;
        QRgb expected;
    } probes[] = {
        {"Etiket(3)", centreOf(window.Etiket(3)), qRgb(0x00, 0xC0, 0x00)},
        {"Label1", centreOf(window.Label1()), qRgb(0xFF, 0x80, 0x00)},
        {"Buton(1)", centreOf(window.Buton(1)), qRgb(0xFF, 0x00, 0x00)},
        {"background", (QPointF(6, 250) * ratio).toPoint(), qRgb(0x80, 0x80, 0xFF)},
    };

    // The server shows the window once its first paint is flushed.
    QImage image;
    QTRY_VERIFY_WITH_TIMEOUT(
        (image = window.screen()->grabWindow(window.winId()).toImage(),
         mainColour(image, probes[0].where) == (probes[0].expected & 0xFFFFFF)),
        10000);
    QVERIFY(image.save(QStringLiteral(VELMORA_SCREENSHOT_PATH)));

    for (const auto &probe : probes)
        QVERIFY2(mainColour(image, probe.where) == (probe.expected & 0xFFFFFF),
                 qPrintable(QStringLiteral("%1 is %2, not %3")
                                .arg(probe.what, hex(mainColour(image, probe.where)),
                                     hex(probe.expected))));
    QVERIFY(window.Transcript().size() > 0);
}

void ScreenshotTest::focusMarksAndDisabledCaption()
{
    MainWindow window(scriptedSource(std::make_shared<ScriptedDraws>()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Offscreen, scaled, Qt grabs the window at its unscaled size.
    const QSize painted = (QSizeF(window.size()) * window.devicePixelRatio()).toSize();
    if (grab(window).size() != painted)
        QSKIP("This platform grabs the window at another scale than it paints it");
    const QPoint equals = imageRect(window, window.Etiket(3)).center();
    QVERIFY(QTest::qWaitFor(
        [&] { return mainColour(grab(window), equals) == (qRgb(0x00, 0xC0, 0x00) & 0xFFFFFF); },
        10000));

    // Focus moved with Tab, as a keyboard user moves it: some styles mark
    // the focus only then.
    window.Pole(4)->setFocus();
    const QImage unfocused = grab(window);
    const QList<QWidget *> stops{window.Buton(0), window.Buton(1), window.Sluch(), window.Buton(2)};
    QStringList faint;
    for (QWidget *stop : stops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), stop);
        const QRect rect = imageRect(window, stop);
        const Mark mark = focusMark(unfocused, grab(window), rect);
        const QString name = stop->accessibleName();
        qInfo("focus mark on %s: %d pixels, contrast median %.2f:1, strongest %.2f:1",
              qPrintable(name), mark.pixels, mark.medianContrast, mark.strongestContrast);
        // Seen as a mark: at least a quarter of a line around the control.
        if (mark.pixels < (rect.width() + rect.height()) / 2 || mark.medianContrast < 3.0)
            faint << name;
    }
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(", ")));

    // "Изчисли" disabled: still readable, yet plainly fainter than enabled.
    const QRect calculate = imageRect(window, window.Buton(0));
    const double enabled = captionContrast(grab(window), calculate);
    QTest::mouseClick(window.Buton(0), Qt::LeftButton);
    QVERIFY(!window.Buton(0)->isEnabled());
    const double disabled = captionContrast(grab(window), calculate);
    qInfo("caption of Изчисли: enabled %.2f:1, disabled %.2f:1", enabled, disabled);
    QVERIFY(disabled >= 3.0);
    QVERIFY(disabled <= enabled / 2);
}

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
