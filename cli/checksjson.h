#pragma once

#include "engine/designchecks.h"

#include <nlohmann/json.hpp>

namespace cli {

/**
 * The design check as JSON: per state the tensions and pulls in N, the
 * three factors (null where not checked), the required factors and the
 * verdict (null where nothing was checked); the smallest factors with their
 * states, the overall verdict and the strengths and factors used.
 */
nlohmann::ordered_json designChecksToJson(const engine::DesignChecks &checks,
                                          const engine::DesignCheckSettings &settings);

} // namespace cli
