#include "engine/shortcircuitstatictension.h"

#include "engine/beamanalysis.h"
#include "engine/conductorloads.h"
#include "engine/numberformatting.h"
#include "engine/stateequation.h"

namespace engine {

StateResult windlessLoads(const SpanData &span, int state)
{
    SpanData still = span;
    still.windSpeed[state] = 0;
    StateResult loads;
    computeStateLoads(still, state, loads);
    BeamAnalysis(still).analyse(loads, state);
    return loads;
}

double staticTension(const SpanData &span, const CalculationResult &result, int state)
{
    const StateEquationColumn column =
        solveStateColumn(span, result, windlessLoads(span, state), span.temperature[state]);
    return shortestDouble(column[rowH]) * span.bundleCount;
}

} // namespace engine
