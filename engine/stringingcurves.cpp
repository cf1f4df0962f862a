#include "engine/stringingcurves.h"

#include "engine/stateequation.h"

#include <algorithm>
#include <cmath>

namespace engine {

std::vector<float> stringingCurveTemperatures(const std::array<float, markingTemperatureCount> &tabled)
{
    std::vector<float> corners(tabled.begin(), tabled.end());
    std::sort(corners.begin(), corners.end());
    corners.erase(std::unique(corners.begin(), corners.end()), corners.end());
    const double range = double(corners.back()) - corners.front();
    const double step = std::max(1.0, range / maxStringingCurveSteps);

    std::vector<float> temperatures;
    for (std::size_t k = 0; k + 1 < corners.size(); ++k) {
        const double from = corners[k], to = corners[k + 1];
        const int steps = std::max(1, int(std::ceil((to - from) / step)));
        for (int j = 0; j < steps; ++j)
            temperatures.push_back(float(from + (to - from) * j / steps));
    }
    temperatures.push_back(corners.back());
    return temperatures;
}

StringingCurves stringingCurves(const SpanData &span, const CalculationResult &result)
{
    StringingCurves curves;
    for (const float temperature : stringingCurveTemperatures(span.markingTemperature)) {
        const StateEquationColumn installed = solveStateColumn(span, result, result.states[installation], temperature);
        const StateEquationColumn marked = solveStateColumn(span, result, result.states[marking], temperature);
        curves.installation.push_back({temperature, phaseTension(span, installed, "安装张力"), installed[rowF]});
        curves.marking.push_back({temperature, phaseTension(span, marked, "划印张力"), marked[rowF]});
    }
    return curves;
}

} // namespace engine
