#pragma once

#include "ExportTable.h"

#include <QAbstractTableModel>

// The export grid over an ExportTable: "N." first, then the member's columns. Cells are decoded
// when the view asks for them; an edit goes into the table's edits, never into the archive.
class ExportGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ExportGridModel(ExportTable table, QObject *parent = nullptr);

    const ExportTable &table() const { return m_table; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ExportTable m_table;
};
