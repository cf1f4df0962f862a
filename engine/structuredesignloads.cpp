#include "engine/structuredesignloads.h"

#include "engine/endverticalload.h"
#include "engine/stateequation.h"
#include "engine/structureloads.h"
#include "engine/units.h"

#include <cmath>

namespace engine {

namespace {

using Column = float PhaseLoadOnStructure::*;

int largestState(const std::array<PhaseLoadOnStructure, loadStateCount> &loads, Column column)
{
    int governing = 0;
    for (int s = 1; s < loadStateCount; ++s)
        if (std::fabs(loads[s].*column) > std::fabs(loads[governing].*column))
            governing = s;
    return governing;
}

GoverningLoadStates governingStates(const std::array<PhaseLoadOnStructure, loadStateCount> &loads)
{
    return {largestState(loads, &PhaseLoadOnStructure::horizontal),
            largestState(loads, &PhaseLoadOnStructure::vertical),
            largestState(loads, &PhaseLoadOnStructure::lateral)};
}

} // namespace

StructureDesignLoads structureDesignLoads(const CalculationResult &result, const std::array<float, 4> &leadPositions)
{
    const SpanData &span = result.span;
    const double N = span.bundleCount;
    const auto phase_kN = [N](double perSub_N, const char *what) { return storeFloat(perSub_N * N * 0.001, what); };
    StructureDesignLoads loads;
    for (int s = 0; s < loadStateCount; ++s) {
        const float H = phase_kN(governingTension(result, s), "水平张力");
        const LateralForces wind = lateralWindForces(span, result.states[s], leadPositions);
        loads.onA[s] = {H, phase_kN(verticalLoadAtEnd(result, s, StructureEnd::A), "A构架垂直荷载"),
                        storeFloat(kiloNewtons(wind.onA), "侧向风压力PfA")};
        loads.onB[s] = {H, phase_kN(verticalLoadAtEnd(result, s, StructureEnd::B), "B构架垂直荷载"),
                        storeFloat(kiloNewtons(wind.onB), "侧向风压力PfB")};
    }
    loads.governingA = governingStates(loads.onA);
    loads.governingB = governingStates(loads.onB);
    return loads;
}

} // namespace engine
