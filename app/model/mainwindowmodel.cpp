#include "app/model/mainwindowmodel.h"

#include "app/model/conductorcatalogue.h"
#include "app/model/insulatorstringcatalogue.h"
#include "app/model/singlenumber.h"
#include "app/model/trimspacesandcontrols.h"
#include "engine/calculationerror.h"
#include "engine/calculationinput.h"
#include "engine/numberconversion.h"
#include "engine/numberformatting.h"
#include "tools/model/composedstring.h"
#include "tools/model/stringratedload.h"

#include <stdexcept>

namespace app {

namespace {

constexpr std::array<std::string_view, 10> kVoltageLevels{
    "1000", "750", "500", "330", "220", "110", "60", "35", "20", "10"};

struct StringBoxes
{
    EditBox length, weight, icedWeight, windArea, icedWindArea;
};

constexpr StringBoxes stringBoxes(StringSide side)
{
    return side == StringSide::A
        ? StringBoxes{EditBox::Edit_jyza_l, EditBox::Edit_jyza_kg, EditBox::Edit_jyza_kgb,
                      EditBox::Edit_jyza_f1, EditBox::Edit_jyza_f2}
        : StringBoxes{EditBox::Edit_jyzb_l, EditBox::Edit_jyzb_kg, EditBox::Edit_jyzb_kgb,
                      EditBox::Edit_jyzb_f1, EditBox::Edit_jyzb_f2};
}

constexpr int sideIndex(StringSide side) { return side == StringSide::A ? 0 : 1; }

/// The texts a new model starts with, in the order of EditBox.
const std::array<std::string_view, editBoxCount> editDefaults{
    "220kV#1主变进线间隔跨线", "36", "3", "2", "18",
    "51.36", "23", "71853", "1555.8", "4.942", "2", "6", "2.5",
    "2965", "165.3", "187.8", "0.529", "0.695",
    "2965", "165.3", "187.8", "0.529", "0.695"};

/// The first \a maxChars characters of the UTF-8 text \a text.
std::string_view firstCharacters(std::string_view text, int maxChars)
{
    int chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && chars++ == maxChars)
            return text.substr(0, i);
    }
    return text;
}

} // namespace

float lookupDiameter_mm(std::string_view text)
{
    if (!engine::isDecimalNumber(text, false))
        return missingDiameter_mm;
    try {
        return toSingleNumber(text);
    } catch (const engine::ConversionError &) {
        // "." alone passes the character check but is no number; a diameter
        // beyond the float range is no diameter either.
        return missingDiameter_mm;
    }
}

MainWindowModel::MainWindowModel()
{
    for (int i = 0; i < editBoxCount; ++i)
        mEdits[i] = editDefaults[i];
    const std::string defaultString(insulatorStringCatalogue()[defaultInsulatorString].typeName);
    mStringTypeTexts = {defaultString, defaultString};
    mStringTypeIndices = {defaultInsulatorString, defaultInsulatorString};
    for (std::size_t i = 0; i < mGrid.size(); ++i)
        mGrid[i] = LoadTableDefaults[i];
    mTicked = {true, true, false, false, false, true};
}

const std::string &MainWindowModel::text(EditBox box) const
{
    return mEdits.at(static_cast<int>(box));
}

void MainWindowModel::setText(EditBox box, std::string_view text)
{
    if (box == EditBox::Edit_bt)
        text = firstCharacters(text, spanNameMaxLength);
    edit(box) = text;
    // The bundle count stays as typed, "2.5" and "" included: the input
    // check refuses what is no whole number from 1 to 8, naming the field.
    if (box == EditBox::Edit_L)
        onSpanChanged();
}

void MainWindowModel::onSpanChanged()
{
    // The maintenance point follows the span to mid-span; a span that is no
    // number yet (while typing) leaves it where it is.
    const std::string &span = text(EditBox::Edit_L);
    if (!engine::isDecimalNumber(span, false))
        return;
    try {
        edit(EditBox::Edit_jxd) = engine::formatGeneral(engine::toNumber(span) / 2);
    } catch (const engine::ConversionError &) {
        // "." alone or more digits than a double holds: no number, no move.
    }
}

