#pragma once

#include "cli/jsonwriting.h"
#include "engine/clearances.h"

namespace cli {

/**
 * The swing under wind and the air distances as JSON (section `clearances`
 * of cli/resultjson.md): the settings as used, the swing of every design
 * state with wind, and one entry per condition and kind of distance, null
 * where not checked. Metres and degrees, double precision.
 */
Json clearancesToJson(const engine::ClearanceResult &clearances);

} // namespace cli
