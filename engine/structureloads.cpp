#include "engine/structureloads.h"

#include "engine/beamanalysis.h"
#include "engine/units.h"

namespace engine {

namespace {

constexpr double g = newtonPerKgf;
constexpr double beamBaseLoad = beamBaseLoad_kgf;
// T·sin α with the stringing tension T = 1.2·H and α = 45°.
constexpr double tensionFactor = 0.8485281372;
static_assert(stringingTensionFactor == 1.2 && stringingPullAngle_deg == 45);

} // namespace

LateralForces lateralWindForces(const SpanData &span, const StateResult &state,
                                const std::array<float, 4> &leadPositions)
{
    const double L = span.spanLength;
    const double lA = span.stringAProjection;
    const double lB = span.stringBProjection;
    const double Lc = span.conductorSpan();
    const double WA = state.stringAWind;
    const double WB = state.stringBWind;
    const double Wc = state.conductorWind;
    std::array<double, leadCount> w{};
    for (int k = 0; k < leadCount; ++k)
        w[k] = double(state.leadWind[k]) * span.leads[k].length;

    LateralForces forces;
    forces.onA = (L - lA / 2) * WA / L + (lB / 2) * WB / L + Wc * Lc * (Lc / 2 + lB) / L + (L - lA) * w[leadPA] / L
                 + w[leadPB] * lB / L;
    forces.onB = (lA / 2) * WA / L + (L - lB / 2) * WB / L + Wc * Lc * (Lc / 2 + lA) / L + w[leadPA] * lA / L
                 + (L - lB) * w[leadPB] / L;
    for (int i = 0; i < 4; ++i) {
        const double x = leadPositions[i];
        if (x > 0) {
            forces.onA += (L - x) * w[leadP1 + i] / L;
            forces.onB += w[leadP1 + i] * x / L;
        }
    }
    return forces;
}

BeamLoads beamLoads(const SpanData &span, const CalculationResult &result)
{
    BeamLoads loads;
    const double L = span.spanLength;
    const double x = span.maintenancePointX;
    const double N = span.bundleCount;

    // Maintenance: F = 200 + W·(L − b)/L on A and 200 + W·b/L on B.
    const double W3 = BeamAnalysis::maintenanceLoad(span.voltageLevel, threePhaseHot);
    const double W1 = BeamAnalysis::maintenanceLoad(span.voltageLevel, singlePhaseHot);
    const auto kN = [](double kgf, const char *what) { return storeFloat(kiloNewtons(kgf), what); };
    loads.threePhaseA = kN(beamBaseLoad + W3 * (L - x) / L, "三相上人横梁荷载");
    loads.threePhaseB = kN(beamBaseLoad + W3 * x / L, "三相上人横梁荷载");
    loads.singlePhaseA = kN(beamBaseLoad + W1 * (L - x) / L, "单相上人横梁荷载");
    loads.singlePhaseB = kN(beamBaseLoad + W1 * x / L, "单相上人横梁荷载");

    // Stringing: F = 200 + Qi + T·sin α with the largest installation or
    // marking tension of one sub-conductor and the whole string Qi. Qi is the
    // string that is lifted with the conductor at that end, so it comes from
    // the installation state, where both strings hang: the marking state may
    // lack string B (it is measured before B is fitted), yet B is hoisted with
    // the conductor when the span is strung. Both states share their conditions.
    float Hmax = result.stateEquation[installationColumn][rowH];
    for (int c = installationColumn; c < stateEquationColumnCount; ++c)
        if (result.stateEquation[c][rowH] > Hmax)
            Hmax = result.stateEquation[c][rowH];
    const StateResult &stringing = result.states[installation];
    const double pull = tensionFactor * Hmax * N;
    loads.stringingA = storeFloat((double(stringing.stringALoad) * N * g + beamBaseLoad * g + pull) * 0.001,
                                  "紧线横梁荷载");
    loads.stringingB = storeFloat((double(stringing.stringBLoad) * N * g + beamBaseLoad * g + pull) * 0.001,
                                  "紧线横梁荷载");
    return loads;
}

} // namespace engine
