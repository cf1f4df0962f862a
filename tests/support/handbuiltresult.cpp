// A result record whose every figure is set by hand, so that the checks
// built on it can be worked out with a pocket calculator.
#include "support/handbuiltresult.h"

namespace testing_span {

using namespace engine;

CalculationResult handBuiltResult(float h)
{
    CalculationResult result;
    result.span.spanLength = 40;
    result.span.heightDifference = h;
    result.span.bundleCount = 2;
    for (StateResult &state : result.states) {
        state.reactionA = 560;
        state.reactionB = 540;
        state.segments.resize(3);
        state.segments[0].shearLeft = 560;
        state.segments[1].shearLeft = 500;
        state.segments[1].shearRight = -480;
        state.segments[2].shearRight = -540;
    }
    for (int c = 0; c < installationColumn; ++c)
        result.stateEquation[c][rowH] = 20000;
    for (int i = 0; i < markingTemperatureCount; ++i) {
        result.stateEquation[installationColumn + i][rowH] = 15000 + 1000 * i;
        result.stateEquation[markingColumn + i][rowH] = 23000 - 1000 * i;
    }
    return result;
}

} // namespace testing_span
