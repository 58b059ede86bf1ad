#pragma once

#include "ReportItem.h"

#include <QDate>
#include <QMarginsF>
#include <QStringList>
#include <stdexcept>

// Asking a design for an object it does not hold: a mistake in the program, never a user's.
class UnknownReportObject : public std::logic_error
{
public:
    explicit UnknownReportObject(const QString &name);
};

// A report design: an A4 page with its orientation and margins, and named objects placed from the
// top-left corner of the printable area. A design is either one page of objects, or banded: a
// title band, a data band holding one multi-line text block that continues over as many pages as
// it needs, and a closing band after the data. Band objects are placed from their band's top.
//
// Texts may hold the current-date field [DATE], replaced by dd/mm/yyyy when the report is prepared.
//
//   ReportDesign d(QPageLayout::Portrait, 10);
//   d.addText("txtTitolo", {23, 3, 165, 9}, style, "Titolo");
//   d.setText("txtTitolo", "SCHEDA ARTICOLO");
//   PreparedReport r = d.prepare(QDate::currentDate());
class ReportDesign
{
public:
    enum class Band { Page, Title, Closing };

    ReportDesign(QPageLayout::Orientation orientation, double marginMm);

    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    void setDocumentInfo(const QString &title, const QString &subject);

    void addText(const QString &name, const QRectF &mm, const TextStyle &style, const QString &text,
                 Band band = Band::Page);
    // A horizontal line from `from`, `lengthMm` long.
    void addLine(const QString &name, QPointF from, double lengthMm, Band band = Band::Page);
    void addFrame(const QString &name, const QRectF &mm, const QColor &fill, Band band = Band::Page);
    void addPicture(const QString &name, const QRectF &mm, const QImage &picture, Band band = Band::Page);
    // Makes the design banded. Lines are drawn `lineMm` apart in `style`; the band ends `paddingMm`
    // below its last line.
    void addDataBand(const QString &name, const TextStyle &style, double lineMm, double paddingMm);
    void setBandHeight(Band band, double mm);

    // Unknown names throw UnknownReportObject.
    void setText(const QString &name, const QString &text);
    QString text(const QString &name) const;
    void setPicture(const QString &name, const QImage &picture);
    void setHeight(const QString &name, double mm);
    const ReportItem &object(const QString &name) const;
    // The data block's lines (banded designs).
    void setLines(const QString &name, const QStringList &lines);

    PreparedReport prepare(const QDate &today) const;

private:
    struct Placed
    {
        Band band;
        ReportItem item;
    };

    ReportItem &find(const QString &name);
    void add(Band band, ReportItem item);
    QRectF printableMm() const;
    ReportItem placed(const ReportItem &item, QPointF origin, const QDate &today) const;
    void placeBand(ReportPage &page, Band band, double top, const QDate &today) const;
    PreparedReport preparedShell() const;
    PreparedReport prepareBanded(const QDate &today) const;

    QPageLayout::Orientation m_orientation;
    double m_marginMm;
    QString m_title, m_subject;
    QList<Placed> m_objects;
    double m_titleHeightMm = 0, m_closingHeightMm = 0;

    bool m_banded = false;
    QString m_dataName;
    TextStyle m_dataStyle;
    double m_lineMm = 0, m_paddingMm = 0;
    QStringList m_lines;
};
