#include "PdfFile.h"

#include "ReportPainter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace PdfFile {

namespace {

constexpr int kResolution = 600;

QString xmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// QPdfWriter has no subject of its own; the document's XMP metadata carries it with the title.
QByteArray xmpMetadata(const PreparedReport &report)
{
    const QString xmp = QStringLiteral(
        "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
        "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
        "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'"
        " xmlns:pdf='http://ns.adobe.com/pdf/1.3/' xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
        "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
        "<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>%2</rdf:li></rdf:Alt></dc:description>\n"
        "<pdf:Subject>%2</pdf:Subject>\n"
        "<xmp:CreatorTool>Quadrivo</xmp:CreatorTool>\n"
        "</rdf:Description>\n"
        "</rdf:RDF>\n"
        "</x:xmpmeta>\n"
        "<?xpacket end='w'?>\n");
    return xmp.arg(xmlEscaped(report.title), xmlEscaped(report.subject)).toUtf8();
}

} // namespace

bool write(const PreparedReport &report, QIODevice &device)
{
    {
        QPdfWriter writer(&device);
        writer.setResolution(kResolution);
        writer.setPageLayout(report.pageLayout());
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Quadrivo"));
        writer.setDocumentXmpMetadata(xmpMetadata(report));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        ReportPainter::paintAll(painter, writer, report, kResolution / 25.4);
        if (!painter.end())
            return false;
    }
    return true;
}

bool write(const PreparedReport &report, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!write(report, static_cast<QIODevice &>(file))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace PdfFile
