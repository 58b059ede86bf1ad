#pragma once

#include "ReportStyle.h"

#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>

// One named object of a report: a text (one line, clipped at its box, never wrapped), a line (along
// the top edge of its box), a frame (a rectangle, filled or not) or a picture (scaled into its box
// keeping its proportions). Places and sizes are in millimetres.
struct ReportItem
{
    enum class Kind { Text, Line, Frame, Picture };

    Kind kind = Kind::Text;
    QString name;
    QRectF mm;
    QString text;
    TextStyle style;
    QColor pen = Qt::black; // lines and frames; invalid: no outline
    double penMm = 0.2;
    QColor fill; // frames; invalid: not filled
    QImage picture;
};

// A prepared page: its items placed from the page's top-left corner, texts already cut to their
// boxes.
struct ReportPage
{
    QList<ReportItem> items;

    // The first item of that name, or nullptr.
    const ReportItem *find(const QString &name) const;
    // The texts of the page's text items, in reading order (top to bottom, then left to right).
    QStringList texts() const;
};

// The page model a design prepares into; every output paints it with the same routine.
struct PreparedReport
{
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QString title; // of the PDF document
    QString subject;
    QList<ReportPage> pages;

    // The page size in millimetres, as oriented (A4 is the only paper the designs use).
    QSizeF pageMm() const;
    QPageLayout pageLayout() const;
};
