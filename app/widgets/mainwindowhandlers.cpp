// The main window's event handlers: each passes the user's action to the
// model or opens the window it asks for, then shows the model again.
#include "app/widgets/mainwindow.h"

#include "app/model/designchecksettings.h"
#include "app/run/calculatecommand.h"
#include "common/widgets/dialogrunner.h"
#include "common/widgets/qtutf8.h"
#include "help/helpwindow.h"
#include "options/dialog/optionsdialog.h"
#include "report/viewer/resultviewer.h"
#include "tools/dialogs/composerdialog.h"
#include "tools/dialogs/fittinglookupdialog.h"
#include "tools/dialogs/spacerlookupdialog.h"
#include "tools/model/stringratedload.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

#include <optional>
#include <string>

using app::EditBox;
using app::PresenceBox;
using app::StringSide;
using common::toQString;
using common::toUtf8;
namespace loadtable = app::loadtable;

namespace {

/**
 * Shows \a lookup prepared for \a request and returns the weight the user
 * confirmed, or nothing when the lookup was cancelled or its row gives none.
 */
std::optional<std::string> chooseWeight(tools::WeightLookupDialog &lookup, const app::LookupRequest &request,
                                        common::DialogRunner &dialogs)
{
    lookup.markMatches(request.conductorType, request.diameter_mm);
    if (dialogs.run(lookup) != QDialog::Accepted)
        return std::nullopt;
    return lookup.selectedWeight();
}

} // namespace

void TForm_zcx::Button_jsClick()
{
    if (!settlePendingExitCheck() || mWindows.viewer == nullptr)
        return;
    const options::OptionsTexts options =
        mWindows.options != nullptr ? mWindows.options->optionsTexts() : options::OptionsTexts{};
    const options::DesignCheckOptions checks =
        mWindows.options != nullptr ? mWindows.options->designCheckOptions() : options::DesignCheckOptions{};
    report::ViewerPages viewer(*mWindows.viewer);
    // The save dialogs suggest file names after the span the shown pages report on.
    const app::CalculationShown shown =
        app::calculateAndShow(mModel, options, checks, viewer, mMessenger, mShortCircuit, mClearances);
    if (shown.outcome == app::CalculationOutcome::Shown) {
        mWindows.viewer->setSpanName(toQString(mModel.text(EditBox::Edit_bt)));
        mComputedInputs = calculationInputsText();
        mWindows.viewer->setReportCurrent(true);
        mGoverningLines = app::governingLines(shown.governing, shown.checks,
                                              shown.shortCircuit ? &*shown.shortCircuit : nullptr,
                                              shown.clearances ? &*shown.clearances : nullptr);
        showGoverning(true);
    }
}

void TForm_zcx::Button_helpClick()
{
    if (!settlePendingExitCheck() || mWindows.help == nullptr)
        return;
    mWindows.help->show();
    mWindows.help->raise();
    mWindows.help->activateWindow();
}

void TForm_zcx::Button_optionClick()
{
    if (!settlePendingExitCheck() || mWindows.options == nullptr)
        return;
    // The design-check page hints at the strengths of the span's conductor and strings.
    mWindows.options->showCatalogueStrengths(
        app::catalogueStrengths(app::assembleCalculationInput(mModel, mWindows.options->optionsTexts()),
                                app::composedRatings(mModel)));
    // Confirmed, the options count as a change of the span even when no text
    // moved; cancelled, the dialog has put back what it was shown with.
    mWindows.options->showShortCircuit(mShortCircuit);
    mWindows.options->showClearances(mClearances);
    const int iceIndex = mWindows.options->iceIndex();
    if (mDialogs.run(*mWindows.options) == QDialog::Accepted) {
        mShortCircuit = mWindows.options->shortCircuitOptions();
        mClearances = mWindows.options->clearanceOptions();
        if (mDocument)
            mDocument->markChanged();
        // Strings picked from the list follow the new ice thickness.
        if (mWindows.options->iceIndex() != iceIndex) {
            mModel.followIceIndex(mWindows.options->iceIndex());
            showModel();
        }
    }
    refreshCaption();
}

void TForm_zcx::Button_closeClick()
{
    if (!settlePendingExitCheck())
        return;
    close();
}

void TForm_zcx::ComboBox_kVChange(int index)
{
    mModel.setVoltageIndex(index);
    showModel();
}

void TForm_zcx::ComboBox_gdChange(int index)
{
    mModel.setStructureBHigher(index == 1);
    showModel();
}

