#include "ReportDesign.h"

UnknownReportObject::UnknownReportObject(const QString &name)
    : std::logic_error("no report object named " + name.toStdString())
{
}

ReportDesign::ReportDesign(QPageLayout::Orientation orientation, double marginMm)
    : m_orientation(orientation), m_marginMm(marginMm)
{
}

void ReportDesign::setDocumentInfo(const QString &title, const QString &subject)
{
    m_title = title;
    m_subject = subject;
}

void ReportDesign::add(Band band, ReportItem item)
{
    m_objects.append({band, std::move(item)});
}

void ReportDesign::addText(const QString &name, const QRectF &mm, const TextStyle &style, const QString &text,
                           Band band)
{
    ReportItem item;
    item.kind = ReportItem::Kind::Text;
    item.name = name;
    item.mm = mm;
    item.style = style;
    item.text = text;
    add(band, item);
}

void ReportDesign::addLine(const QString &name, QPointF from, double lengthMm, Band band)
{
    ReportItem item;
    item.kind = ReportItem::Kind::Line;
    item.name = name;
    item.mm = QRectF(from, QSizeF(lengthMm, 0));
    add(band, item);
}

void ReportDesign::addFrame(const QString &name, const QRectF &mm, const QColor &fill, Band band)
{
    ReportItem item;
    item.kind = ReportItem::Kind::Frame;
    item.name = name;
    item.mm = mm;
    item.fill = fill;
    add(band, item);
}

void ReportDesign::addPicture(const QString &name, const QRectF &mm, const QImage &picture, Band band)
{
    ReportItem item;
    item.kind = ReportItem::Kind::Picture;
    item.name = name;
    item.mm = mm;
    item.picture = picture;
    add(band, item);
}

void ReportDesign::addDataBand(const QString &name, const TextStyle &style, double lineMm, double paddingMm)
{
    m_banded = true;
    m_dataName = name;
    m_dataStyle = style;
    m_lineMm = lineMm;
    m_paddingMm = paddingMm;
}

void ReportDesign::setBandHeight(Band band, double mm)
{
    (band == Band::Title ? m_titleHeightMm : m_closingHeightMm) = mm;
}

ReportItem &ReportDesign::find(const QString &name)
{
    for (Placed &p : m_objects) {
        if (p.item.name == name)
            return p.item;
    }
    throw UnknownReportObject(name);
}

const ReportItem &ReportDesign::object(const QString &name) const
{
    return const_cast<ReportDesign *>(this)->find(name);
}

void ReportDesign::setText(const QString &name, const QString &text)
{
    ReportItem &item = find(name);
    if (item.kind != ReportItem::Kind::Text)
        throw UnknownReportObject(name + QStringLiteral(" (not a text)"));
    item.text = text;
}

QString ReportDesign::text(const QString &name) const
{
    return object(name).text;
}

void ReportDesign::setPicture(const QString &name, const QImage &picture)
{
    ReportItem &item = find(name);
    if (item.kind != ReportItem::Kind::Picture)
        throw UnknownReportObject(name + QStringLiteral(" (not a picture)"));
    item.picture = picture;
}

void ReportDesign::setHeight(const QString &name, double mm)
{
    find(name).mm.setHeight(mm);
}

void ReportDesign::setLines(const QString &name, const QStringList &lines)
{
    if (!m_banded || name != m_dataName)
        throw UnknownReportObject(name);
    m_lines = lines;
}

QRectF ReportDesign::printableMm() const
{
    const QSizeF a4(210, 297);
    const QSizeF page = m_orientation == QPageLayout::Portrait ? a4 : a4.transposed();
    return QRectF(QPointF(0, 0), page).adjusted(m_marginMm, m_marginMm, -m_marginMm, -m_marginMm);
}

ReportItem ReportDesign::placed(const ReportItem &item, QPointF origin, const QDate &today) const
{
    ReportItem out = item;
    out.mm.translate(origin);
    if (out.kind == ReportItem::Kind::Text) {
        out.text.replace(QStringLiteral("[DATE]"), today.toString(QStringLiteral("dd/MM/yyyy")));
        // Cut here, measured in the font that is embedded, so every output shows the same part.
        out.text = ReportFonts::fitting(out.style, out.text, out.mm.width());
    }
    return out;
}

void ReportDesign::placeBand(ReportPage &page, Band band, double top, const QDate &today) const
{
    const QPointF origin(printableMm().left(), top);
    for (const Placed &p : m_objects) {
        if (p.band == band)
            page.items << placed(p.item, origin, today);
    }
}

PreparedReport ReportDesign::preparedShell() const
{
    PreparedReport report;
    report.orientation = m_orientation;
    report.title = m_title;
    report.subject = m_subject;
    return report;
}

PreparedReport ReportDesign::prepare(const QDate &today) const
{
    if (m_banded)
        return prepareBanded(today);
    PreparedReport report = preparedShell();
    ReportPage page;
    placeBand(page, Band::Page, printableMm().top(), today);
    report.pages << page;
    return report;
}

// The title band opens the first page; the data lines follow, a new page taking over wherever the
// next line would cross the bottom margin; the closing band comes after the band's padding, on a
// page of its own when it no longer fits.
PreparedReport ReportDesign::prepareBanded(const QDate &today) const
{
    PreparedReport report = preparedShell();
    const QRectF area = printableMm();
    const double bottom = area.bottom() + 1e-6;
    report.pages << ReportPage();
    placeBand(report.pages.last(), Band::Title, area.top(), today);
    double y = area.top() + m_titleHeightMm;

    for (const QString &line : m_lines) {
        if (y + m_lineMm > bottom) {
            report.pages << ReportPage();
            y = area.top();
        }
        ReportItem item;
        item.kind = ReportItem::Kind::Text;
        item.name = m_dataName;
        item.mm = QRectF(0, 0, area.width(), m_lineMm);
        item.style = m_dataStyle;
        item.text = line;
        report.pages.last().items << placed(item, QPointF(area.left(), y), today);
        y += m_lineMm;
    }
    y = std::min(y + m_paddingMm, area.bottom());

    if (y + m_closingHeightMm > bottom) {
        report.pages << ReportPage();
        y = area.top();
    }
    placeBand(report.pages.last(), Band::Closing, y, today);
    return report;
}
