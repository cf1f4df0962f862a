#pragma once

#include "app/model/designchecksettings.h"
#include "cli/jsonwriting.h"
#include "engine/designchecks.h"
#include "engine/governingstates.h"

namespace cli {

/**
 * The design check as JSON: per state the tensions and pulls in N, the
 * three factors (null where not checked), the required factors and the
 * verdict (null where nothing was checked); the smallest factors with their
 * states, the overall verdict and the strengths and factors used, each
 * strength with its source (\a sources).
 */
Json designChecksToJson(const engine::DesignChecks &checks, const engine::DesignCheckSettings &settings,
                        const app::StrengthSources &sources);

/**
 * The governing figures as JSON: the largest H, sag and string pulls with
 * their states, the maintenance states that sag below the control sag, the
 * smallest factors (null where not checked) and the verdict.
 */
Json governingToJson(const engine::GoverningStates &governing);

} // namespace cli
