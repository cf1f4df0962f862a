#pragma once

#include "cli/commandline.h"
#include "options/model/designcheckoptions.h"

#include <optional>
#include <ostream>

namespace cli {

/**
 * The strengths and factors of the design check as typed: those of the
 * settings file the command names (the JSON form the options page stores),
 * else \a stored (a span file's, or the defaults, whose blank strengths come
 * from the catalogue and the designations).
 * @return nothing when the file cannot be read or holds a bad value; the
 *         reason, naming the file, went to \a errors
 */
std::optional<options::DesignCheckOptions> loadDesignCheckOptions(const CommandLine &command,
                                                                const options::DesignCheckOptions &stored,
                                                                std::ostream &errors);

} // namespace cli
