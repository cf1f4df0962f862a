#pragma once

#include "engine/calculationinput.h"
#include "engine/calculationresult.h"

namespace testing_span {

/// The program's default span, slot by slot as the windows hand it over: a
/// 36 m span at 220 kV with a twin NAHLGJQ-1440 bundle, strings of 2965 mm,
/// jumpers PA and PB and one drop-down lead P1 at 6 m.
engine::CalculationInput defaultSpan();

/// The calculation of defaultSpan(), run once for all the tests of an executable.
const engine::CalculationResult &defaultResult();

/// Clears concentrated load \a lead as an unticked column does: its header
/// text and "0" in every other slot.
void removeLead(engine::CalculationInput &input, int lead);

/// A drop-down lead of one sub-conductor with \a length m of conductor, \a
/// fittings kgf and \a relativeDistance m from the previous lead (from A for P1).
void setLead(engine::CalculationInput &input, int lead, const char *length, const char *fittings,
             const char *relativeDistance);

/// A level span of \a spanLength m with equal strings and no concentrated load.
engine::CalculationInput symmetricSpanWithoutLeads(const char *spanLength);

} // namespace testing_span
