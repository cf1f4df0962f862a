#include "engine/calculation.h"

#include "engine/beamanalysis.h"
#include "engine/catenarycrosscheck.h"
#include "engine/conductorloads.h"
#include "engine/cutlength.h"
#include "engine/stateequation.h"
#include "engine/stringingcurves.h"
#include "engine/structuredesignloads.h"
#include "engine/structureloads.h"
#include "engine/units.h"

namespace engine {

namespace {

void computeUnitLoads(const SpanData &span, CalculationResult &result)
{
    for (int s = 0; s < loadStateCount; ++s)
        computeStateLoads(span, s, result.states[s]);
    applyMarkingWithoutStringB(span, result.states[marking]);
}

void analyseBeams(const SpanData &span, const BeamAnalysis &beam, CalculationResult &result)
{
    for (int s = 0; s < loadStateCount; ++s)
        beam.analyse(result.states[s], s);
    result.threePhaseMaintenanceLoad = BeamAnalysis::maintenanceLoad(span.voltageLevel, threePhaseHot);
    result.singlePhaseMaintenanceLoad = BeamAnalysis::maintenanceLoad(span.voltageLevel, singlePhaseHot);
}

void fillLoadTable(const SpanData &span, CalculationResult &result)
{
    const double N = span.bundleCount;
    const auto perSub = [N](float wholeValue) { return storeFloat(wholeValue / N, "风荷载"); };
    for (int s = 0; s < loadStateCount; ++s) {
        const StateResult &state = result.states[s];
        LoadTableRow &row = result.loadTable[s];
        row.conductorLoad = state.conductorLoad;
        row.conductorWind = perSub(state.conductorWind);
        row.stringALoad = state.stringALoad;
        row.stringAWind = perSub(state.stringAWind);
        for (int k = 0; k < leadCount; ++k) {
            row.leadLoad[k] = state.leadLoad[k];
            row.leadWind[k] = perSub(state.leadWind[k]);
        }
        row.stringBLoad = state.stringBLoad;
        row.stringBWind = perSub(state.stringBWind);
    }
}

// H and the lateral forces are those of the structure loads, so that page 1
// and the structures' table print one figure.
void fillSummary(const SpanData &span, CalculationResult &result)
{
    const double N = span.bundleCount;
    for (int s = 0; s < designStateCount; ++s) {
        const StateResult &state = result.states[s];
        const StateEquationColumn &column = result.stateEquation[s];
        const double H = column[rowH];  // > 0: every column was solved
        SummaryRow &row = result.summary[s];
        row.temperature = span.temperature[s];
        row.tension = result.structureLoads.onA[s].horizontal;
        row.sag = column[rowF];
        row.reactionA = storeFloat(kiloNewtons(state.reactionA * N), "支座反力RA");
        row.reactionB = storeFloat(kiloNewtons(state.reactionB * N), "支座反力RB");
        row.lateralA = result.structureLoads.onA[s].lateral;
        row.lateralB = result.structureLoads.onB[s].lateral;
        row.stringASag = storeFloat(state.stringAMoment * newtonPerKgf / H, "绝缘子串A弧垂");
        row.stringBSag = storeFloat(-state.stringBMoment * newtonPerKgf / H, "绝缘子串B弧垂");
    }
}

void fillStringingTable(const SpanData &span, CalculationResult &result)
{
    for (int i = 0; i < markingTemperatureCount; ++i) {
        const StateEquationColumn &installed = result.stateEquation[installationColumn + i];
        const StateEquationColumn &marked = result.stateEquation[markingColumn + i];
        StringingRow &row = result.stringingTable[i];
        row.temperature = installed[rowThetaM];
        row.installationTension = phaseTension(span, installed, "安装张力");
        row.installationSag = installed[rowF];
        row.markingTension = phaseTension(span, marked, "划印张力");
        row.markingSag = marked[rowF];
    }
}

} // namespace

CalculationResult runCalculation(const CalculationInput &input)
{
    CalculationResult result;
    result.span = convertInput(input);
    const SpanData &span = result.span;

    computeUnitLoads(span, result);
    const BeamAnalysis beam(span);
    analyseBeams(span, beam, result);
    solveStateEquations(span, result);
    fillStringingTable(span, result);
    result.stringingCurves = stringingCurves(span, result);
    result.beamLoads = beamLoads(span, result);
    result.structureLoads = structureDesignLoads(result, beam.leadPositions());
    fillSummary(span, result);
    fillLoadTable(span, result);
    crossCheckByCatenary(span, result);
    result.cutLengths = cutLengths(span, result);
    return result;
}

} // namespace engine
