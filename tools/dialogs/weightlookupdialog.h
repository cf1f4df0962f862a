#pragma once

#include "tools/model/weighttable.h"

#include <QDialog>

#include <optional>
#include <string>

class QPushButton;
class QTableView;

namespace tools {

class WeightTableItemModel;

/**
 * A modal lookup of catalogue weights (the fitting table `Form_tjjj` and the
 * spacer table `Form_jgb` differ only in their table): the rows fitting a
 * conductor are highlighted, the last of them is selected, and the user
 * confirms the row whose weight the caller takes. Flags and selection last
 * from one opening to the next.
 */
class WeightLookupDialog : public QDialog
{
    Q_OBJECT

public:
    /**
     * Marks the rows that fit a conductor and selects the last of them;
     * with no fitting row the selection stays.
     * @param type        conductor designation, trimmed by the caller
     * @param diameterMm  conductor diameter, mm; noDiameter when unknown
     */
    void markMatches(const std::string &type, float diameterMm);

    /**
     * The weight text (column 3) of the selected row as it stands, or
     * nothing when that row gives no weight. "确定" is only offered on a
     * row with a weight.
     */
    std::optional<std::string> selectedWeight() const;

    const WeightTable &table() const;

    /// Data row \a row becomes the selected row, as a click would make it. @throws std::out_of_range
    void selectRow(int row);

protected:
    /**
     * @param table          the catalogue
     * @param objectName     the form's name, e.g. "Form_jgb"
     * @param gridName       the grid's name, e.g. "StringGrid_jgb"
     * @param resizable      a resizable tool window rather than a fixed one
     */
    WeightLookupDialog(WeightTable table, const QString &objectName, const QString &gridName, bool resizable,
                       QWidget *parent);

    QTableView *grid() const { return mGrid; }

    void showEvent(QShowEvent *event) override;

private:
    void showSelectedRow();
    void selectionMoved(const QModelIndex &current);

    WeightTableItemModel *mModel;
    QTableView *mGrid;
    QPushButton *mOkButton;
    QPushButton *mCancelButton;
};

} // namespace tools
