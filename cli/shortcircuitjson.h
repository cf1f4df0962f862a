#pragma once

#include "cli/jsonwriting.h"
#include "engine/shortcircuitspan.h"

namespace cli {

/**
 * The short-circuit forces and the thermal withstand as JSON (section
 * `shortCircuit` of cli/resultjson.md): per temperature every step of the
 * method with the inputs it took, the drop force and the pinch force null
 * where they do not arise, the design load of the span, the thermal
 * withstand and the warnings of the method's range. Double precision.
 */
Json shortCircuitToJson(const engine::ShortCircuitResult &shortCircuit);

} // namespace cli
