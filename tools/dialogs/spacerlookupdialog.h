#pragma once

#include "tools/dialogs/weightlookupdialog.h"

/**
 * The spacer lookup `Form_jgb` ("常用间隔棒的重量查询"): the weight of a
 * spacer for the load table or the main conductor, from the spacer
 * catalogue `StringGrid_jgb`. A tool window of fixed size.
 */
class TForm_jgb : public tools::WeightLookupDialog
{
    Q_OBJECT

public:
    explicit TForm_jgb(QWidget *parent = nullptr);

    QTableView *StringGrid_jgb;
};