const std::array<std::string_view, 10> &MainWindowModel::voltageLevels()
{
    return kVoltageLevels;
}

void MainWindowModel::setVoltageIndex(int index)
{
    mVoltageIndex = index >= 0 && index < static_cast<int>(kVoltageLevels.size()) ? index : -1;
}

std::string MainWindowModel::higherStructureText() const
{
    return mStructureBHigher ? engine::higherStructureText::structureB : engine::higherStructureText::structureA;
}

std::string MainWindowModel::voltageText() const
{
    return mVoltageIndex < 0 ? std::string() : std::string(kVoltageLevels[mVoltageIndex]);
}

void MainWindowModel::setConductorIndex(int index)
{
    mConductorIndex = index >= 0 && index < conductorCount ? index : -1;
    mCustomConductor = false;
}

void MainWindowModel::pickConductor(int index)
{
    if (index == customConductorIndex) {
        // The figures shown so far are the likeliest start for the engineer's
        // own; the name is not: a catalogue name on other figures would pass
        // for the catalogue type.
        if (!mCustomConductor)
            setCustomConductor("");
        return;
    }
    if (index < 0 || index >= conductorCount)
        return;
    setConductorIndex(index);
    const ConductorEntry &entry = conductorCatalogue()[index];
    edit(EditBox::Edit_dx_d) = trimSpacesAndControls(entry.diameter);
    edit(EditBox::Edit_dx_S) = trimSpacesAndControls(entry.area);
    edit(EditBox::Edit_dx_ax) = trimSpacesAndControls(entry.expansionCoefficient);
    edit(EditBox::Edit_dx_E) = trimSpacesAndControls(entry.elasticModulus);
    edit(EditBox::Edit_dx_kg) = trimSpacesAndControls(entry.unitWeight);
}

void MainWindowModel::setCustomConductor(std::string_view designation)
{
    mCustomConductor = true;
    mConductorIndex = -1;
    mConductorDesignation = designation;
}

void MainWindowModel::setConductorDesignation(std::string_view designation)
{
    if (mCustomConductor)
        mConductorDesignation = designation;
}

void MainWindowModel::pickLibraryConductor(const CustomConductor &conductor)
{
    setCustomConductor(conductor.designation);
    edit(EditBox::Edit_dx_d) = conductor.diameter;
    edit(EditBox::Edit_dx_ax) = conductor.expansionCoefficient;
    edit(EditBox::Edit_dx_E) = conductor.elasticModulus;
    edit(EditBox::Edit_dx_S) = conductor.area;
    edit(EditBox::Edit_dx_kg) = conductor.unitWeight;
}

CustomConductor MainWindowModel::conductor() const
{
    return {conductorText(), text(EditBox::Edit_dx_d), text(EditBox::Edit_dx_ax), text(EditBox::Edit_dx_E),
            text(EditBox::Edit_dx_S), text(EditBox::Edit_dx_kg)};
}

std::string MainWindowModel::conductorText() const
{
    if (mCustomConductor)
        return mConductorDesignation;
    return mConductorIndex < 0 ? std::string()
                               : std::string(conductorCatalogue()[mConductorIndex].typeName);
}

const std::string &MainWindowModel::stringTypeText(StringSide side) const
{
    return mStringTypeTexts[sideIndex(side)];
}

int MainWindowModel::stringTypeIndex(StringSide side) const
{
    return mStringTypeIndices[sideIndex(side)];
}

void MainWindowModel::setStringTypeText(StringSide side, std::string_view text)
{
    mStringTypeTexts[sideIndex(side)] = text;
    mStringTypeIndices[sideIndex(side)] = -1;
}

void MainWindowModel::pickStringType(StringSide side, int index, int iceIndex)
{
    if (index < 0 || index >= insulatorStringCount)
        return;
    const InsulatorStringEntry &entry = insulatorStringCatalogue()[index];
    mStringTypeTexts[sideIndex(side)] = trimSpacesAndControls(entry.typeName);
    mStringTypeIndices[sideIndex(side)] = index;

    const StringBoxes boxes = stringBoxes(side);
    edit(boxes.length) = trimSpacesAndControls(entry.length);
    edit(boxes.weight) = trimSpacesAndControls(entry.weight);
    edit(boxes.windArea) = trimSpacesAndControls(entry.windArea);
    takeIcedValues(side, entry, iceIndex);
}

