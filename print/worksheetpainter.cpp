#include "worksheetpainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cstddef>
#include <optional>
#include <vector>

namespace {

// How a role is set: size in points, weight, indent, room before and after
// (in points; an equation on the sheet gets room to be solved under it).
struct LineStyle
{
    double size;
    bool bold;
    double indent;
    double before;
    double after;
};

LineStyle StyleOf(SheetRole role)
{
    switch (role) {
    case SheetRole::Title:
        return {16, true, 0, 0, 8};
    case SheetRole::Code:
        return {12, true, 0, 6, 6};
    case SheetRole::NameLine:
        return {11, false, 0, 6, 10};
    case SheetRole::Task:
        return {11, false, 0, 0, 10};
    case SheetRole::Equation:
        return {12, false, 0, 0, 52};
    case SheetRole::KeyEquation:
        return {11, true, 0, 6, 1};
    case SheetRole::KeyLine:
        return {10, false, 14, 0, 1};
    case SheetRole::SmallPrint:
    case SheetRole::PageBreak:
        break;
    }
    return {8, false, 14, 0, 0.5};
}

const QString &FontFamily()
{
    static const QString family = [] {
        const QString wanted = QStringLiteral("Liberation Sans");
        if (!QFontDatabase::families().contains(wanted)) {
            // Where fontconfig does not list it, the package's files do.
            for (const char *file : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"})
                QFontDatabase::addApplicationFont(
                    QStringLiteral("/usr/share/fonts/truetype/liberation2/") + QLatin1String(file));
        }
        return wanted;
    }();
    return family;
}

// Sets the lines top to bottom, each measured once, a page at a time.
class PageWriter
{
public:
    PageWriter(QPagedPaintDevice &device, QPainter &painter, const std::vector<SheetLine> &lines)
        : device_(device), painter_(painter), lines_(lines), resolution_(device.logicalDpiY()),
          area_(device.pageLayout().paintRectPixels(resolution_))
    {
        for (const SheetLine &line : lines) {
            const LineStyle style = StyleOf(line.role);
            const QFont &font = Font(line.role);
            const QFontMetricsF metrics(font, &device_);
            const double width = area_.width() - Points(style.indent);
            const QString text = QString::fromStdString(line.text);
            // Most lines fit; only the others need the costlier wrapped layout.
            const bool wraps = metrics.horizontalAdvance(text) > width;
            const double height =
                wraps ? metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text)
                            .height()
                      : metrics.height();
            texts_.push_back({text, wraps, height, metrics.ascent()});
        }
    }

    void Write()
    {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (lines_[i].role == SheetRole::PageBreak) {
                NewPage();
                continue;
            }
            const double kept = KeptHeight(i);
            if (y_ > 0 && y_ + kept > area_.height())
                NewPage();
            Draw(i);
        }
    }

private:
    double Points(double points) const { return points * resolution_ / 72.0; }

    struct Measured
    {
        QString text;
        bool wraps;
        double height;
        double ascent;
    };

    double Height(std::size_t i) const
    {
        const LineStyle style = StyleOf(lines_[i].role);
        return Points(style.before) + texts_[i].height + Points(style.after);
    }

    // A key entry (an equation and its lines), or a code with the first
    // entry after it, is not split over two pages.
    double KeptHeight(std::size_t at) const
    {
        const SheetRole role = lines_[at].role;
        double height = Height(at);
        std::size_t next = at + 1;
        if (role == SheetRole::Code && next < lines_.size() &&
            lines_[next].role == SheetRole::KeyEquation)
            height += Height(next++);
        if (role == SheetRole::Code || role == SheetRole::KeyEquation)
            while (next < lines_.size() && (lines_[next].role == SheetRole::KeyLine ||
                                            lines_[next].role == SheetRole::SmallPrint))
                height += Height(next++);
        return height;
    }

    void Draw(std::size_t i)
    {
        const LineStyle style = StyleOf(lines_[i].role);
        const Measured &m = texts_[i];
        y_ += Points(style.before);
        painter_.setFont(Font(lines_[i].role));
        const double x = Points(style.indent);
        if (m.wraps)
            painter_.drawText(QRectF(x, y_, area_.width() - x, m.height),
                              Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, m.text);
        else
            painter_.drawText(QPointF(x, y_ + m.ascent), m.text);
        y_ += m.height + Points(style.after);
    }

    void NewPage()
    {
        device_.newPage();
        y_ = 0;
    }

    const QFont &Font(SheetRole role)
    {
        const auto index = static_cast<std::size_t>(role);
        if (fonts_.size() <= index)
            fonts_.resize(index + 1);
        if (!fonts_[index]) {
            const LineStyle style = StyleOf(role);
            QFont font(FontFamily());
            font.setPointSizeF(style.size);
            font.setBold(style.bold);
            fonts_[index] = font;
        }
        return *fonts_[index];
    }

    QPagedPaintDevice &device_;
    QPainter &painter_;
    const std::vector<SheetLine> &lines_;
    int resolution_;
    QRectF area_;
    std::vector<Measured> texts_;
    std::vector<std::optional<QFont>> fonts_;
    double y_ = 0;
};

} // namespace

void SetWorksheetPage(QPagedPaintDevice &device, Paper paper)
{
    device.setPageSize(QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4));
    const SheetMargins &m = WorksheetMargins;
    device.setPageMargins(QMarginsF(m.side, m.top, m.side, m.top), QPageLayout::Millimeter);
}

void PaintWorksheet(const SheetDocument &document, QPagedPaintDevice &device, QPainter &painter)
{
    PageWriter(device, painter, document.lines).Write();
}
