#pragma once

#include "tools/dialogs/weightlookupdialog.h"

/**
 * The T-connection fitting lookup `Form_tjjj` ("常用T接引下金具重量查询"):
 * the weight of a drop-lead fitting for the load table, from the fitting
 * catalogue `StringGrid_tjjj`. A resizable tool window.
 */
class TForm_tjjj : public tools::WeightLookupDialog
{
    Q_OBJECT

public:
    explicit TForm_tjjj(QWidget *parent = nullptr);

    QTableView *StringGrid_tjjj;
};
