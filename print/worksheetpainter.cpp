#include "worksheetpainter.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextLayout>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <numeric>
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
    case SheetRole::KeyHeader:
        return {9, true, 0, 4, 0};
    case SheetRole::KeyRow:
        return {9, false, 0, 0, 0};
    case SheetRole::Picture:
        return {10, false, 0, 4, 8};
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

// A text broken into the rows that fit the width, at word boundaries where
// it can, anywhere where a word is wider than the width.
QStringList Wrapped(const QString &text, const QFont &font, QPaintDevice *device, double width)
{
    if (QFontMetricsF(font, device).horizontalAdvance(text) <= width)
        return {text};
    QStringList rows;
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(width);
        rows.push_back(text.mid(row.textStart(), row.textLength()).trimmed());
    }
    layout.endLayout();
    return rows;
}

// A cell's text with the blanks inside its brackets made unbreakable, so
// that a pair such as (x₀; y₀) stays on one row of its cell.
QString KeptTogether(QString text)
{
    int depth = 0;
    for (QChar &c : text) {
        depth += c == QLatin1Char('(') ? 1 : c == QLatin1Char(')') ? -1 : 0;
        if (depth > 0 && c == QLatin1Char(' '))
            c = QChar(0xA0);
    }
    return text;
}

// Room inside a table's cell, and between two pictures side by side, in points.
constexpr double CellPadding = 3;
constexpr double CellPaddingAbove = 2;
constexpr double PictureGap = 12;
constexpr int PicturesAcross = 2;

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
            measured.lines = Wrapped(text, font, &reference, width);
            measured.height += (measured.lines.size() - 1) * measured.spacing;
            if (line.role == SheetRole::Picture) {
                // The picture below its caption, its width a share of the line's.
                auto svg = std::make_shared<QSvgRenderer>(QByteArray::fromStdString(line.picture));
                const QRectF box = svg->viewBoxF();
                pictureWidth_ = (area_.width() - Points(PictureGap) * (PicturesAcross - 1)) /
                                PicturesAcross;
                measured.pictureHeight =
                    svg->isValid() && box.width() > 0 ? pictureWidth_ * box.height() / box.width()
                                                      : 0;
                measured.height += measured.pictureHeight;
                measured.picture = std::move(svg);
            }
            texts_.push_back(std::move(measured));
        }
        MeasureTables(reference, referenceWidth, scale);
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
        std::vector<QStringList> cells = {}; // a table row's, each wrapped to its column
        std::optional<std::size_t> table = {};
        double pictureHeight = 0;
        std::shared_ptr<QSvgRenderer> picture = {};
    };

    // Where a table's columns start and how wide they are, in device units.
    struct Table
    {
        std::vector<double> left;
        std::vector<double> width;
    };

    // Each run of a header and its rows is one table: a column as wide as
    // its widest cell where the line holds them all, otherwise each column
    // keeps its longest word and the rest of the width is shared out as the
    // columns would take it, their cells broken over rows.
    void MeasureTables(QPaintDevice &reference, double available, double scale)
    {
        const double pad = CellPadding * ReferenceResolution / 72.0;
        const double padAbove = CellPaddingAbove * ReferenceResolution / 72.0;
        for (std::size_t first = 0; first < lines_.size();) {
            const auto inTable = [&](std::size_t i) {
                return i < lines_.size() && (lines_[i].role == SheetRole::KeyHeader ||
                                             lines_[i].role == SheetRole::KeyRow);
            };
            if (!inTable(first)) {
                ++first;
                continue;
            }
            std::size_t end = first;
            std::size_t columns = 0;
            while (inTable(end))
                columns = std::max(columns, lines_[end++].cells.size());
            // The rows' cells ask for their whole width, a heading only for
            // its longest word: headings break sooner than answers.
            std::vector<double> natural(columns, 0), least(columns, 0), heading(columns, 0);
            for (std::size_t i = first; i < end; ++i) {
                const QFontMetricsF metrics(Font(lines_[i].role), &reference);
                const bool isHeader = lines_[i].role == SheetRole::KeyHeader;
                for (std::size_t c = 0; c < lines_[i].cells.size(); ++c) {
                    const QString cell = KeptTogether(QString::fromStdString(lines_[i].cells[c]));
                    const double whole = metrics.horizontalAdvance(cell) + 2 * pad;
                    (isHeader ? heading[c] : natural[c]) =
                        std::max(isHeader ? heading[c] : natural[c], whole);
                    for (const QString &word : cell.split(QLatin1Char(' ')))
                        least[c] = std::max(least[c], metrics.horizontalAdvance(word) + 2 * pad);
                }
            }
            for (std::size_t c = 0; c < columns; ++c)
                natural[c] = std::max(natural[c], least[c]);
            const double wide = std::accumulate(natural.begin(), natural.end(), 0.0);
            const double narrow = std::accumulate(least.begin(), least.end(), 0.0);
            std::vector<double> width(columns);
            if (wide <= available) {
                // Room to spare goes first to headings that would break.
                double spare = available - wide;
                const double wanted = [&] {
                    double sum = 0;
                    for (std::size_t c = 0; c < columns; ++c)
                        sum += std::max(0.0, heading[c] - natural[c]);
                    return sum;
                }();
                const double share = wanted > spare ? spare / wanted : 1.0;
                for (std::size_t c = 0; c < columns; ++c) {
                    width[c] = natural[c] + std::max(0.0, heading[c] - natural[c]) * share;
                    spare -= width[c] - natural[c];
                }
                const double sum = std::accumulate(width.begin(), width.end(), 0.0);
                for (double &w : width)
                    w += spare * w / sum;
            } else {
                for (std::size_t c = 0; c < columns; ++c)
                    width[c] = narrow < available ? least[c] + (natural[c] - least[c]) *
                                                                   (available - narrow) /
                                                                   (wide - narrow)
                                                  : least[c] * available / narrow;
            }
            Table table;
            double left = 0;
            for (const double w : width) {
                table.left.push_back(left * scale);
                table.width.push_back(w * scale);
                left += w;
            }
            tables_.push_back(std::move(table));
            for (std::size_t i = first; i < end; ++i) {
                Measured &m = texts_[i];
                m.table = tables_.size() - 1;
                std::size_t rows = 1;
                for (std::size_t c = 0; c < lines_[i].cells.size(); ++c) {
                    m.cells.push_back(Wrapped(KeptTogether(QString::fromStdString(lines_[i].cells[c])),
                                              Font(lines_[i].role), &reference,
                                              width[c] - 2 * pad));
                    m.cells.back().replaceInStrings(QString(QChar(0xA0)), QStringLiteral(" "));
                    rows = std::max(rows, std::size_t(m.cells.back().size()));
                }
                m.lines.clear();
                m.height = (double(rows - 1) * m.spacing / scale + m.height / scale + 2 * padAbove) *
                           scale;
            }
            first = end;
        }
    }

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
        header_.reset();
        column_ = 0;
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
                header_.reset();
                column_ = 0;
                continue;
            }
            if (role == SheetRole::Code)
                header_.reset();
            // A picture beside the one before it shares its row.
            if (role == SheetRole::Picture && column_ > 0) {
                const double below = y_;
                y_ = rowTop_;
                Draw(i, drawing, column_ * (pictureWidth_ + Points(PictureGap)));
                y_ = std::max(y_, below);
                column_ = column_ + 1 < PicturesAcross && i + 1 < lines_.size() &&
                                  lines_[i + 1].role == SheetRole::Picture
                              ? column_ + 1
                              : 0;
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
                const double fresh = area_.height() - (heading_ ? Height(*heading_) : 0) -
                                     (role == SheetRole::KeyRow && header_ ? Height(*header_) : 0);
                const bool moves = y_ + kept > area_.height() && kept <= fresh;
                // The pictures start a page after their table, which stays
                // the compact page to lay beside a pupil's sheet.
                const bool first = role == SheetRole::Picture && i > 0 &&
                                   lines_[i - 1].role != SheetRole::Picture;
                breakBefore_[i] = y_ > 0 && (first || moves || y_ + Height(i) > area_.height());
            }
            if (breakBefore_[i]) {
                endPage();
                NewPage(drawing);
                if (heading_)
                    Draw(*heading_, drawing);
                // A table going on over a page repeats its headings.
                if (role == SheetRole::KeyRow && header_)
                    Draw(*header_, drawing);
            }
            if (role == SheetRole::KeyHeader)
                header_ = i;
            else if (role != SheetRole::KeyRow)
                header_.reset();
            rowTop_ = y_;
            Draw(i, drawing);
            if (role == SheetRole::Picture && i + 1 < lines_.size() &&
                lines_[i + 1].role == SheetRole::Picture && PicturesAcross > 1)
                column_ = 1;
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
        // A key's code keeps its total, the table's headings and first row
        // with it; the headings keep the first row.
        if (role == SheetRole::Code)
            while (next < lines_.size() && lines_[next].role == SheetRole::KeyLine)
                height += Height(next++);
        if ((role == SheetRole::Code || role == SheetRole::KeyHeader) && next < lines_.size() &&
            lines_[next].role == SheetRole::KeyHeader)
            height += Height(next++);
        if ((role == SheetRole::Code || role == SheetRole::KeyHeader) && next < lines_.size() &&
            lines_[next].role == SheetRole::KeyRow)
            return height + Height(next);
        if (role == SheetRole::Code && next < lines_.size() &&
            lines_[next].role == SheetRole::KeyEquation)
            height += Height(next++);
        if (role == SheetRole::Code || role == SheetRole::KeyEquation)
            while (next < lines_.size() && (lines_[next].role == SheetRole::KeyLine ||
                                            lines_[next].role == SheetRole::SmallPrint))
                height += Height(next++);
        return height;
    }

    void Draw(std::size_t i, bool drawing, double left = 0)
    {
        const LineStyle style = StyleOf(lines_[i].role);
        const Measured &m = texts_[i];
        y_ += Points(style.before);
        if (drawing && m.table) {
            DrawRow(i);
        } else if (drawing) {
            painter_.setFont(Font(lines_[i].role));
            const double x = left + Points(style.indent);
            for (qsizetype row = 0; row < m.lines.size(); ++row)
                painter_.drawText(QPointF(x, y_ + m.ascent + row * m.spacing), m.lines[row]);
            if (!lines_[i].aside.empty())
                painter_.drawText(QPointF(area_.width() - m.asideWidth, y_ + m.ascent),
                                  QString::fromStdString(lines_[i].aside));
            if (m.picture && m.picture->isValid())
                m.picture->render(&painter_, QRectF(x, y_ + m.height - m.pictureHeight,
                                                    pictureWidth_, m.pictureHeight));
        }
        y_ += m.height + Points(After(i)) + extra_[i];
    }

    // A table's row: each cell framed, its text from the cell's top left;
    // the headings on a grey ground.
    void DrawRow(std::size_t i)
    {
        const Measured &m = texts_[i];
        const Table &table = tables_[*m.table];
        painter_.save();
        painter_.setFont(Font(lines_[i].role));
        painter_.setPen(QPen(QColor(0x80, 0x80, 0x80), Points(0.5)));
        for (std::size_t c = 0; c < table.left.size(); ++c) {
            const QRectF cell(table.left[c], y_, table.width[c], m.height);
            if (lines_[i].role == SheetRole::KeyHeader)
                painter_.fillRect(cell, QColor(0xe8, 0xe8, 0xe8));
            painter_.drawRect(cell);
        }
        painter_.setPen(Qt::black);
        for (std::size_t c = 0; c < m.cells.size() && c < table.left.size(); ++c)
            for (qsizetype row = 0; row < m.cells[c].size(); ++row)
                painter_.drawText(QPointF(table.left[c] + Points(CellPadding),
                                          y_ + Points(CellPaddingAbove) + m.ascent +
                                              row * m.spacing),
                                  m.cells[c][row]);
        painter_.restore();
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
    std::vector<Table> tables_;
    std::optional<std::size_t> header_; // the headings of the table being set
    double pictureWidth_ = 0;
    int column_ = 0;     // where the next picture goes in its row
    double rowTop_ = 0;  // where the row of pictures began
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
