// Times a calculation from the click on "Изчисли" to the transcript painted
// on screen, for the hardest inputs a user can type and for random ones, and
// prints medians. Not a test: scripts/measure-window.sh runs it.

#include "mainwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Input
{
    const char *name;
    QString a, b, c;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Microseconds from the click to the repainted window, `rounds` times.
std::vector<double> timeClicks(MainWindow &window, const Input &input, int rounds)
{
    std::vector<double> micros;
    for (int i = 0; i < rounds; ++i) {
        QTest::mouseClick(window.Buton(1), Qt::LeftButton);
        QTest::keyClicks(window.Pole(1), input.a);
        QTest::keyClicks(window.Pole(2), input.b);
        QTest::keyClicks(window.Pole(3), input.c);
        QCoreApplication::processEvents();

        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(window.Buton(0), Qt::LeftButton);
        window.repaint();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    return micros;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }

    const std::vector<Input> inputs = {
        {"7 6 6", "7", "6", "6"},
        {"-5 -3 1 (second search)", "-5", "-3", "1"},
        {"9973 9967 9999", "9973", "9967", "9999"},
        {"7 9973 2e9", "7", "9973", "2e9"},
        {"-997 -991 1", "-997", "-991", "1"},
        {"2e9 9999 -2e9", "2e9", "9999", "-2e9"},
        {"9e99 9e9 1 (refused)", "9e99", "9e9", "1"},
        {"empty", "", "", ""},
    };
    constexpr int rounds = 21;

    std::printf("%-28s %12s %12s\n", "input", "median us", "max us");
    std::vector<double> all;
    for (const Input &input : inputs) {
        const std::vector<double> micros = timeClicks(window, input, rounds);
        std::printf("%-28s %12.0f %12.0f\n", input.name, median(micros),
                    *std::max_element(micros.begin(), micros.end()));
        all.insert(all.end(), micros.begin(), micros.end());
    }

    // Random coefficients of up to four characters each.
    QRandomGenerator random(20240601);
    std::vector<double> sweep;
    for (int i = 0; i < 300; ++i) {
        const auto number = [&random] { return QString::number(random.bounded(-999, 10000)); };
        const Input input{"", number(), number(), number()};
        const std::vector<double> micros = timeClicks(window, input, 1);
        sweep.insert(sweep.end(), micros.begin(), micros.end());
    }
    std::printf("%-28s %12.0f %12.0f\n", "300 random inputs", median(sweep),
                *std::max_element(sweep.begin(), sweep.end()));
    all.insert(all.end(), sweep.begin(), sweep.end());
    std::printf("click to painted transcript: median %.0f us, max %.0f us over %zu clicks\n",
                median(all), *std::max_element(all.begin(), all.end()), all.size());
    return 0;
}
