#pragma once

#include "cli/commandline.h"
#include "engine/calculationinput.h"
#include "engine/calculationresult.h"
#include "report/reportbuilder.h"

#include <optional>

#include <ostream>

namespace cli {

/**
 * Builds the 17 report pages, with page 18 when \a designCheck is given, and
 * writes every report output the command asks for (PDF, WMF and EMF sets,
 * SVG and PNG folders, the texts list).
 * Needs a QGuiApplication. Failures are described on \a errors.
 *
 * @return true when every output was written
 */
bool writeReportOutputs(const CommandLine &command, const engine::CalculationInput &input,
                        const engine::CalculationResult &result,
                        const std::optional<report::DesignCheckPage> &designCheck, std::ostream &errors);

} // namespace cli
