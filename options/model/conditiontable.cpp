#include "options/model/conditiontable.h"

#include "engine/calculationinput.h"
#include "engine/inputfields.h"

#include <stdexcept>
#include <utility>

namespace options {

namespace {

struct ConditionDefaults
{
    const char *name;
    const char *temperature;
    const char *windSpeed;
};

constexpr std::array<ConditionDefaults, conditionRows> builtInTexts = {{
    {"工况", "导线温度(℃)", "计算风速(m/s)"},
    {"最高温度", "70", "0"},
    {"最低温度", "-40", "10"},
    {"检修高温", "40", "10"},
    {"检修低温", "-10", "10"},
    {"最大风速", "10", "30"},
    {"最大覆冰", "-5", "10"},
    {"雷电电压", "15", "10"},
    {"操作电压", "25", "15"},
    {"工频电压", "25", "10"},
}};

bool isInGrid(GridCell cell)
{
    return cell.column >= 0 && cell.column < conditionColumns
        && cell.row >= 0 && cell.row < conditionRows;
}

} // namespace

bool isDataCell(GridCell cell)
{
    return isInGrid(cell) && cell.column != nameColumn && cell.row != 0;
}

ConditionTable::ConditionTable()
{
    restoreDefaults();
}

const std::string &ConditionTable::cell(GridCell cell) const
{
    if (!isInGrid(cell))
        throw std::out_of_range("condition grid cell outside the grid");
    return mCells[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)];
}

void ConditionTable::setCell(GridCell cell, std::string text)
{
    if (!isDataCell(cell))
        throw std::out_of_range("condition grid cell is not a data cell");
    mCells[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)] = std::move(text);
}

void ConditionTable::restoreDefaults()
{
    for (std::size_t row = 0; row < builtInTexts.size(); ++row) {
        mCells[row] = {builtInTexts[row].name, builtInTexts[row].temperature,
                       builtInTexts[row].windSpeed};
    }
}

std::string conditionCellLabel(GridCell cell)
{
    const int firstSlot =
        cell.column == temperatureColumn ? engine::slot::conditionTemperature : engine::slot::conditionWindSpeed;
    return engine::fieldLabel(firstSlot + cell.row - 1);
}

} // namespace options
