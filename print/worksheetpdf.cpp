#include "worksheetpdf.h"

#include "worksheetpainter.h"

#include <QIODevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int Resolution = 720; // ten device units to the point

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

} // namespace

bool WriteWorksheetPdf(const SheetDocument &document, QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setResolution(Resolution);
    SetWorksheetPage(writer, document.paper);
    writer.setTitle(QString::fromStdString(document.title));
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setDocumentXmpMetadata(XmpMetadata(document));

    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    PaintWorksheet(document, writer, painter);
    return painter.end();
}