void MainWindowModel::followIceIndex(int iceIndex)
{
    for (const StringSide side : {StringSide::A, StringSide::B}) {
        const int index = mStringTypeIndices[sideIndex(side)];
        if (index >= 0 && index < insulatorStringCount) {
            takeIcedValues(side, insulatorStringCatalogue()[index], iceIndex);
        } else if (const Composition *composition = shownComposition(side)) {
            const tools::ComposedString composed = tools::composeString(
                composition->discModelIndex, composition->fittingSetIndex, composition->discCount, iceIndex);
            const StringBoxes boxes = stringBoxes(side);
            edit(boxes.icedWeight) = composed.stringIcedWeight;
            edit(boxes.icedWindArea) = composed.stringIcedWindArea;
        }
    }
}

void MainWindowModel::takeIcedValues(StringSide side, const InsulatorStringEntry &entry, int iceIndex)
{
    const StringBoxes boxes = stringBoxes(side);
    // The catalogue has iced columns for 5 and 10 mm; without ice the string
    // weighs what it weighs bare. Beyond 10 mm there are no data: the boxes
    // are emptied for the engineer to fill, rather than keep the figures of
    // another ice thickness that would compute without a word.
    switch (iceIndex) {
    case 0:
        edit(boxes.icedWeight) = trimSpacesAndControls(entry.weight);
        edit(boxes.icedWindArea) = trimSpacesAndControls(entry.windArea);
        break;
    case 1:
        edit(boxes.icedWeight) = trimSpacesAndControls(entry.weightIce5);
        edit(boxes.icedWindArea) = trimSpacesAndControls(entry.windAreaIce5);
        break;
    case 2:
        edit(boxes.icedWeight) = trimSpacesAndControls(entry.weightIce10);
        edit(boxes.icedWindArea) = trimSpacesAndControls(entry.windAreaIce10);
        break;
    default:
        edit(boxes.icedWeight).clear();
        edit(boxes.icedWindArea).clear();
        break;
    }
}

void MainWindowModel::applyComposedString(StringSide side, const tools::ComposedString &composed)
{
    const StringBoxes boxes = stringBoxes(side);
    edit(boxes.length) = composed.stringLength;
    edit(boxes.weight) = composed.stringWeight;
    edit(boxes.icedWeight) = composed.stringIcedWeight;
    edit(boxes.windArea) = composed.stringWindArea;
    edit(boxes.icedWindArea) = composed.stringIcedWindArea;
    setStringTypeText(side, composed.stringType);
}

void MainWindowModel::noteComposition(StringSide side, int discModelIndex, int fittingSetIndex, int discCount)
{
    mCompositions[sideIndex(side)] =
        Composition{stringTypeText(side), discModelIndex, fittingSetIndex, discCount,
                    tools::ratedLoadOfComposition(discModelIndex, fittingSetIndex)};
}

const MainWindowModel::Composition *MainWindowModel::shownComposition(StringSide side) const
{
    const std::optional<Composition> &composition = mCompositions[sideIndex(side)];
    if (!composition || composition->designation != stringTypeText(side))
        return nullptr;
    return &*composition;
}

std::optional<double> MainWindowModel::composedRatedLoad(StringSide side) const
{
    const Composition *composition = shownComposition(side);
    if (composition == nullptr)
        return std::nullopt;
    return composition->ratedLoad_kN;
}

bool MainWindowModel::isTicked(PresenceBox box) const
{
    return mTicked.at(static_cast<int>(box));
}

void MainWindowModel::setTicked(PresenceBox box, bool ticked)
{
    if (mTicked.at(static_cast<int>(box)) == ticked)
        return;
    mTicked[static_cast<int>(box)] = ticked;
    rewriteColumnForPresence(box);
}

