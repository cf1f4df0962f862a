#pragma once

#include <array>
#include <string_view>

namespace app {

/**
 * The load table of the main window: 7 columns by 10 rows of texts. Column 0
 * holds the row labels, columns 1..6 the loads PA, P1, P2, P3, P4, PB; row 0
 * holds the column headers, rows 1..9 the nine fields of a load.
 */
namespace loadtable {

inline constexpr int columnCount = 7;
inline constexpr int rowCount = 10;
inline constexpr int firstLoadColumn = 1;
inline constexpr int lastLoadColumn = 6;

/// The data rows, one field of a load each.
enum Row {
    headerRow = 0,
    conductorTypeRow = 1,    ///< type name, from the conductor list
    unitWeightRow = 2,       ///< kg/m of one sub-conductor
    diameterRow = 3,         ///< mm
    bundleCountRow = 4,
    subSpanRow = 5,          ///< spacer interval, m
    spacerWeightRow = 6,     ///< kg
    lengthRow = 7,           ///< conductor length of the jumper or lead, m
    fittingWeightRow = 8,    ///< kg
    relativeDistanceRow = 9, ///< m; leads only, the jumpers show "此处不填"
};

/// True for the two jumper columns (PA, PB), whose row 9 is not an input.
constexpr bool isJumperColumn(int column)
{
    return column == firstLoadColumn || column == lastLoadColumn;
}

/// Index of cell (\a column, \a row) in a table of texts stored row by row.
constexpr int cellIndex(int column, int row) { return row * columnCount + column; }

/// What row 9 of the jumper columns shows: there is nothing to fill in.
inline constexpr std::string_view notToBeFilled = "此处不填";

/// Rows 4..8 of a load whose presence box becomes ticked: one sub-conductor,
/// spacer interval 2 m, spacer 2.5 kg, length 5 m, fittings 10 kg.
inline constexpr std::array<std::string_view, 5> presentLoadDefaults{"1", "2", "2.5", "5", "10"};

/// Header of each load column (index = column) when its box is ticked.
inline constexpr std::array<std::string_view, columnCount> presentHeaders{
    "项目", "有左跳线PA", "有引下线P1", "有引下线P2", "有引下线P3", "有引下线P4", "有右跳线PB"};

/// Header of each load column (index = column) when its box is cleared.
inline constexpr std::array<std::string_view, columnCount> absentHeaders{
    "项目", "无左跳线PA", "无引下线P1", "无引下线P2", "无引下线P3", "无引下线P4", "无右跳线PB"};

} // namespace loadtable

/**
 * The grid's initial texts, cell (c, r) at index r * 7 + c: PA, P1 and PB
 * present with a single "NAHLGJQ-1440" conductor, P2..P4 absent and empty.
 */
inline constexpr std::array<std::string_view, loadtable::columnCount * loadtable::rowCount>
    LoadTableDefaults{
        "项目", "有左跳线PA", "有引下线P1", "无引下线P2", "无引下线P3", "无引下线P4", "有右跳线PB",
        "导线型号", "NAHLGJQ-1440", "NAHLGJQ-1440", "", "", "", "NAHLGJQ-1440",
        "单根自重(kg/m)", "4.942", "4.942", "", "", "", "4.942",
        "导线外径(mm)", "51.36", "51.36", "", "", "", "51.36",
        "分裂根数", "1", "1", "", "", "", "1",
        "次档距(m)", "2", "2", "", "", "", "2",
        "间隔棒重(kg)", "2.5", "2.5", "", "", "", "2.5",
        "导线长度(m)", "5", "8", "", "", "", "5",
        "金具重(kg)", "10", "8", "", "", "", "10",
        "相对距离(m)  L1 - L4", "此处不填", "6", "", "", "", "此处不填",
    };

} // namespace app
