#include "tools/dialogs/spacerlookupdialog.h"

#include "tools/model/spacerweighttable.h"

TForm_jgb::TForm_jgb(QWidget *parent)
    : WeightLookupDialog(tools::spacerWeightTable(), QStringLiteral("Form_jgb"), QStringLiteral("StringGrid_jgb"),
                         false, parent)
    , StringGrid_jgb(grid())
{
}