void MainWindowModel::rewriteColumnForPresence(PresenceBox box)
{
    using namespace loadtable;
    const int column = columnOf(box);
    if (isTicked(box)) {
        gridCell(column, headerRow) = presentHeaders[column];
        for (int i = 0; i < static_cast<int>(presentLoadDefaults.size()); ++i)
            gridCell(column, bundleCountRow + i) = presentLoadDefaults[i];
        return;
    }
    gridCell(column, headerRow) = absentHeaders[column];
    // The jumpers' row 9 is a fixed note, not an input: it stays.
    const int lastRow = isJumperColumn(column) ? fittingWeightRow : relativeDistanceRow;
    for (int row = conductorTypeRow; row <= lastRow; ++row)
        gridCell(column, row).clear();
}

int MainWindowModel::checkedCellIndex(int column, int row)
{
    if (column < 0 || column >= loadtable::columnCount || row < 0 || row >= loadtable::rowCount)
        throw std::out_of_range("load table cell out of range");
    return loadtable::cellIndex(column, row);
}

const std::string &MainWindowModel::cell(int column, int row) const
{
    return mGrid[checkedCellIndex(column, row)];
}

std::string &MainWindowModel::gridCell(int column, int row)
{
    return mGrid[checkedCellIndex(column, row)];
}

bool MainWindowModel::isCellEditable(int column, int row)
{
    using namespace loadtable;
    if (column < firstLoadColumn || column > lastLoadColumn || row < conductorTypeRow
        || row > relativeDistanceRow)
        return false;
    return !(row == relativeDistanceRow && isJumperColumn(column));
}

bool MainWindowModel::setCell(int column, int row, std::string_view text)
{
    if (!isCellEditable(column, row))
        return false;
    gridCell(column, row) = text;
    return true;
}

void MainWindowModel::selectCell(int column, int row)
{
    using namespace loadtable;
    if (column < firstLoadColumn || column > lastLoadColumn || row < conductorTypeRow
        || row >= rowCount)
        return;
    mCurrentColumn = column;
    mCurrentRow = row;
    mGridEditing = isCellEditable(column, row);
}

bool MainWindowModel::clickGrid()
{
    mLeadTypeListVisible = mCurrentRow == loadtable::conductorTypeRow
                           && mCurrentColumn >= loadtable::firstLoadColumn;
    return mLeadTypeListVisible;
}

void MainWindowModel::pickLeadConductor(int index)
{
    using namespace loadtable;
    if (index < 0 || index >= conductorCount || mCurrentColumn < firstLoadColumn)
        return;
    mLeadTypeIndex = index;
    const ConductorEntry &entry = conductorCatalogue()[index];
    gridCell(mCurrentColumn, conductorTypeRow) = entry.typeName;
    gridCell(mCurrentColumn, unitWeightRow) = entry.unitWeight;
    gridCell(mCurrentColumn, diameterRow) = entry.diameter;
}

LookupRequest MainWindowModel::gridLookupRequest() const
{
    using namespace loadtable;
    if (mCurrentColumn < firstLoadColumn)
        return {};
    if (mCurrentRow == spacerWeightRow) {
        // The spacer belongs to the load's own conductor, so its own diameter
        // goes with its own type name; the main conductor's would mark
        // spacers for a conductor this load does not have.
        return {Lookup::Spacer, trimSpacesAndControls(cell(mCurrentColumn, conductorTypeRow)),
                lookupDiameter_mm(cell(mCurrentColumn, diameterRow))};
    }
    if (mCurrentRow == fittingWeightRow) {
        // A T-connection fitting clamps onto the main conductor.
        return {Lookup::Fitting, trimSpacesAndControls(conductorText()),
                lookupDiameter_mm(text(EditBox::Edit_dx_d))};
    }
    return {};
}

void MainWindowModel::applyGridLookupWeight(std::string_view weight)
{
    using namespace loadtable;
    if (mCurrentColumn < firstLoadColumn
        || (mCurrentRow != spacerWeightRow && mCurrentRow != fittingWeightRow))
        return;
    gridCell(mCurrentColumn, mCurrentRow) = trimSpacesAndControls(weight);
}

LookupRequest MainWindowModel::conductorSpacerLookupRequest() const
{
    return {Lookup::Spacer, trimSpacesAndControls(conductorText()), lookupDiameter_mm(text(EditBox::Edit_dx_d))};
}

void MainWindowModel::applyConductorSpacerWeight(std::string_view weight)
{
    edit(EditBox::Edit_dx_flkg) = weight;
}

} // namespace app
