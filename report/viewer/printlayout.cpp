#include "report/viewer/printlayout.h"

#include "report/viewer/paperratio.h"

namespace report {

std::optional<PrintArea> reportPrintArea(int printableWidth, int printableHeight)
{
    if (printableWidth <= 0 || printableHeight <= 0)
        return std::nullopt;
    // The ratio is formed in single precision, as it always was.
    const float ratio = static_cast<float>(printableWidth) / static_cast<float>(printableHeight);
    if (ratio > 1.414)
        return PrintArea{paperWidthForHeight(printableHeight), printableHeight};
    return PrintArea{printableWidth, paperHeightForWidth(printableWidth)};
}

bool paperOrientationLooksWrong(int printableWidth, int printableHeight, bool printerLandscape)
{
    return printableWidth < printableHeight && printerLandscape;
}

} // namespace report
