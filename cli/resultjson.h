#pragma once

#include "cli/jsonwriting.h"
#include "engine/calculationinput.h"
#include "engine/calculationresult.h"

#include <array>

namespace cli {

/// Name and version of the result file's format. The version goes up
/// whenever a key is renamed or changes its meaning; cli/resultjson.md lists
/// the keys.
constexpr const char *resultFormatName = "tenrix-result";
constexpr int resultFormatVersion = 2;

/// Whether each of PA, P1..P4, PB is ticked in the load table.
using LeadTicks = std::array<bool, engine::leadCount>;

/**
 * The whole result record of \a input as JSON, with the span's name and
 * designations as typed and \a ticked as the leads' "present". Keys name
 * the quantity, whether it belongs to one sub-conductor (`Sub`) or the whole
 * phase (`Phase`) when it differs between them, and its unit
 * (`reactionASub_kgf`, `tensionPhase_kN`). Numbers are the single-precision
 * values the report prints, written in their shortest exact form.
 */
Json resultToJson(const engine::CalculationInput &input, const engine::CalculationResult &result,
                  const LeadTicks &ticked);

} // namespace cli
