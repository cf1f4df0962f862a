#include "engine/endverticalload.h"

#include "engine/stateequation.h"
#include "engine/units.h"

#include <cmath>

namespace engine {

double slopeComponent(const SpanData &span, double horizontal_N, StructureEnd end)
{
    requireDivisor(span.spanLength, "跨距为0,无法计算高差引起的垂直分力.");
    const double tanGamma = std::fabs(double(span.heightDifference)) / span.spanLength;
    const StructureEnd higher = span.structureBHigher ? StructureEnd::B : StructureEnd::A;
    return (end == higher ? 1.0 : -1.0) * horizontal_N * tanGamma;
}

double verticalLoadAtEnd(const CalculationResult &result, int state, StructureEnd end)
{
    const StateResult &loads = result.states[state];
    const double reaction_kgf = end == StructureEnd::A ? loads.reactionA : loads.reactionB;
    return newtonPerKgf * reaction_kgf + slopeComponent(result.span, governingTension(result, state), end);
}

} // namespace engine
