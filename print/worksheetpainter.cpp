#include "worksheetpainter.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

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
    case SheetRole::Continued:
        return {10, true, 0, 0, 8};
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
    PageWriter(QPagedPaintDevice &device, QPainter &painter, const SheetDocument &document)
        : device_(device), painter_(painter), lines_(document.lines),
          resolution_(device.logicalDpiY()),
          area_(device.pageLayout().paintRectPixels(resolution_)),
          space_(document.space * 72.0 / 2.54), extra_(lines_.size(), 0.0),
          breakBefore_(lines_.size(), false)
    {
        // Lines are measured and broken on one reference device, so that a
        // printer of any resolution breaks them and the pages where the PDF
        // does: glyph widths differ by a fraction of a per cent from one
        // resolution to another, enough to move a word near the margin.
        QBuffer nowhere;
        QPdfWriter reference(&nowhere);
        reference.setResolution(ReferenceResolution);
        const double scale = double(resolution_) / ReferenceResolution;
        const double referenceWidth =
            device.pageLayout().paintRectPixels(ReferenceResolution).width();
        for (const SheetLine &line : lines_) {
            const LineStyle style = StyleOf(line.role);
            const QFont &font = Font(line.role);
            const QFontMetricsF metrics(font, &reference);
            // The aside keeps its own room at the right end.
            const double width =
                referenceWidth - style.indent * ReferenceResolution / 72.0 -
                (line.aside.empty()
                     ? 0.0
                     : metrics.horizontalAdvance(QString::fromStdString(line.aside)) +
                           metrics.height());
            const QString text = QString::fromStdString(line.text);
            Measured measured{{},
                              metrics.height() * scale,
                              metrics.ascent() * scale,
                              metrics.lineSpacing() * scale,
                              metrics.horizontalAdvance(QString::fromStdString(line.aside)) *
                                  scale};
            // Most lines fit; only the others need the costlier layout.
            if (metrics.horizontalAdvance(text) <= width) {
                measured.lines.push_back(text);
            } else {
                QTextLayout layout(text, font, &reference);
                QTextOption option;
                option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
                layout.setTextOption(option);
                layout.beginLayout();
                for (QTextLine row = layout.createLine(); row.isValid();
                     row = layout.createLine()) {
                    row.setLineWidth(width);
                    measured.lines.push_back(text.mid(row.textStart(), row.textLength()).trimmed());
                }
                layout.endLayout();
                measured.height += (measured.lines.size() - 1) * measured.spacing;
            }
            texts_.push_back(std::move(measured));
        }
    }

    // Twice over the lines: first to find where the pages break and how much
    // room each page has left at its foot, which its equations then share
    // out, so that the pupil's pages are used to their foot; then to draw.
    void Write()
    {
        Place(false);
        Place(true);
    }

private:
    double Points(double points) const { return points * resolution_ / 72.0; }

    static constexpr int ReferenceResolution = 720;

    struct Measured
    {
        QStringList lines;
        double height;
        double ascent;
        double spacing;
        double asideWidth;
    };

    double After(std::size_t i) const
    {
        return lines_[i].role == SheetRole::Equation ? space_ : StyleOf(lines_[i].role).after;
    }

    double Height(std::size_t i) const
    {
        const LineStyle style = StyleOf(lines_[i].role);
        return Points(style.before) + texts_[i].height + Points(After(i));
    }

    void Place(bool drawing)
    {
        y_ = 0;
        heading_.reset();
        std::vector<std::size_t> equations; // on the page being set
        const auto endPage = [&] {
            if (!drawing && !equations.empty() && y_ < area_.height())
                for (const std::size_t e : equations)
                    extra_[e] = (area_.height() - y_) / double(equations.size());
            equations.clear();
        };
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const SheetRole role = lines_[i].role;
            if (role == SheetRole::PageBreak) {
                endPage();
                NewPage(drawing);
                heading_.reset();
                continue;
            }
            if (role == SheetRole::Continued) {
                heading_ = i;
                continue;
            }
            if (!drawing) {
                // A block that fits on a fresh page moves there whole; one
                // longer than a page breaks between its lines, never off the
                // foot.
                const double kept = KeptHeight(i);
                const double fresh = area_.height() - (heading_ ? Height(*heading_) : 0);
                const bool moves = y_ + kept > area_.height() && kept <= fresh;
                breakBefore_[i] = y_ > 0 && (moves || y_ + Height(i) > area_.height());
            }
            if (breakBefore_[i]) {
                endPage();
                NewPage(drawing);
                if (heading_)
                    Draw(*heading_, drawing);
            }
            Draw(i, drawing);
            if (role == SheetRole::Equation)
                equations.push_back(i);
        }
        endPage();
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

    void Draw(std::size_t i, bool drawing)
    {
        const LineStyle style = StyleOf(lines_[i].role);
        const Measured &m = texts_[i];
        y_ += Points(style.before);
        if (drawing) {
            painter_.setFont(Font(lines_[i].role));
            const double x = Points(style.indent);
            for (qsizetype row = 0; row < m.lines.size(); ++row)
                painter_.drawText(QPointF(x, y_ + m.ascent + row * m.spacing), m.lines[row]);
            if (!lines_[i].aside.empty())
                painter_.drawText(QPointF(area_.width() - m.asideWidth, y_ + m.ascent),
                                  QString::fromStdString(lines_[i].aside));
        }
        y_ += m.height + Points(After(i)) + extra_[i];
    }

    void NewPage(bool drawing)
    {
        if (drawing)
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
    double space_;                  // points of room under an equation
    std::vector<double> extra_;     // a page's room at its foot, shared out
    std::vector<bool> breakBefore_; // a new page before the line
    double y_ = 0;
    std::optional<std::size_t> heading_; // the Continued line later pages carry
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
    PageWriter(device, painter, document).Write();
}
