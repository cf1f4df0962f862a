#pragma once

#include "engine/calculationresult.h"

#include <nlohmann/json.hpp>

namespace cli {

/**
 * The whole result record as JSON. Keys name the quantity and, where it has
 * one, its unit (`reactionA_kgf`, `tension_kN`); loads of the span are those
 * of one sub-conductor unless the key says `Phase` or `whole`. Numbers are
 * the single-precision values the report prints, written in their shortest
 * exact form.
 */
nlohmann::ordered_json resultToJson(const engine::CalculationResult &result);

} // namespace cli
