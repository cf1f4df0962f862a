#include "tools/dialogs/weighttableitemmodel.h"

#include <QGuiApplication>
#include <QPalette>

namespace tools {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

WeightTableItemModel::WeightTableItemModel(WeightTable table, QObject *parent)
    : QAbstractTableModel(parent), mTable(std::move(table))
{
}

void WeightTableItemModel::markMatches(std::string_view designation, float diameter_mm)
{
    mTable.markMatches(designation, diameter_mm);
    if (mTable.rowCount() > 0)
        emit dataChanged(index(0, 0), index(mTable.rowCount() - 1, weightTableColumnCount - 1));
}

void WeightTableItemModel::selectRow(int row)
{
    mTable.selectRow(row);
}

int WeightTableItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : mTable.rowCount();
}

int WeightTableItemModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : weightTableColumnCount;
}

QVariant WeightTableItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= mTable.rowCount() || index.column() >= weightTableColumnCount)
        return {};
    const bool modelColumn = index.column() == kModelColumn;
    switch (role) {
    case Qt::DisplayRole:
        return fromUtf8(mTable.row(index.row())[static_cast<std::size_t>(index.column())]);
    case Qt::BackgroundRole:
        if (modelColumn)
            return QGuiApplication::palette().button();
        if (mTable.isMatched(index.row()))
            return QColor(matchColour);
        return {};
    case Qt::ForegroundRole:
        if (!modelColumn && mTable.isMatched(index.row()))
            return QColor(Qt::black);
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant WeightTableItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= weightTableColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return fromUtf8(mTable.layout().headers[static_cast<std::size_t>(section)]);
}

Qt::ItemFlags WeightTableItemModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace tools
