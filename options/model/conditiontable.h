#pragma once

#include <array>
#include <string>

namespace options {

/// The nine design conditions; also the data rows 1..9 of the grid.
inline constexpr int kConditionCount = 9;
inline constexpr int conditionColumns = 3;
inline constexpr int conditionRows = kConditionCount + 1;

/// Grid columns: the fixed name column and the two data columns.
inline constexpr int nameColumn = 0;
inline constexpr int temperatureColumn = 1;
inline constexpr int windSpeedColumn = 2;

/// A cell of the condition grid; column 0..2, row 0..9 (row 0 is the header).
struct GridCell
{
    int column = temperatureColumn;
    int row = 1;

    bool operator==(const GridCell &) const = default;
};

/// What a data cell holds, for messages: "最低温度 计算风速(m/s)".
std::string conditionCellLabel(GridCell cell);

/**
 * The condition grid `SGrid_qx` as texts: a header row, a column of the
 * condition names, and per condition the conductor temperature (degC) and
 * the calculation wind speed (m/s). The data cells hold whatever the user
 * typed; they are converted only when stored or calculated.
 */
class ConditionTable
{
public:
    /// A table with the built-in texts.
    ConditionTable();

    /// The text of a cell. @throws std::out_of_range outside the 3 x 10 grid
    const std::string &cell(GridCell cell) const;

    /**
     * Sets a data cell (column 1 or 2, row 1..9).
     * @throws std::out_of_range for the header row, the name column or outside the grid
     */
    void setCell(GridCell cell, std::string text);

    /// Puts the built-in texts into all 30 cells.
    void restoreDefaults();

private:
    std::array<std::array<std::string, conditionColumns>, conditionRows> mCells;
};

/// Whether \a cell is one of the 18 editable data cells.
bool isDataCell(GridCell cell);

} // namespace options
