#include "ReportItem.h"

#include <algorithm>

const ReportItem *ReportPage::find(const QString &name) const
{
    for (const ReportItem &item : items) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
}

QStringList ReportPage::texts() const
{
    QList<const ReportItem *> order;
    for (const ReportItem &item : items) {
        if (item.kind == ReportItem::Kind::Text)
            order << &item;
    }
    std::stable_sort(order.begin(), order.end(), [](const ReportItem *a, const ReportItem *b) {
        if (!qFuzzyCompare(a->mm.top(), b->mm.top()))
            return a->mm.top() < b->mm.top();
        return a->mm.left() < b->mm.left();
    });
    QStringList result;
    for (const ReportItem *item : order)
        result << item->text;
    return result;
}

QSizeF PreparedReport::pageMm() const
{
    const QSizeF a4(210, 297);
    return orientation == QPageLayout::Portrait ? a4 : a4.transposed();
}

QPageLayout PreparedReport::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}
