#pragma once

#include "cli/commandline.h"
#include "engine/calculationinput.h"
#include "engine/designchecks.h"

#include <optional>
#include <ostream>

namespace cli {

/**
 * The strengths and factors of the design check of \a input: those of the
 * settings file the command names (the JSON form the options page stores),
 * else the defaults; blank strengths come from the catalogue and the
 * designations.
 * @return nothing when the file cannot be read or holds a bad value; the
 *         reason, naming the file, went to \a errors
 */
std::optional<engine::DesignCheckSettings> loadDesignCheckSettings(const CommandLine &command,
                                                                   const engine::CalculationInput &input,
                                                                   std::ostream &errors);

} // namespace cli
