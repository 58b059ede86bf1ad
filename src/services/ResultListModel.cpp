#include "ResultListModel.h"

void ResultListModel::setLines(ListText::Lines lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int ResultListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant ResultListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_lines.size())
        return {};
    return m_lines.text(index.row());
}
