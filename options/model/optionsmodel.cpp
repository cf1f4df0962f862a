#include "options/model/optionsmodel.h"

#include "options/model/optionsfile.h"
#include "options/model/typicalzonetable.h"

#include "common/checkmessages.h"
#include "common/filewriteerror.h"
#include "common/messenger.h"
#include "engine/calculationerror.h"
#include "engine/numberconversion.h"
#include "engine/numberformatting.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

namespace options {

namespace {

std::string badCellText(GridCell cell, std::string_view advice)
{
    return "气象表 " + conditionCellLabel(cell) + " 数据有误," + std::string(advice);
}

/// The float a grid text stands for, or nothing when it is no number or too large for a float.
std::optional<float> singlePrecisionValue(const std::string &text)
{
    double value = 0;
    try {
        value = engine::toNumber(text);
    } catch (const engine::ConversionError &) {
        return std::nullopt;
    }
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(value);
}

std::size_t markingIndex(int index)
{
    if (index < 0 || index >= kMarkingTemperatureCount)
        throw std::out_of_range("marking temperature outside 0..8");
    return static_cast<std::size_t>(index);
}

} // namespace

OptionsModel::OptionsModel(std::filesystem::path optionsFile)
    : mOptionsFile(std::move(optionsFile)), mSnapshot(initialOptionsSnapshot())
{
    restoreBuiltInSettings();
}

std::string OptionsModel::startUp()
{
    std::string text;
    try {
        text = common::readDataFile(mOptionsFile, maxOptionsFileSize);
    } catch (const common::DataFileTooLarge &error) {
        return error.what();
    } catch (const common::DataFileError &) {
        // As at every first start: no file, no message.
        return {};
    }
    OptionsSnapshot read = mSnapshot;
    const bool complete = scanOptionsText(text, read);
    if (complete) {
        mSnapshot = read;
        showOptions();
    }
    const std::optional<common::DataFileFault> fault = optionsTextFault(text);
    if (!fault)
        return {};
    if (!complete) {
        // Cut short: the numbers it holds go over what the dialog shows.
        storeOptions();
        scanOptionsText(text, mSnapshot);
        showOptions();
    }
    return common::faultMessage(mOptionsFile, *fault);
}

void OptionsModel::loadNamedOptionsFile()
{
    readNamedOptionsFile(mOptionsFile, mSnapshot);
    showOptions();
}

void OptionsModel::setConditionText(GridCell cell, std::string text)
{
    mConditions.setCell(cell, std::move(text));
}

void OptionsModel::selectCell(GridCell cell)
{
    if (!isDataCell(cell))
        throw std::out_of_range("only data cells of the condition grid can be selected");
    mSelectedCell = cell;
}

bool OptionsModel::checkConditionGrid(common::Messenger &messenger)
{
    bool allNumbers = true;
    for (int row = 1; row <= kConditionCount; ++row) {
        for (const int column : {temperatureColumn, windSpeedColumn}) {
            const GridCell cell{column, row};
            if (engine::isDecimalNumber(mConditions.cell(cell), true))
                continue;
            allNumbers = false;
            messenger.show({badCellText(cell, "请检查"), common::syntaxCheckCaption,
                            common::MessageIcon::Error, common::MessageButtons::Ok});
            mSelectedCell = cell;
        }
    }
    return allNumbers;
}

void OptionsModel::chooseZone(int index)
{
    if (index < 0 || index >= typicalZoneCount)
        return;
    mZoneIndex = index;
    mIceIndex = applyTypicalZone(typicalZoneTable()[static_cast<std::size_t>(index)], mConditions);
}

void OptionsModel::setIceIndex(int index)
{
    if (index < 0 || index >= kIceIndexCount)
        throw std::out_of_range("ice index outside 0..4");
    mIceIndex = index;
}

const std::string &OptionsModel::markingTemperatureText(int index) const
{
    return mMarkingTemperatures[markingIndex(index)];
}

void OptionsModel::setMarkingTemperatureText(int index, std::string_view text)
{
    const std::size_t i = markingIndex(index);
    mMarkingTemperatures[i] = normalisedMarkingTemperature(text, markingTemperatureDefaults[i]);
}

bool OptionsModel::restoreDefaults(common::Messenger &messenger)
{
    const common::MessageAnswer answer = messenger.show(
        {"恢复到程序初始设置状态,是否确定?", common::optionsCaption,
         common::MessageIcon::Question, common::MessageButtons::OkCancel});
    if (answer != common::MessageAnswer::Ok)
        return false;
    restoreBuiltInSettings();
    return true;
}

SaveOutcome OptionsModel::saveOptionsFile(common::Messenger &messenger)
{
    if (const auto badCell = storeOptions()) {
        mSelectedCell = *badCell;
        messenger.show({badCellText(*badCell, "选项未保存,请检查"), common::optionsCaption,
                        common::MessageIcon::Error, common::MessageButtons::Ok});
        return SaveOutcome::BadCell;
    }
    try {
        writeOptionsFile(mOptionsFile, mSnapshot);
    } catch (const common::FileWriteError &error) {
        messenger.show({"选项设置未能保存到文件 " + mOptionsFile.filename().string() + ":" + error.reason()
                            + ",本次运行仍按当前设置计算.",
                        common::optionsCaption, common::MessageIcon::Warning, common::MessageButtons::Ok});
        return SaveOutcome::WriteFailed;
    }
    return SaveOutcome::Saved;
}

std::optional<GridCell> OptionsModel::storeOptions()
{
    OptionsSnapshot stored = mSnapshot;
    for (int row = 1; row <= kConditionCount; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        for (const int column : {temperatureColumn, windSpeedColumn}) {
            const GridCell cell{column, row};
            const auto value = singlePrecisionValue(mConditions.cell(cell));
            if (!value)
                return cell;
            (column == temperatureColumn ? stored.conditionTemperature
                                          : stored.conditionWindSpeed)[i] = *value;
        }
    }
    stored.iceThickness = static_cast<float>(iceThickness_mm());
    for (std::size_t i = 0; i < mMarkingTemperatures.size(); ++i) {
        stored.markingTemperature[i] = static_cast<float>(
            parseWholeNumber(mMarkingTemperatures[i]).value_or(markingTemperatureDefaults[i]));
    }
    for (int box = 0; box < markingStateCount; ++box)
        stored.markingState[static_cast<std::size_t>(box)] = mMarkingStates.isTicked(box) ? 1.0f : 0.0f;
    mSnapshot = stored;
    return std::nullopt;
}

void OptionsModel::showOptions()
{
    for (int row = 1; row <= kConditionCount; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        mConditions.setCell({temperatureColumn, row},
                            engine::formatGeneral(mSnapshot.conditionTemperature[i]));
        mConditions.setCell({windSpeedColumn, row},
                            engine::formatGeneral(mSnapshot.conditionWindSpeed[i]));
    }

    const double iceSteps = mSnapshot.iceThickness * 0.2;
    if (iceSteps >= 0 && iceSteps < kIceIndexCount)
        mIceIndex = static_cast<int>(iceSteps);

    for (int i = 0; i < kMarkingTemperatureCount; ++i) {
        setMarkingTemperatureText(
            i, engine::formatGeneral(mSnapshot.markingTemperature[static_cast<std::size_t>(i)]));
    }
    for (const int box : markingStateShowOrder)
        mMarkingStates.setTicked(box, mSnapshot.markingState[static_cast<std::size_t>(box)] == 1.0f);
}

bool OptionsModel::loadOptionsFile()
{
    return readOptionsFile(mOptionsFile, mSnapshot);
}

void OptionsModel::restoreBuiltInSettings()
{
    mConditions.restoreDefaults();
    mIceIndex = defaultIceIndex;
    for (std::size_t i = 0; i < mMarkingTemperatures.size(); ++i)
        mMarkingTemperatures[i] = std::to_string(markingTemperatureDefaults[i]);
    mMarkingStates.restoreDefaults();
}

} // namespace options
