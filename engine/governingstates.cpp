#include "engine/governingstates.h"

#include "engine/stateequation.h"

namespace engine {

namespace {

void keepLargest(GoverningValue &governing, float value, int state)
{
    if (state == 0 || value > governing.value)
        governing = {value, state};
}

/// The largest sag of \a state: its own column, or the warmest of the nine
/// stringing temperatures for installation and marking.
GoverningSag largestSagOf(const CalculationResult &result, int state)
{
    const bool stringing = state == installation || state == marking;
    const int first = state == installation ? installationColumn : state == marking ? markingColumn : state;
    const int count = stringing ? markingTemperatureCount : 1;
    int largest = first;
    for (int c = first + 1; c < first + count; ++c)
        if (result.stateEquation[c][rowF] > result.stateEquation[largest][rowF])
            largest = c;
    return {result.stateEquation[largest][rowF], state, largest, result.stateEquation[largest][rowThetaM]};
}

} // namespace

GoverningStates governingStates(const CalculationResult &result, const DesignChecks &checks)
{
    GoverningStates governing;
    governing.controlSag = result.span.controlSag;
    for (int s = 0; s < loadStateCount; ++s) {
        keepLargest(governing.largestTension, result.structureLoads.onA[s].horizontal, s);
        const GoverningSag sag = largestSagOf(result, s);
        if (s == 0 || sag.sag > governing.largestSag.sag)
            governing.largestSag = sag;
        if (isMaintenanceState(s) && sag.sag > governing.controlSag)
            governing.maintenanceAboveControl.push_back(s);
        keepLargest(governing.largestLoadA, float(checks.states[s].stringPullA * 0.001), s);
        keepLargest(governing.largestLoadB, float(checks.states[s].stringPullB * 0.001), s);
    }
    governing.conductorFactor = checks.conductor;
    governing.stringFactor = checks.string;
    governing.pass = checks.pass;
    governing.verdict = verdictText(checks.pass, checks.unchecked);
    return governing;
}

} // namespace engine
