#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

/// Columns of a weight table.
enum WeightTableColumn {
    kModelColumn,        ///< model designation (the fixed column)
    lowerBoundColumn,   ///< smallest conductor: a diameter in mm or a designation
    upperBoundColumn,   ///< largest conductor: a diameter in mm or a designation
    weightColumn,       ///< weight of one item, kg, as text
    sourceColumn,       ///< catalogue the row comes from: "LN样本" or "NJ样本"
    weightTableColumnCount
};

/// One catalogue item; the texts are shown and compared as they stand.
using WeightTableRow = std::array<std::string_view, weightTableColumnCount>;

/// What tells the two lookup dialogs apart.
struct WeightTableLayout
{
    std::string_view caption;
    std::array<std::string_view, weightTableColumnCount> headers;
    std::array<int, weightTableColumnCount> columnWidths;  ///< pixels
    /// Whether a designation equal to the upper bound's text also matches.
    bool upperBoundMatchesDesignation;
};

/**
 * Sentinel diameter for a caller without a valid conductor diameter, mm:
 * above every bound of both tables, so only designations match.
 */
inline constexpr float noDiameter = 9999.0f;

/**
 * The value of a bound text: when every character but the last is a digit
 * or a point, the text as a decimal number (blanks around it allowed), so
 * "14.50 " counts as 14.5; otherwise, and for a text that still does not
 * convert or does not fit a float, 0.
 */
float boundValue(std::string_view text);

/**
 * A lookup table of fitting or spacer weights: the rows of a catalogue, a
 * matched flag per row for highlighting and the selected row. The rows never
 * change; flags and selection last until the next markMatches().
 */
class WeightTable
{
public:
    WeightTable(const WeightTableLayout &layout, std::vector<WeightTableRow> rows);

    const WeightTableLayout &layout() const { return mLayout; }
    int rowCount() const { return static_cast<int>(mRows.size()); }

    /// Data row \a index (0 is the first row under the header). @throws std::out_of_range
    const WeightTableRow &row(int index) const;
    bool isMatched(int index) const;

    /// The selected data row; the first one until something selects another.
    int selectedRow() const { return mSelectedRow; }

    /// The user moved the selection. @throws std::out_of_range
    void selectRow(int index);

    /**
     * Marks the rows that fit a conductor and selects the last of them: a
     * row fits when its lower bound's text equals \a designation (or its
     * upper bound's text, where the layout says so) or when
     * lower <= \a diameter_mm <= upper by boundValue(). Text comparison is
     * exact. A diameter that is not positive (or not a number) takes part
     * in no range, so a missing diameter never marks the designation rows.
     * When no row fits, the selection stays where it was.
     *
     * @param designation conductor designation, trimmed by the caller
     * @param diameter_mm conductor diameter, mm, or noDiameter
     */
    void markMatches(std::string_view designation, float diameter_mm);

    /**
     * The weight text of the selected row as it stands (the caller trims),
     * or nothing when the row gives no weight.
     */
    std::optional<std::string> selectedWeight() const;

private:
    std::size_t checkedIndex(int index) const;

    WeightTableLayout mLayout;
    std::vector<WeightTableRow> mRows;
    std::vector<bool> mMatched;
    int mSelectedRow = 0;
};

} // namespace tools
