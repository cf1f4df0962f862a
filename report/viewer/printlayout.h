#pragma once

#include <optional>

namespace report {

/// Printer units of the printable page; the page is drawn from its top-left corner (0, 0).
struct PrintArea
{
    int width = 0;
    int height = 0;

    bool operator==(const PrintArea &) const = default;
};

/**
 * Where a report page lands on the printable page of \a printableWidth x
 * \a printableHeight printer units: at the top-left corner, as large as
 * the page ratio 1.414 allows. A page wider than that ratio is filled in
 * height (6814 x 4760 gives 6730 x 4760); any other is filled in width
 * (4760 x 6814 gives 4760 x 3365, at the top of the sheet).
 *
 * @return nothing when the printable page has no area (a width or height
 *         of 0 or less), so that nothing is printed
 */
std::optional<PrintArea> reportPrintArea(int printableWidth, int printableHeight);

/**
 * Whether to ask for another paper orientation before printing: the
 * printable page is upright although the printer says it prints landscape.
 */
bool paperOrientationLooksWrong(int printableWidth, int printableHeight, bool printerLandscape);

} // namespace report
