#pragma once

#include "tools/model/weighttable.h"

#include <QAbstractTableModel>
#include <QColor>

namespace tools {

/**
 * A weight table as a Qt table model: the catalogue texts in five columns
 * under the table's own headers, the model column drawn like a header, and
 * the cells right of it in aqua on the rows that fit the conductor.
 */
class WeightTableItemModel final : public QAbstractTableModel
{
public:
    /// Colour of the rows that fit the conductor.
    static constexpr QColor matchColour{0x00, 0xff, 0xff};

    explicit WeightTableItemModel(WeightTable table, QObject *parent = nullptr);

    const WeightTable &table() const { return mTable; }

    /// Marks the rows fitting a conductor (WeightTable::markMatches) and repaints them.
    void markMatches(std::string_view designation, float diameter_mm);
    /// The user moved the selection to data row \a row.
    void selectRow(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    WeightTable mTable;
};

} // namespace tools
