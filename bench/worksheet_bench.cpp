// The largest worksheet, 40 variants of 40 equations with the key, written
// as PDF: prints the seconds of each part, best of a few runs.
//   worksheet_bench [runs] [FILE.pdf]

#include "languages.h"
#include "sheeteuclid.h"
#include "worksheet.h"
#include "worksheetdocument.h"
#include "worksheetpdf.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    WorksheetChoices choices;
    choices.code = 4711;
    choices.count = 40;
    choices.variants = 40;
    choices.range = 2000;
    choices.unsolvablePercent = 20;
    choices.zeros = true;
    choices.euclid = true;

    double best[4] = {1e9, 1e9, 1e9, 1e9};
    QByteArray pdf;
    std::size_t lines = 0;
    for (int run = 0; run < runs; ++run) {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        const Worksheet sheet = GenerateWorksheet(choices);
        const auto generated = Clock::now();
        const SheetDocument document = WorksheetDocument(sheet, Bulgarian, SheetEuclidWriter());
        const auto laidOut = Clock::now();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!WriteWorksheetPdf(document, buffer))
            return 1;
        const auto written = Clock::now();
        best[0] = std::min(best[0], Seconds(generated - start));
        best[1] = std::min(best[1], Seconds(laidOut - generated));
        best[2] = std::min(best[2], Seconds(written - laidOut));
        best[3] = std::min(best[3], Seconds(written - start));
        pdf = buffer.data();
        lines = document.lines.size();
    }
    std::printf("40 x 40 worksheet with key (%zu lines, %lld bytes of PDF), best of %d:\n", lines,
                static_cast<long long>(pdf.size()), runs);
    std::printf("  equations %.4f s\n  key and text %.4f s\n  PDF %.3f s\n  total %.3f s\n",
                best[0], best[1], best[2], best[3]);
    if (argc > 2) {
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
            return 1;
    }
    return 0;
}
