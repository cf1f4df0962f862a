#include "report/pages.h"

#include "engine/calculationinput.h"
#include "engine/loadstate.h"
#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"

namespace report {

namespace {

struct EchoCell
{
    int slot;
    int x, y;
    /// The rules around the text: it may grow up to them and no further.
    PageBox cell;
};

// Single input texts, their points and the cells of page 1 that receive them.
constexpr EchoCell singleValueCells[] = {
    {engine::slot::voltageLevel, 330, 182, {300, 170, 360, 195}},
    {engine::slot::spanLength, 450, 182, {420, 170, 480, 195}},
    {engine::slot::heightDifference, 570, 182, {540, 170, 600, 195}},
    {engine::slot::controlSag, 330, 207, {300, 195, 360, 220}},
    {engine::slot::maintenancePoint, 570, 207, {540, 195, 600, 220}},
    {engine::slot::iceThickness, 330, 382, {300, 345, 360, 420}},
    {engine::slot::conductorType, 480, 232, {360, 220, 600, 245}},
    {engine::slot::conductorDiameter, 405, 257, {360, 245, 450, 270}},
    {engine::slot::conductorUnitWeight, 570, 257, {540, 245, 600, 270}},
    {engine::slot::bundleCount, 570, 282, {540, 270, 600, 295}},
    {engine::slot::expansionCoefficient, 405, 282, {360, 270, 450, 295}},
    {engine::slot::elasticModulus, 405, 307, {360, 295, 450, 320}},
    {engine::slot::conductorArea, 405, 332, {360, 320, 450, 345}},
    {engine::slot::subSpan, 570, 307, {540, 295, 600, 320}},
    {engine::slot::spacerWeight, 570, 332, {540, 320, 600, 345}},
    {engine::slot::stringA + engine::stringType, 185, 457, {40, 445, 330, 470}},
    {engine::slot::stringA + engine::stringLength, 300, 432, {270, 420, 330, 445}},
    {engine::slot::stringA + engine::stringWeight, 150, 482, {120, 470, 180, 495}},
    {engine::slot::stringA + engine::stringIcedWeight, 150, 507, {120, 495, 180, 520}},
    {engine::slot::stringA + engine::stringWindArea, 300, 482, {270, 470, 330, 495}},
    {engine::slot::stringA + engine::stringIcedWindArea, 300, 507, {270, 495, 330, 520}},
    {engine::slot::stringB + engine::stringType, 465, 457, {330, 445, 600, 470}},
    {engine::slot::stringB + engine::stringLength, 570, 432, {540, 420, 600, 445}},
    {engine::slot::stringB + engine::stringWeight, 425, 482, {400, 470, 450, 495}},
    {engine::slot::stringB + engine::stringIcedWeight, 425, 507, {400, 495, 450, 520}},
    {engine::slot::stringB + engine::stringWindArea, 570, 482, {540, 470, 600, 495}},
    {engine::slot::stringB + engine::stringIcedWindArea, 570, 507, {540, 495, 600, 520}},
    {engine::slot::markingState + 0, 505, 357, {410, 345, 600, 370}},
    {engine::slot::markingState + 1, 445, 382, {410, 370, 480, 395}},
    {engine::slot::markingState + 2, 445, 407, {410, 395, 480, 420}},
    {engine::slot::markingState + 3, 540, 382, {480, 370, 600, 395}},
    {engine::slot::markingState + 4, 540, 407, {480, 395, 600, 420}},
};

constexpr int echoSize = 8;
constexpr int rowHeight = 25;

// Between the top of the red border and the first box.
constexpr PageBox titleCell{20, 100, 1168, 150};

void drawSlot(PageCanvas &canvas, const engine::CalculationInput &input, int slot, int x, int y, const PageBox &cell)
{
    drawFittedText(canvas, cell, x, y, echoSize, QStringLiteral("MC"), QString::fromStdString(input[slot]));
}

} // namespace

void drawInputEcho(PageCanvas &canvas, const engine::CalculationInput &input)
{
    const QString title = QString::fromStdString(input[engine::slot::spanTitle]) + QStringLiteral("-软导线实用力学计算书");
    drawFittedText(canvas, titleCell, 594, 125, 12, QStringLiteral("MC"), title);

    canvas.setFontName(reportFontName());
    for (const EchoCell &cell : singleValueCells)
        drawSlot(canvas, input, cell.slot, cell.x, cell.y, cell.cell);

    for (int condition = 0; condition < engine::conditionCount; ++condition) {
        const int y = 207 + 25 * condition;
        drawSlot(canvas, input, engine::slot::conditionTemperature + condition, 130, y,
                 cellAround(130, y, 60, rowHeight));
        drawSlot(canvas, input, engine::slot::conditionWindSpeed + condition, 190, y,
                 cellAround(190, y, 60, rowHeight));
    }

    for (int lead = 0; lead < engine::leadCount; ++lead) {
        for (int field = 0; field <= engine::relativeDistance; ++field) {
            // Jumpers hang at the strings: their relative-distance cell shows a dash instead.
            const bool isJumper = lead == engine::leadPA || lead == engine::leadPB;
            if (isJumper && field == engine::relativeDistance)
                continue;
            const int x = 160 + 80 * lead;
            const int y = 557 + rowHeight * field;
            drawSlot(canvas, input, engine::leadSlot(lead, field), x, y, cellAround(x, y, 80, rowHeight));
        }
    }
}

} // namespace report
