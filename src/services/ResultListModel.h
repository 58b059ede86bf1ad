#pragma once

#include "core/ListLines.h"

#include <QAbstractListModel>

// The lines of a result list, each with the position of the record it was built from, for a
// QListView with uniform item sizes: a hundred thousand lines cost one vector, not one item each.
class ResultListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(ListText::Lines lines);
    const ListText::Lines &lines() const { return m_lines; }
    ListText::Line line(int row) const { return m_lines.at(row); }
    QStringList texts() const { return m_lines.texts(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    ListText::Lines m_lines;
};
