#include "report/pages.h"

#include "engine/calculationresult.h"
#include "engine/numberformatting.h"
#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"

namespace report {

namespace {

constexpr int valueSize = 9;
constexpr int decimals = 3;
// Every result of page 1 has a cell 50 wide and 25 high around its point.
constexpr int columnWidth = 50;
constexpr int rowHeight = 25;

/// Row of design state \a state in the summary table.
constexpr int summaryRowY(int state)
{
    return 257 + 25 * state;
}

void drawValue(PageCanvas &canvas, int x, int y, float value)
{
    drawCentredNumber(canvas, cellAround(x, y, columnWidth, rowHeight), x, y, valueSize, value, decimals);
}

void drawReactions(PageCanvas &canvas, const engine::CalculationResult &result)
{
    for (int state = 0; state < engine::designStateCount; ++state) {
        const engine::SummaryRow &row = result.summary[state];
        drawValue(canvas, 873, summaryRowY(state), row.reactionA);
        drawValue(canvas, 923, summaryRowY(state), row.reactionB);
    }
}

void drawTensionsAndSags(PageCanvas &canvas, const engine::CalculationResult &result)
{
    for (int state = 0; state < engine::designStateCount; ++state) {
        const engine::SummaryRow &row = result.summary[state];
        const int y = summaryRowY(state);
        drawValue(canvas, 773, y, row.tension);
        drawValue(canvas, 823, y, row.sag);
        drawValue(canvas, 1073, y, row.stringASag);
        drawValue(canvas, 1123, y, row.stringBSag);
    }
}

void drawStringingTable(PageCanvas &canvas, const engine::CalculationResult &result)
{
    for (int i = 0; i < engine::markingTemperatureCount; ++i) {
        const engine::StringingRow &column = result.stringingTable[i];
        const int x = 723 + 50 * i;
        drawCentredNumber(canvas, cellAround(x, 657, columnWidth, rowHeight), x, 657, valueSize, column.temperature, 0);
        drawValue(canvas, x, 682, column.installationTension);
        drawValue(canvas, x, 707, column.installationSag);
        drawValue(canvas, x, 732, column.markingTension);
        drawValue(canvas, x, 757, column.markingSag);
    }
}

void drawBeamLoads(PageCanvas &canvas, const engine::BeamLoads &loads)
{
    drawValue(canvas, 723, 582, loads.stringingA);
    drawValue(canvas, 723, 607, loads.stringingB);
    drawValue(canvas, 773, 582, loads.threePhaseA);
    drawValue(canvas, 773, 607, loads.threePhaseB);
    drawValue(canvas, 823, 582, loads.singlePhaseA);
    drawValue(canvas, 823, 607, loads.singlePhaseB);
}

void drawLateralWindForces(PageCanvas &canvas, const engine::CalculationResult &result)
{
    for (int state = 0; state < engine::designStateCount; ++state) {
        const engine::SummaryRow &row = result.summary[state];
        drawValue(canvas, 973, summaryRowY(state), row.lateralA);
        drawValue(canvas, 1023, summaryRowY(state), row.lateralB);
    }
}

// The temperature is shown as entered: the shortest decimal of the stored
// value, not rounded to a number of decimals.
void drawTemperatures(PageCanvas &canvas, const engine::CalculationResult &result)
{
    for (int state = 0; state < engine::designStateCount; ++state) {
        const int y = summaryRowY(state);
        drawFittedText(canvas, cellAround(723, y, columnWidth, rowHeight), 723, y, valueSize, QStringLiteral("MC"),
                       QString::fromStdString(engine::formatGeneral(result.summary[state].temperature)));
    }
}

} // namespace

void drawSummaryPageResults(PageCanvas &canvas, const engine::CalculationResult &result)
{
    // In the order the calculation produces them: reactions, the state
    // equation with the stringing table and its beam loads, the maintenance
    // beam loads, the wind on the structures, and last the temperatures.
    drawReactions(canvas, result);
    drawTensionsAndSags(canvas, result);
    drawStringingTable(canvas, result);
    drawBeamLoads(canvas, result.beamLoads);
    drawLateralWindForces(canvas, result);
    drawTemperatures(canvas, result);
}

} // namespace report