void TForm_zcx::ComboBox_zdxChange(int index)
{
    mModel.pickConductor(index);
    showModel();
}

void TForm_zcx::ComboBox_jyzChange(StringSide side, int index)
{
    const int iceIndex = mWindows.options != nullptr ? mWindows.options->iceIndex() : options::OptionsTexts{}.iceIndex;
    mModel.pickStringType(side, index, iceIndex);
    showModel();
}

void TForm_zcx::ComboBox_jyzEdited(StringSide side, const QString &text)
{
    mModel.setStringTypeText(side, toUtf8(text));
    showStringType(side);
    refreshCaption();
}

void TForm_zcx::Button_jyzClick(StringSide side)
{
    if (!settlePendingExitCheck() || mWindows.composer == nullptr)
        return;
    TForm_jyz &composer = *mWindows.composer;
    if (mWindows.options != nullptr)
        composer.showIceIndex(mWindows.options->iceIndex());
    if (mDialogs.run(composer) != QDialog::Accepted)
        return;
    const tools::ComposedString &composed = composer.composedString();
    mModel.applyComposedString(side, {composed.stringType, composed.stringLength, composed.stringWeight,
                                      composed.stringIcedWeight, composed.stringWindArea,
                                      composed.stringIcedWindArea});
    const tools::ComposerModel &choice = composer.model();
    mModel.noteComposition(side, choice.discModelIndex(), choice.fittingSetIndex(), tools::discCountOf(choice.discCountText()));
    showModel();
}

void TForm_zcx::EditChange(EditBox box, const QString &text)
{
    mModel.setText(box, toUtf8(text));
    showModel();
}
void TForm_zcx::Edit_dx_flkgDblClick()
{
    runWeightLookup(mModel.conductorSpacerLookupRequest(), true);
}

void TForm_zcx::CheckBoxClick(PresenceBox box, bool ticked)
{
    mModel.setTicked(box, ticked);
    showModel();
}

void TForm_zcx::SGrid_hzSelectCell(int column, int row)
{
    if (column < loadtable::firstLoadColumn || row <= loadtable::headerRow)
        return;
    mModel.selectCell(column, row);
}

void TForm_zcx::SGrid_hzClick()
{
    mModel.clickGrid();
    showLeadTypeList();
    if (ComboBox_dx->isVisible())
        ComboBox_dx->setFocus(Qt::OtherFocusReason);
}

void TForm_zcx::SGrid_hzDblClick()
{
    runWeightLookup(mModel.gridLookupRequest(), false);
}

void TForm_zcx::SGrid_hzCellEdited(int column, int row, const QString &text)
{
    mModel.setCell(column, row, toUtf8(text));
    refreshCaption();
}

void TForm_zcx::ComboBox_dxChange(int index)
{
    mModel.pickLeadConductor(index);
    showModel();
}
void TForm_zcx::runWeightLookup(const app::LookupRequest &request, bool forConductor)
{
    std::optional<std::string> weight;
    if (request.lookup == app::Lookup::Spacer && mWindows.spacerLookup != nullptr)
        weight = chooseWeight(*mWindows.spacerLookup, request, mDialogs);
    else if (request.lookup == app::Lookup::Fitting && mWindows.fittingLookup != nullptr)
        weight = chooseWeight(*mWindows.fittingLookup, request, mDialogs);
    if (!weight)
        return;
    if (forConductor)
        mModel.applyConductorSpacerWeight(*weight);
    else
        mModel.applyGridLookupWeight(*weight);
    showModel();
}

void TForm_zcx::gridEditorCreated(QLineEdit *editor)
{
    editor->setObjectName(QStringLiteral("SGrid_hzEditor"));
    editor->setAttribute(Qt::WA_InputMethodEnabled, false);
    editor->setAcceptDrops(false);
    editor->installEventFilter(this);
    // The cell follows every keystroke, as the model's texts are the inputs.
    connect(editor, &QLineEdit::textEdited, this, [this](const QString &text) {
        SGrid_hzCellEdited(SGrid_hz->currentColumn(), SGrid_hz->currentRow(), text);
    });
}

void TForm_zcx::gridEditorReverted(int column, int row)
{
    // Escape puts the cell's text back; the model followed the keystrokes and must follow this too.
    if (const QTableWidgetItem *item = SGrid_hz->item(row, column))
        mModel.setCell(column, row, toUtf8(item->text()));
    refreshCaption();
}

