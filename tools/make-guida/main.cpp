// Writes the user guide as a PDF file: a cover with the contents, then one section per help
// page, each starting on a new page, with a footer carrying the page number.
#include "shell/Help.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>

namespace {

constexpr HelpPage kPages[] = {
    HelpPage::Generale,          HelpPage::Clienti,
    HelpPage::Fornitori,         HelpPage::Magazzino,
    HelpPage::Inventario,        HelpPage::Preventivi,
    HelpPage::Scadenzario,       HelpPage::EsportaClienti,
    HelpPage::EsportaFornitori,  HelpPage::EsportaMagazzino,
    HelpPage::EsportaPreventivi, HelpPage::EsportaScadenzario,
    HelpPage::ScadenzeImminenti, HelpPage::ScadenzeGiorniMesi,
};

const QString kGuideTitle = QStringLiteral("Guida all'utilizzo del software");

// A paragraph that opens with a short lead-in ("Ricerca.", "Attenzione:") shows it in bold.
QString paragraphHtml(const QString &paragraph)
{
    static const QRegularExpression leadIn(QStringLiteral("^([^.:]{1,40}[.:])\\s"));
    QString html;
    const QRegularExpressionMatch m = leadIn.match(paragraph);
    if (m.hasMatch() && m.captured(1).count(u' ') < 3) {
        html = QStringLiteral("<b>") + m.captured(1).toHtmlEscaped() + QStringLiteral("</b>") +
               paragraph.mid(m.capturedLength(1)).toHtmlEscaped();
    } else {
        html = paragraph.toHtmlEscaped();
    }
    html.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    return QStringLiteral("<p align=\"justify\" style=\"margin-bottom: 10px; line-height: 125%;\">") + html +
           QStringLiteral("</p>");
}

QString headingText(int number, HelpPage page)
{
    return QStringLiteral("%1. %2").arg(number).arg(Help::title(page));
}

// The contents list shows the page of each section once it is known (a first layout finds them).
QString guideHtml(const QList<int> &sectionPages)
{
    QString html = QStringLiteral(
        "<html><body>"
        "<p style=\"margin-top: 120px; font-size: 34pt; font-weight: bold; color: #1f3b63;\">Quadrivo</p>"
        "<p style=\"font-size: 16pt; color: #2f6db3;\">");
    html += kGuideTitle.toHtmlEscaped();
    html += QStringLiteral(
        "</p><p style=\"margin-top: 60px; margin-bottom: 12px; font-size: 13pt;"
        " font-weight: bold;\">Indice</p>"
        "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\" style=\"font-size: 11pt;\">");
    int number = 1;
    for (HelpPage page : kPages) {
        const QString pageNumber =
            number <= sectionPages.size() ? QString::number(sectionPages[number - 1]) : QStringLiteral("00");
        html += QStringLiteral("<tr><td width=\"6%\">%1.</td><td>%2</td><td align=\"right\">%3</td></tr>")
                    .arg(number)
                    .arg(Help::title(page).toHtmlEscaped(), pageNumber);
        ++number;
    }
    html += QStringLiteral("</table>");

    number = 1;
    for (HelpPage page : kPages) {
        html += QStringLiteral("<h2 style=\"page-break-before: always; color: #1f3b63; font-size: 17pt;"
                               " margin-bottom: 14px;\">%1</h2>")
                    .arg(headingText(number++, page).toHtmlEscaped());
        for (const QString &paragraph : Help::text(page).split(QStringLiteral("\r\n\r\n")))
            html += paragraphHtml(paragraph);
    }
    html += QStringLiteral("</body></html>");
    return html;
}

QList<int> sectionPages(const QTextDocument &doc, qreal pageHeight)
{
    QList<int> pages;
    int number = 1;
    for (HelpPage page : kPages) {
        const QString heading = headingText(number++, page);
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            if (block.text() == heading) {
                const qreal top = doc.documentLayout()->blockBoundingRect(block).top();
                pages << int(top / pageHeight) + 1;
                break;
            }
        }
    }
    return pages;
}

bool writeGuide(const QString &path)
{
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Quadrivo - ") + kGuideTitle);
    writer.setCreator(QStringLiteral("Quadrivo"));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 16), QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&writer))
        return false;

    const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
    const qreal footerHeight = writer.resolution() * 0.45; // about 11 mm
    const QSizeF body(page.width(), page.height() - footerHeight);

    QFont font(QStringLiteral("Liberation Sans"), 11);
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDefaultFont(font);
    doc.setPageSize(body);
    doc.setDocumentMargin(0);
    doc.setHtml(guideHtml({}));
    doc.setHtml(guideHtml(sectionPages(doc, body.height())));

    QFont footerFont(QStringLiteral("Liberation Sans"), 8);
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -i * body.height());
        doc.drawContents(&painter, QRectF(0, i * body.height(), body.width(), body.height()));
        painter.restore();
        if (i == 0)
            continue;
        const qreal lineY = body.height() + footerHeight * 0.35;
        painter.setPen(QPen(QColor(0xC8, 0xD0, 0xDA), 2));
        painter.drawLine(QPointF(0, lineY), QPointF(body.width(), lineY));
        painter.setPen(QColor(0x5A, 0x66, 0x75));
        painter.setFont(footerFont);
        const QRectF footer(0, lineY, body.width(), footerHeight * 0.65);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Quadrivo - ") + kGuideTitle);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Pagina %1 di %2").arg(i + 1).arg(pages));
    }
    return painter.end();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Usage: make-guida OUTPUT.pdf\n");
        return 2;
    }
    if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        std::fprintf(stderr, "make-guida: Liberation Sans is not installed; a substitute font is used.\n");
    if (!writeGuide(args.at(1)) || QFile(args.at(1)).size() == 0) {
        std::fprintf(stderr, "make-guida: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
