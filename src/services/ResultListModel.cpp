#include "ResultListModel.h"

void ResultListModel::setLines(std::vector<ListText::Line> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

QStringList ResultListModel::texts() const
{
    QStringList texts;
    texts.reserve(qsizetype(m_lines.size()));
    for (const auto &line : m_lines)
        texts << line.text;
    return texts;
}

int ResultListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant ResultListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || size_t(index.row()) >= m_lines.size())
        return {};
    return m_lines[size_t(index.row())].text;
}
