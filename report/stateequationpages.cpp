#include "report/pages.h"

#include "engine/calculationresult.h"
#include "report/fittedtext.h"
#include "report/markuptext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/primitives.h"

namespace report {

namespace {

// The steps of the state-equation solution, one table row each, on both pages.
constexpr const char16_t *stateEquationLabels[engine::stateEquationRowCount] = {
    u"M(N·m)",
    u"Cm=Dξcos$sbks2$sbjsγ(N$sbks3$sbjs/mm$sbks6$sbjs)",
    u"axE(N/mm$sbks2$sbjs·℃)",
    u"Cn(N$sbks3$sbjs/mm$sbks6$sbjs)",
    u"σn(N/mm$sbks2$sbjs)",
    u"θn(℃)",
    u"θm(℃)",
    u"△θ=θm-θn(℃)",
    u"B=axE△θcosγ(N/mm$sbks2$sbjs)",
    u"A=σn-Cn/σn$sbks2$sbjs-B(N/mm$sbks2$sbjs)",
    u"σm(N/mm$sbks2$sbjs)",
    u"H=sσm(N)",
    u"f=M/H(m)",
};

constexpr const char16_t *designStateHeadings[] = {
    u"最高温度", u"最大荷载", u"最大风速", u"最低温度", u"雷电电压", u"操作电压", u"工频电压",
};

constexpr PageLabel stressPageLabels[] = {
    {205, 220, u"状态条件"},
    {890, 200, u"三相上人检修"},
    {1030, 200, u"单相上人检修"},
    {855, 240, u"高温"},
    {925, 240, u"低温"},
    {995, 240, u"高温"},
    {1065, 240, u"低温"},
    {105, 284, u"原"},
    {105, 308, u"始"},
    {105, 332, u"资"},
    {105, 356, u"料"},
    {105, 440, u"状"},
    {105, 480, u"态"},
    {105, 520, u"方"},
    {105, 560, u"程"},
    {105, 600, u"求"},
    {105, 640, u"解"},
};

constexpr PageLabel stringingPageCaptions[] = {
    {135, 260, u"安"},
    {135, 364, u"装"},
    {135, 572, u"划"},
    {135, 676, u"印"},
};

void drawLabel(PageCanvas &canvas, const char16_t *text, int x, int y)
{
    drawMarkupText(x, y, 10, QStringLiteral("MC"), QString::fromUtf16(text), canvas);
}

void drawRowLabels(PageCanvas &canvas, int x, int firstY, int rowHeight)
{
    for (int k = 0; k < engine::stateEquationRowCount; ++k)
        drawLabel(canvas, stateEquationLabels[k], x, firstY + rowHeight * k);
}

void drawUnitNote(PageCanvas &canvas, int x)
{
    drawMarkupText(x, 795, 10, QStringLiteral("LC"), QStringLiteral("注:本表计算时已将力的单位换算为N,重力加速度取9.8"),
                   canvas);
}

float tableValue(const engine::CalculationResult &result, int column, int row)
{
    return result.stateEquation.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row));
}

/*
 * One block of page 17. The rows M .. θn do not depend on the stringing
 * temperature (the state's M and D, and the reference state), so they are
 * written once, from \a commonColumn; θm .. f are written per temperature
 * from the block's nine columns.
 */
void drawStringingBlock(PageCanvas &canvas, const engine::CalculationResult &result, int firstColumn,
                        int commonColumn, int firstY)
{
    constexpr int rowHeight = 24;
    for (int row = engine::rowM; row <= engine::rowThetaN; ++row) {
        const int y = firstY + rowHeight * row;
        // The common rows span every temperature column.
        drawCentredNumber(canvas, {360, y - rowHeight / 2, 1080, y + rowHeight / 2}, 720, y, 9,
                          tableValue(result, commonColumn, row), 3);
    }
    for (int i = 0; i < engine::markingTemperatureCount; ++i) {
        for (int row = engine::rowThetaM; row < engine::stateEquationRowCount; ++row) {
            const int x = 400 + 80 * i;
            const int y = firstY + rowHeight * row;
            drawCentredNumber(canvas, cellAround(x, y, 80, rowHeight), x, y, 9,
                              tableValue(result, firstColumn + i, row), 3);
        }
    }
}

} // namespace

