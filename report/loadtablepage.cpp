#include "report/pages.h"

#include "engine/calculationresult.h"
#include "engine/loadstate.h"
#include "engine/numberformatting.h"
#include "report/fittedtext.h"
#include "report/markuptext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/primitives.h"

#include <array>

namespace report {

namespace {

constexpr int textSize = 10;
constexpr int loadColumnCount = 9;
constexpr int loadCellWidth = 50;
constexpr int stateRowHeight = 40;
// The top row between y 145 and 180 holds captions and values in cells 100 wide.
constexpr int topRowY = 162;
constexpr int topCellWidth = 100;

constexpr PageBox topRowCell(int centreX)
{
    return {centreX - topCellWidth / 2, 145, centreX + topCellWidth / 2, 180};
}

/// Centre of the Qzh cell of load column \a column; its Qfy cell is 50 further right.
constexpr int combinedLoadX(int column)
{
    return 225 + 100 * column;
}

constexpr int stateRowY(int state)
{
    return 280 + 40 * state;
}

constexpr std::array<const char *, loadColumnCount> columnHeadings = {
    "主导线", "绝缘子串A", "左跳线PA", "引下线P1", "引下线P2", "引下线P3", "引下线P4", "右跳线PB", "绝缘子串B",
};

void drawCentred(PageCanvas &canvas, int x, int y, const QString &text)
{
    drawMarkupText(x, y, textSize, QStringLiteral("MC"), text, canvas);
}

// The captions with units can outgrow their cells.
void drawTopRowCaption(PageCanvas &canvas, int x, const QString &text)
{
    drawFittedText(canvas, topRowCell(x), x, topRowY, textSize, QStringLiteral("MC"), text);
}

void drawTableGrid(PageCanvas &canvas)
{
    canvas.setPenWidth(2);
    canvas.rectangle(80, 145, 1100, 780);
    canvas.rectangle(80, 145, 1100, 180);

    canvas.setPenWidth(1);
    for (int i = 0; i <= 14; ++i)
        drawLine(80, 180 + 40 * i, 1100, 180 + 40 * i, canvas);
    for (int column = 0; column < loadColumnCount; ++column) {
        drawLine(200 + 100 * column, 145, 200 + 100 * column, 780, canvas);
        // Below its heading each load column splits into combined load and wind.
        drawLine(250 + 100 * column, 220, 250 + 100 * column, 780, canvas);
        drawCentred(canvas, combinedLoadX(column), 240, QStringLiteral("Qzh"));
        drawCentred(canvas, combinedLoadX(column) + 50, 240, QStringLiteral("Qfy"));
    }
}

void drawTableLabels(PageCanvas &canvas)
{
    drawCentred(canvas, 140, 240, QStringLiteral("工况"));
    for (int state = 0; state < engine::loadStateCount; ++state)
        drawCentred(canvas, 140, stateRowY(state), QString::fromUtf8(engine::loadStateLabel(state)));

    for (int column = 0; column < loadColumnCount; ++column)
        drawCentred(canvas, 250 + 100 * column, 200, QString::fromUtf8(columnHeadings[column]));

    // Each caption of the top row has its value in the cell to its right.
    drawCentred(canvas, 140, 162, QStringLiteral("cosγ"));
    drawTopRowCaption(canvas, 350, QStringLiteral("A串投影长(m)"));
    drawTopRowCaption(canvas, 550, QStringLiteral("B串投影长(m)"));
    drawTopRowCaption(canvas, 750, QStringLiteral("导线特性系数ξ"));
    drawTopRowCaption(canvas, 950, QStringLiteral("检修上人荷载"));

    drawMarkupText(1100, 135, textSize, QStringLiteral("RC"), QStringLiteral("荷载单位：kgf"), canvas);
    drawMarkupText(80, 135, textSize, QStringLiteral("LC"), QStringLiteral("Qzh：综合荷载，Qfy: 风压力"), canvas);
    drawMarkupText(80, 795, textSize, QStringLiteral("LC"),
                   QStringLiteral("注:若主导线为分裂导线,则所有荷载均按主导线分裂根数折算成单根主导线进行计算,"
                                  "首页的计算结果采用单根的计算数据乘以主导线根数得出."),
                   canvas);
}

void drawLoadRow(PageCanvas &canvas, int state, const engine::LoadTableRow &row)
{
    std::array<std::array<float, 2>, loadColumnCount> cells{};
    cells[0] = {row.conductorLoad, row.conductorWind};
    cells[1] = {row.stringALoad, row.stringAWind};
    for (int lead = 0; lead < engine::leadCount; ++lead)
        cells[2 + lead] = {row.leadLoad[lead], row.leadWind[lead]};
    cells[8] = {row.stringBLoad, row.stringBWind};

    const int y = stateRowY(state);
    for (int column = 0; column < loadColumnCount; ++column) {
        for (int part = 0; part < 2; ++part) {
            const int x = combinedLoadX(column) + loadCellWidth * part;
            drawCentredNumber(canvas, cellAround(x, y, loadCellWidth, stateRowHeight), x, y, textSize,
                              cells[column][part], 3);
        }
    }
}

// The person and tools on the conductor in three-phase / single-phase maintenance, kgf.
QString maintenanceLoadText(const engine::CalculationResult &result)
{
    return QString::fromStdString(engine::formatNumber(result.threePhaseMaintenanceLoad, 0)) + QStringLiteral("/")
        + QString::fromStdString(engine::formatNumber(result.singlePhaseMaintenanceLoad, 0));
}

} // namespace

void drawLoadTablePageFixed(PageCanvas &canvas)
{
    applyPageDefaults(canvas);
    drawTableGrid(canvas);
    drawTableLabels(canvas);
}

void drawLoadTablePageResults(PageCanvas &canvas, const engine::CalculationResult &result)
{
    // ξ is known as soon as the state equation starts; the table and the top
    // row follow at the end of the calculation.
    drawCentredNumber(canvas, topRowCell(850), 850, 160, textSize, result.conductorCoefficient, 7);

    for (int state = 0; state < engine::loadStateCount; ++state)
        drawLoadRow(canvas, state, result.loadTable[state]);

    drawCentredNumber(canvas, topRowCell(250), 250, topRowY, textSize, result.span.cosGamma, 3);
    drawCentredNumber(canvas, topRowCell(450), 450, topRowY, textSize, result.span.stringAProjection, 3);
    drawCentredNumber(canvas, topRowCell(650), 650, topRowY, textSize, result.span.stringBProjection, 3);
    drawFittedText(canvas, topRowCell(1050), 1050, topRowY, textSize, QStringLiteral("MC"),
                   maintenanceLoadText(result));
}

} // namespace report
