#pragma once

#include "cli/commandline.h"
#include "report/reportpage.h"

#include <ostream>
#include <vector>

namespace cli {

/**
 * Writes every report output the command asks for (PDF, WMF and EMF sets,
 * SVG and PNG folders, the texts list) of the report \a pages. Needs a
 * QGuiApplication. Failures are described on \a errors.
 *
 * @return true when every output was written
 */
bool writeReportOutputs(const CommandLine &command, const std::vector<report::ReportPage> &pages,
                        std::ostream &errors);

} // namespace cli
