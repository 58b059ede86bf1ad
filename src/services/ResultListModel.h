#pragma once

#include "core/ListText.h"

#include <QAbstractListModel>
#include <vector>

// The lines of a result list, each with the position of the record it was built from, for a
// QListView with uniform item sizes: a hundred thousand lines cost one vector, not one item each.
class ResultListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(std::vector<ListText::Line> lines);
    const std::vector<ListText::Line> &lines() const { return m_lines; }
    const ListText::Line &line(int row) const { return m_lines[size_t(row)]; }
    QStringList texts() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    std::vector<ListText::Line> m_lines;
};
