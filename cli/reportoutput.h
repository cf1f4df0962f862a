#pragma once

#include "cli/commandline.h"
#include "cli/commandoutputs.h"
#include "report/reportpage.h"

#include <string>
#include <vector>

namespace cli {

/**
 * Stages every report output the command asks for (PDF, WMF and EMF sets,
 * SVG and PNG folders, the texts list) of the report \a pages of the span
 * named \a spanName among \a outputs. Needs a QGuiApplication.
 */
void stageReportOutputs(const CommandLine &command, const std::vector<report::ReportPage> &pages,
                        const std::string &spanName, CommandOutputs &outputs);

} // namespace cli
