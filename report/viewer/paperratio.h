#pragma once

#include <cstdint>

namespace report {

/*
 * The report page's proportions, the A4 sheet's 297 : 210, written as the
 * ratios 1.414 and 0.707. Sizes are scaled in integers so that the
 * truncation is exact: a width of 1000 gives 707, where a binary 0.707
 * might give 706.
 */

/// Width of a page picture \a height high, truncated; any int without overflow.
constexpr int paperWidthForHeight(int height)
{
    return static_cast<int>(static_cast<std::int64_t>(height) * 1414 / 1000);
}

/// Height of a page picture \a width wide, truncated; any int without overflow.
constexpr int paperHeightForWidth(int width)
{
    return static_cast<int>(static_cast<std::int64_t>(width) * 707 / 1000);
}

} // namespace report
