#include "tools/dialogs/fittinglookupdialog.h"

#include "tools/model/fittingweighttable.h"

TForm_tjjj::TForm_tjjj(QWidget *parent)
    : WeightLookupDialog(tools::fittingWeightTable(), QStringLiteral("Form_tjjj"), QStringLiteral("StringGrid_tjjj"),
                         true, parent)
    , StringGrid_tjjj(grid())
{
}
