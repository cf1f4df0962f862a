#include "tools/dialogs/weightlookupdialog.h"

#include "common/widgets/dialogbuttons.h"
#include "tools/dialogs/weighttableitemmodel.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace tools {

namespace {

constexpr int kRowHeight = 20;
constexpr int visibleRows = 18;
/// Room around a header's text, pixels.
constexpr int headerPadding = 16;

} // namespace

WeightLookupDialog::WeightLookupDialog(WeightTable table, const QString &objectName, const QString &gridName,
                                       bool resizable, QWidget *parent)
    : QDialog(parent, Qt::Tool)
{
    setObjectName(objectName);
    setWindowTitle(QString::fromUtf8(table.layout().caption.data(),
                                     static_cast<qsizetype>(table.layout().caption.size())));
    const auto widths = table.layout().columnWidths;

    mModel = new WeightTableItemModel(std::move(table), this);
    mGrid = new QTableView(this);
    mGrid->setObjectName(gridName);
    mGrid->setModel(mModel);
    mGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    mGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    mGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mGrid->verticalHeader()->hide();
    mGrid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    mGrid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    mGrid->horizontalHeader()->setHighlightSections(false);
    mGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    mGrid->horizontalHeader()->setStretchLastSection(resizable);
    int tableWidth = 2 * mGrid->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, mGrid);
    // The catalogue's widths, widened where a header or an entry would not
    // fit the font ("TLS-2×1440N/400" in the model column).
    const QFontMetrics headerMetrics(mGrid->horizontalHeader()->font());
    for (int column = 0; column < weightTableColumnCount; ++column) {
        const int headerWidth =
            headerMetrics.horizontalAdvance(mModel->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        mGrid->resizeColumnToContents(column);
        const int width = std::max(
            {widths[static_cast<std::size_t>(column)], headerWidth + headerPadding, mGrid->columnWidth(column)});
        mGrid->setColumnWidth(column, width);
        tableWidth += width;
    }
    const int tableHeight =
        2 * mGrid->frameWidth() + mGrid->horizontalHeader()->sizeHint().height() + visibleRows * kRowHeight;
    mGrid->setMinimumSize(tableWidth, resizable ? 8 * kRowHeight : tableHeight);

    QDialogButtonBox *buttons = common::makeOkCancelButtons(*this);
    mOkButton = buttons->button(QDialogButtonBox::Ok);
    mCancelButton = buttons->button(QDialogButtonBox::Cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(mGrid);
    layout->addWidget(buttons);

    if (resizable) {
        resize(layout->sizeHint().width(), layout->sizeHint().height() + (visibleRows - 8) * kRowHeight);
    } else {
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }

    connect(mGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &WeightLookupDialog::selectionMoved);
    connect(mGrid, &QTableView::doubleClicked, this, [this] {
        if (mOkButton->isEnabled())
            accept();
    });

    showSelectedRow();
}

const WeightTable &WeightLookupDialog::table() const
{
    return mModel->table();
}

void WeightLookupDialog::markMatches(const std::string &type, float diameterMm)
{
    mModel->markMatches(type, diameterMm);
    showSelectedRow();
}

void WeightLookupDialog::selectRow(int row)
{
    mModel->selectRow(row);
    showSelectedRow();
}

std::optional<std::string> WeightLookupDialog::selectedWeight() const
{
    return mModel->table().selectedWeight();
}

void WeightLookupDialog::showSelectedRow()
{
    const int row = mModel->table().selectedRow();
    if (row < 0 || row >= mModel->rowCount())
        return;
    const QModelIndex index = mModel->index(row, kModelColumn);
    mGrid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                        | QItemSelectionModel::Rows);
    mGrid->scrollTo(index, QAbstractItemView::PositionAtCenter);
    mOkButton->setEnabled(selectedWeight().has_value());
}

void WeightLookupDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Only now has the grid its size, so the selected row can be centred.
    mGrid->scrollTo(mGrid->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void WeightLookupDialog::selectionMoved(const QModelIndex &current)
{
    if (!current.isValid())
        return;
    mModel->selectRow(current.row());
    mOkButton->setEnabled(selectedWeight().has_value());
}

} // namespace tools
