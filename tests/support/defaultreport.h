#pragma once

#include "report/reportpage.h"

#include <vector>

namespace testing_span {

/**
 * The 17 report pages of the default span (defaultSpan(), defaultResult()),
 * as the calculate command builds them, with the results in teal or, with
 * \a resultsInBlack, in black; built once for all the tests of an executable.
 */
const std::vector<report::ReportPage> &defaultReport(bool resultsInBlack = false);

} // namespace testing_span
