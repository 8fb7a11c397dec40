#include "worksheetpdf.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPainter>
#include <QPdfWriter>

#include <cstddef>

namespace {

constexpr int Resolution = 720; // ten device units to the point

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

double Points(double points)
{
    return points * Resolution / 72.0;
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

QString Escaped(const std::string &text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QByteArray XmpMetadata(const SheetDocument &document)
{
    const QString xmp =
        QStringLiteral(
            "<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
            "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
            "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
            "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
            "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" "
            "xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
            "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
            "<dc:language><rdf:Bag><rdf:li>%2</rdf:li></rdf:Bag></dc:language>\n"
            "<dc:format>application/pdf</dc:format>\n"
            "<xmp:CreatorTool>Velmora</xmp:CreatorTool>\n"
            "<pdf:Producer>Velmora</pdf:Producer>\n"
            "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>")
            .arg(Escaped(document.title), Escaped(document.language));
    return xmp.toUtf8();
}

class PageWriter
{
public:
    PageWriter(QPdfWriter &writer, QPainter &painter)
        : writer_(writer), painter_(painter), area_(writer.pageLayout().paintRectPixels(Resolution))
    {}

    double Height(const SheetLine &line) const
    {
        const LineStyle style = StyleOf(line.role);
        return Points(style.before) + TextHeight(line, style) + Points(style.after);
    }

    // Starts a new page unless `height` fits below what is there.
    void Reserve(double height)
    {
        if (y_ > 0 && y_ + height > area_.height())
            NewPage();
    }

    void Draw(const SheetLine &line)
    {
        const LineStyle style = StyleOf(line.role);
        y_ += Points(style.before);
        const double height = TextHeight(line, style);
        painter_.setFont(Font(style));
        painter_.drawText(
            QRectF(Points(style.indent), y_, area_.width() - Points(style.indent), height),
            Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(line.text));
        y_ += height + Points(style.after);
    }

    void NewPage()
    {
        writer_.newPage();
        y_ = 0;
    }

private:
    QFont Font(const LineStyle &style) const
    {
        QFont font(FontFamily());
        font.setPointSizeF(style.size);
        font.setBold(style.bold);
        return font;
    }

    double TextHeight(const SheetLine &line, const LineStyle &style) const
    {
        const QFontMetricsF metrics(Font(style), &writer_);
        const QRectF room(0, 0, area_.width() - Points(style.indent), 1e9);
        return metrics.boundingRect(room, Qt::TextWordWrap, QString::fromStdString(line.text))
            .height();
    }

    QPdfWriter &writer_;
    QPainter &painter_;
    QRectF area_;
    double y_ = 0;
};

// A key entry (an equation and its lines) or a code with the entry after it
// is not split over two pages.
double KeptHeight(const PageWriter &pages, const std::vector<SheetLine> &lines, std::size_t at)
{
    double height = pages.Height(lines[at]);
    std::size_t next = at + 1;
    if (lines[at].role == SheetRole::Code && next < lines.size() &&
        lines[next].role == SheetRole::KeyEquation)
        height += pages.Height(lines[next++]);
    if (lines[at].role == SheetRole::Code || lines[at].role == SheetRole::KeyEquation)
        while (next < lines.size() && (lines[next].role == SheetRole::KeyLine ||
                                       lines[next].role == SheetRole::SmallPrint))
            height += pages.Height(lines[next++]);
    return height;
}

} // namespace

bool WriteWorksheetPdf(const SheetDocument &document, QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setResolution(Resolution);
    writer.setPageSize(
        QPageSize(document.paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setTitle(QString::fromStdString(document.title));
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setDocumentXmpMetadata(XmpMetadata(document));

    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    PageWriter pages(writer, painter);
    const std::vector<SheetLine> &lines = document.lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].role == SheetRole::PageBreak) {
            pages.NewPage();
            continue;
        }
        pages.Reserve(KeptHeight(pages, lines, i));
        pages.Draw(lines[i]);
    }
    return painter.end();
}
