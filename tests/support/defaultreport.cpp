#include "support/defaultreport.h"

#include "support/spanfixture.h"

#include "report/reportbuilder.h"

namespace testing_span {

const std::vector<report::ReportPage> &defaultReport(bool resultsInBlack)
{
    if (resultsInBlack) {
        static const std::vector<report::ReportPage> black = report::buildReport(defaultSpan(), defaultResult(), true);
        return black;
    }
    static const std::vector<report::ReportPage> teal = report::buildReport(defaultSpan(), defaultResult(), false);
    return teal;
}

} // namespace testing_span
