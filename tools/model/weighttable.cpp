#include "tools/model/weighttable.h"

#include "engine/calculationerror.h"
#include "engine/numberconversion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

namespace tools {

namespace {

bool isDigitOrPoint(char c)
{
    return (c >= '0' && c <= '9') || c == '.';
}

} // namespace

float boundValue(std::string_view text)
{
    // The last character is left out so that a diameter written with one
    // trailing blank still reads as a number.
    if (text.empty() || !std::all_of(text.begin(), text.end() - 1, isDigitOrPoint))
        return 0;
    double value = 0;
    try {
        value = engine::toNumber(text);
    } catch (const engine::ConversionError &) {
        return 0;
    }
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        return 0;
    return static_cast<float>(value);
}

WeightTable::WeightTable(const WeightTableLayout &layout, std::vector<WeightTableRow> rows)
    : mLayout(layout), mRows(std::move(rows)), mMatched(mRows.size(), false)
{
}

std::size_t WeightTable::checkedIndex(int index) const
{
    if (index < 0 || index >= rowCount())
        throw std::out_of_range("weight table row outside the table");
    return static_cast<std::size_t>(index);
}

const WeightTableRow &WeightTable::row(int index) const
{
    return mRows[checkedIndex(index)];
}

bool WeightTable::isMatched(int index) const
{
    return mMatched[checkedIndex(index)];
}

void WeightTable::selectRow(int index)
{
    mSelectedRow = static_cast<int>(checkedIndex(index));
}

void WeightTable::markMatches(std::string_view designation, float diameter_mm)
{
    // A designation bound has the value 0; a diameter of 0 would fall into
    // every such row's range and mark whole families. Likewise an empty
    // designation must not meet a bound that is not filled in.
    const bool hasDiameter = diameter_mm > 0;
    for (std::size_t i = 0; i < mRows.size(); ++i) {
        const WeightTableRow &row = mRows[i];
        const bool byName = !designation.empty() && (row[lowerBoundColumn] == designation
            || (mLayout.upperBoundMatchesDesignation && row[upperBoundColumn] == designation));
        const bool bySize = hasDiameter && boundValue(row[lowerBoundColumn]) <= diameter_mm
            && diameter_mm <= boundValue(row[upperBoundColumn]);
        mMatched[i] = byName || bySize;
        if (mMatched[i])
            mSelectedRow = static_cast<int>(i);
    }
}

std::optional<std::string> WeightTable::selectedWeight() const
{
    if (mRows.empty())
        return std::nullopt;
    const std::string_view weight = mRows[static_cast<std::size_t>(mSelectedRow)][weightColumn];
    if (weight.find_first_not_of(' ') == std::string_view::npos)
        return std::nullopt;
    return std::string(weight);
}

} // namespace tools
