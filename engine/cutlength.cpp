#include "engine/cutlength.h"

#include "engine/calculationerror.h"
#include "engine/catenarychain.h"
#include "engine/catenarycrosscheck.h"

#include <cmath>

namespace engine {

std::array<CutLength, markingTemperatureCount> cutLengths(const SpanData &span, const CalculationResult &result)
{
    std::array<CutLength, markingTemperatureCount> lengths{};
    const StateResult &state = result.states[installation];
    const ChainSpan chain = chainOfState(span, state);
    for (int i = 0; i < markingTemperatureCount; ++i) {
        const StateEquationColumn &column = result.stateEquation[installationColumn + i];
        const StringingRow &row = result.stringingTable[i];
        CutLength &cut = lengths[i];
        cut.temperature = row.temperature;
        cut.tension = row.installationTension;
        cut.sag = row.installationSag;
        // No thermal term: the length is found at the column's own
        // temperature, the one at which the crew measures and cuts.
        const double H = column[rowH];
        try {
            const ChainSolution solution = solveChainForTension(
                chain, H, conductorLengthEstimate(span, chain, H, column[rowF]), handbookStart(span, state, chain, H));
            cut.length = storeFloat(solution.conductorLength, "下料长度");
            cut.solved = true;
        } catch (const CalculationError &error) {
            cut.failure = error.what();
        }
    }
    return lengths;
}

int referenceCutLength(const std::array<CutLength, markingTemperatureCount> &lengths)
{
    int nearest = 0;
    const auto distance = [&](int i) {
        return std::fabs(double(lengths[i].temperature) - cutLengthReferenceTemperature);
    };
    for (int i = 1; i < markingTemperatureCount; ++i)
        if (distance(i) < distance(nearest))
            nearest = i;
    return nearest;
}

} // namespace engine
