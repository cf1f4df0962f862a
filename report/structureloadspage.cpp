#include "report/bookpages.h"

#include "engine/calculationresult.h"
#include "engine/loadstate.h"
#include "engine/shortcircuitspan.h"
#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/ruledtable.h"

namespace report {

namespace {

// 工况, then H, V, Pf on A and on B.
constexpr int firstRow = 1;  // under the row of column names
constexpr int tableTop = 182;  // under the row naming the structures

const RuledTable &loadTable()
{
    static const RuledTable table({100, 260, 400, 540, 680, 820, 960, 1100}, tableTop, 22,
                                  firstRow + engine::loadStateCount);
    return table;
}

void drawHeadings(PageCanvas &canvas, const RuledTable &table)
{
    const RuledTable structures({100, 260, 680, 1100}, tableTop - 22, 22, 1);
    structures.drawRules(canvas);
    structures.text(canvas, 0, 0, QStringLiteral("工况"));
    structures.text(canvas, 1, 0, QStringLiteral("A侧构架(一相)"));
    structures.text(canvas, 2, 0, QStringLiteral("B侧构架(一相)"));
    const QString columns[] = {QStringLiteral("水平拉力(kN)"), QStringLiteral("垂直荷载(kN)"),
                               QStringLiteral("侧向风压(kN)")};
    for (int side = 0; side < 2; ++side)
        for (int c = 0; c < 3; ++c)
            table.text(canvas, 1 + 3 * side + c, 0, columns[c]);
    for (int state = 0; state < engine::loadStateCount; ++state)
        table.text(canvas, 0, firstRow + state, QString::fromUtf8(engine::loadStateLabel(state)));
}

/// A figure of the table; the governing one of its column carries "*".
void drawLoad(PageCanvas &canvas, const RuledTable &table, int column, int state, float value, bool governs)
{
    table.number(canvas, column, firstRow + state, value, 3);
    if (governs) {
        const PageBox box = table.cell(column, firstRow + state);
        drawFittedText(canvas, box, box.right - 4, (box.top + box.bottom) / 2, 9, QStringLiteral("RC"),
                       QStringLiteral("*"));
    }
}

void drawSide(PageCanvas &canvas, const RuledTable &table, int firstColumn,
              const std::array<engine::PhaseLoadOnStructure, engine::loadStateCount> &loads,
              const engine::GoverningLoadStates &governing)
{
    for (int state = 0; state < engine::loadStateCount; ++state) {
        const engine::PhaseLoadOnStructure &load = loads[std::size_t(state)];
        drawLoad(canvas, table, firstColumn, state, load.horizontal, state == governing.horizontal);
        drawLoad(canvas, table, firstColumn + 1, state, load.vertical, state == governing.vertical);
        drawLoad(canvas, table, firstColumn + 2, state, load.lateral, state == governing.lateral);
    }
}

// The loads the stringing crew and the maintenance crew add on the beams.
void drawBeamLoads(PageCanvas &canvas, const engine::BeamLoads &loads, int top, const QColor &resultColour)
{
    const RuledTable table({100, 260, 480, 700, 920}, top, 22, 3);
    table.drawRules(canvas);
    table.text(canvas, 0, 0, QStringLiteral("横梁附加垂直荷载(kN)"));
    table.text(canvas, 1, 0, QStringLiteral("施工紧线(一相)"));
    table.text(canvas, 2, 0, QStringLiteral("三相上人检修(每相)"));
    table.text(canvas, 3, 0, QStringLiteral("单相上人检修(一相)"));
    table.text(canvas, 0, 1, QStringLiteral("A侧"));
    table.text(canvas, 0, 2, QStringLiteral("B侧"));
    canvas.setFontColor(resultColour);
    table.number(canvas, 1, 1, loads.stringingA, 3);
    table.number(canvas, 2, 1, loads.threePhaseA, 3);
    table.number(canvas, 3, 1, loads.singlePhaseA, 3);
    table.number(canvas, 1, 2, loads.stringingB, 3);
    table.number(canvas, 2, 2, loads.threePhaseB, 3);
    table.number(canvas, 3, 2, loads.singlePhaseB, 3);
    canvas.setFontColor(fixedTextColor);
}

} // namespace

void drawStructureLoadsPage(PageCanvas &canvas, const engine::CalculationResult &result,
                            const engine::ShortCircuitResult *shortCircuit, const QColor &resultColour)
{
    drawTitledFrame(canvas, QString::fromUtf8(structureLoadsTitle));
    const RuledTable &table = loadTable();
    table.drawRules(canvas);
    drawHeadings(canvas, table);
    canvas.setFontColor(resultColour);
    drawSide(canvas, table, 1, result.structureLoads.onA, result.structureLoads.governingA);
    drawSide(canvas, table, 4, result.structureLoads.onB, result.structureLoads.governingB);
    canvas.setFontColor(fixedTextColor);

    int notesTop = table.bottom() + 12;
    // The fault pulls along the span on both structures alike; its vertical
    // and lateral parts are not part of the method.
    if (shortCircuit) {
        const RuledTable fault({100, 260, 400, 540, 680, 820, 960, 1100}, table.bottom(), 22, 1);
        fault.drawRules(canvas);
        fault.text(canvas, 0, 0, QStringLiteral("短路(IEC 60865-1)"));
        canvas.setFontColor(resultColour);
        for (int column : {1, 4})
            fault.number(canvas, column, 0, float(shortCircuit->designLoad_N / 1000), 3);
        for (int column : {2, 3, 5, 6})
            fault.text(canvas, column, 0, QStringLiteral("-"));
        canvas.setFontColor(fixedTextColor);
        notesTop += 22;
    }
    const QString notes[] = {
        QStringLiteral("表中为一相导线作用于构架挂点的荷载;三相同时作用时(各相相同)构架所受为每相值的3倍. *为该列的控制工况(绝对值最大)."),
        QStringLiteral("水平拉力为该工况的H(安装、划印取九个施工气温中最大者);垂直荷载为简支梁支点反力,较高一侧加H·tanγ,较低一侧减H·tanγ,负值为上拔."),
        QStringLiteral("侧向风压为绝缘子串、导线、跳线与引下线所受风力按简支梁分配到两侧构架(PfA、PfB)."),
    };
    int y = notesTop;
    for (const QString &note : notes) {
        drawFittedText(canvas, {100, y, 1100, y + 20}, 100, y + 10, 9, QStringLiteral("LC"), note);
        y += 20;
    }
    drawBeamLoads(canvas, result.beamLoads, y + 10, resultColour);
    drawFittedText(canvas, {100, y + 80, 1100, y + 100}, 100, y + 90, 9, QStringLiteral("LC"),
                   QStringLiteral("紧线时 F=200+Qi+T·sinα(T=1.2H,α=45°);检修时 F=200+W·(L-b)/L,与第1页相同."));
    applyPageDefaults(canvas);
}

} // namespace report
