// The stringing curves: through the nine tabled temperatures with the
// table's own figures, in steps of at most 1 degC, tighter in the cold.
#include "support/spanfixture.h"

#include "engine/calculation.h"
#include "engine/stringingcurves.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace engine;
using testing_span::defaultResult;

namespace {

void expectStepsOfAtMostOneDegree(const std::vector<float> &temperatures)
{
    for (std::size_t k = 1; k < temperatures.size(); ++k) {
        EXPECT_GT(temperatures[k], temperatures[k - 1]) << k;
        EXPECT_LE(temperatures[k] - temperatures[k - 1], 1.0f) << k;
    }
}

} // namespace

TEST(StringingCurves, PassThroughTheTableAndTightenInTheCold)
{
    const CalculationResult &result = defaultResult();
    const StringingCurves &curves = result.stringingCurves;
    // The default stringing temperatures run from -10 to 40 degC in whole degrees.
    ASSERT_EQ(curves.installation.size(), 51u);
    ASSERT_EQ(curves.marking.size(), 51u);
    for (const StringingRow &row : result.stringingTable) {
        const auto at = [&](const std::vector<CurvePoint> &curve) {
            return std::find_if(curve.begin(), curve.end(),
                                [&](const CurvePoint &p) { return p.temperature == row.temperature; });
        };
        const auto installed = at(curves.installation);
        const auto marked = at(curves.marking);
        ASSERT_NE(installed, curves.installation.end()) << row.temperature;
        ASSERT_NE(marked, curves.marking.end()) << row.temperature;
        EXPECT_EQ(installed->tension, row.installationTension);
        EXPECT_EQ(installed->sag, row.installationSag);
        EXPECT_EQ(marked->tension, row.markingTension);
        EXPECT_EQ(marked->sag, row.markingSag);
    }
    for (const auto *curve : {&curves.installation, &curves.marking}) {
        std::vector<float> temperatures;
        for (std::size_t k = 0; k < curve->size(); ++k) {
            temperatures.push_back((*curve)[k].temperature);
            if (k > 0) {
                EXPECT_LT((*curve)[k].tension, (*curve)[k - 1].tension) << k;
                EXPECT_GT((*curve)[k].sag, (*curve)[k - 1].sag) << k;
            }
        }
        expectStepsOfAtMostOneDegree(temperatures);
    }
}

TEST(StringingCurves, TemperaturesKeepEveryTabledOneOnceAndStayBounded)
{
    // Unsorted, repeated and fractional stringing temperatures.
    const std::array<float, markingTemperatureCount> tabled{15, 12.5f, -3.25f, 15, 0, 7, 30, 12.5f, 29.9f};
    const std::vector<float> temperatures = stringingCurveTemperatures(tabled);
    expectStepsOfAtMostOneDegree(temperatures);
    for (const float t : tabled)
        EXPECT_EQ(std::count(temperatures.begin(), temperatures.end(), t), 1) << t;
    EXPECT_EQ(temperatures.front(), -3.25f);
    EXPECT_EQ(temperatures.back(), 30.0f);

    // A range no site has takes longer steps instead of a longer curve.
    const std::array<float, markingTemperatureCount> wide{-1e6f, 0, 0, 0, 0, 0, 0, 0, 1e6f};
    EXPECT_LE(stringingCurveTemperatures(wide).size(), std::size_t(maxStringingCurveSteps + markingTemperatureCount));
    // All nine equal: a single point.
    const std::array<float, markingTemperatureCount> same{20, 20, 20, 20, 20, 20, 20, 20, 20};
    EXPECT_EQ(stringingCurveTemperatures(same), std::vector<float>{20});
}
