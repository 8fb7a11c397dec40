// The shown window as the X server has it: colours where they belong. The
// picture is kept in the build folder (scripts/screenshot.sh makes the one in
// docs/ from the program itself).

#include "mainwindow.h"
#include "scripteddraws.h"

#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

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

} // namespace

class ScreenshotTest : public QObject
{
    Q_OBJECT

private slots:
    void coloursOnScreen();
};

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

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