void drawStressPageFixed(PageCanvas &canvas)
{
    applyPageDefaults(canvas);
    canvas.rectangle(80, 180, 1100, 780);

    for (int n = 0; n <= 12; ++n)
        drawLine(130, 260 + 40 * n, 1100, 260 + 40 * n, canvas);
    for (int b = 0; b <= 7; ++b)
        drawLine(330 + 70 * b, 180, 330 + 70 * b, 780, canvas);
    // The maintenance columns: three-phase and single-phase, each split
    // into high and low temperature below y 220.
    drawLine(890, 220, 890, 780, canvas);
    drawLine(960, 180, 960, 780, canvas);
    drawLine(1030, 220, 1030, 780, canvas);
    drawLine(820, 220, 1100, 220, canvas);
    // The caption column left of the row labels.
    drawLine(130, 260, 130, 780, canvas);
    drawLine(80, 260, 130, 260, canvas);
    drawLine(80, 380, 130, 380, canvas);
    drawLine(80, 700, 130, 700, canvas);
    drawLine(80, 740, 130, 740, canvas);

    drawRowLabels(canvas, 230, 280, 40);
    for (int i = 0; i < 7; ++i)
        drawLabel(canvas, designStateHeadings[i], 365 + 70 * i, 220);
    drawLabels(canvas, stressPageLabels, 10, QStringLiteral("MC"));
    drawUnitNote(canvas, 80);
}

void drawStressPageResults(PageCanvas &canvas, const engine::CalculationResult &result)
{
    // A cell of exactly 0 is a quantity that does not apply to its column
    // (the reference state has no Cn, σn, θn, Δθ, B or A), so it stays empty.
    for (int row = 0; row < engine::stateEquationRowCount; ++row) {
        for (int column = 0; column < engine::designStateCount; ++column) {
            const float value = tableValue(result, column, row);
            const int x = 365 + 70 * column;
            const int y = 280 + 40 * row;
            if (value != 0.0f)
                drawCentredNumber(canvas, cellAround(x, y, 70, 40), x, y, 9, value, 3);
        }
    }
}

void drawStringingPageFixed(PageCanvas &canvas)
{
    applyPageDefaults(canvas);
    canvas.rectangle(110, 156, 1080, 780);

    for (int b = 0; b <= 25; ++b)
        drawLine(160, 180 + 24 * b, 1080, 180 + 24 * b, canvas);
    // Temperature columns from the θm row down, in the installation block
    // (y 300..468) and in the marking block (y 612..780).
    for (int n = 0; n <= 7; ++n) {
        drawLine(440 + 80 * n, 300, 440 + 80 * n, 468, canvas);
        drawLine(440 + 80 * n, 612, 440 + 80 * n, 780, canvas);
    }
    drawLine(160, 156, 160, 780, canvas);
    drawLine(360, 156, 360, 780, canvas);
    drawLine(110, 468, 160, 468, canvas);

    drawRowLabels(canvas, 260, 168, 24);
    drawRowLabels(canvas, 260, 480, 24);
    drawLabels(canvas, stringingPageCaptions, 10, QStringLiteral("MC"));
    drawUnitNote(canvas, 110);
}

void drawStringingPageResults(PageCanvas &canvas, const engine::CalculationResult &result)
{
    // Every column of a block holds the same common rows; they are read from
    // the second installation column and the third marking column.
    drawStringingBlock(canvas, result, engine::installationColumn, engine::installationColumn + 1, 168);
    drawStringingBlock(canvas, result, engine::markingColumn, engine::markingColumn + 2, 480);
}

} // namespace report
