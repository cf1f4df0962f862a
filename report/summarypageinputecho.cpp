#include "report/pages.h"

#include "engine/calculationinput.h"
#include "engine/loadstate.h"
#include "report/markuptext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"

namespace report {

namespace {

struct EchoCell
{
    int slot;
    int x, y;
};

// Single input texts and the cells of page 1 that receive them.
constexpr EchoCell singleValueCells[] = {
    {engine::slot::voltageLevel, 330, 182},
    {engine::slot::spanLength, 450, 182},
    {engine::slot::heightDifference, 570, 182},
    {engine::slot::controlSag, 330, 207},
    {engine::slot::maintenancePoint, 570, 207},
    {engine::slot::iceThickness, 330, 382},
    {engine::slot::conductorType, 480, 232},
    {engine::slot::conductorDiameter, 405, 257},
    {engine::slot::conductorUnitWeight, 570, 257},
    {engine::slot::bundleCount, 570, 282},
    {engine::slot::expansionCoefficient, 405, 282},
    {engine::slot::elasticModulus, 405, 307},
    {engine::slot::conductorArea, 405, 332},
    {engine::slot::subSpan, 570, 307},
    {engine::slot::spacerWeight, 570, 332},
    {engine::slot::stringA + engine::stringType, 185, 457},
    {engine::slot::stringA + engine::stringLength, 300, 432},
    {engine::slot::stringA + engine::stringWeight, 150, 482},
    {engine::slot::stringA + engine::stringIcedWeight, 150, 507},
    {engine::slot::stringA + engine::stringWindArea, 300, 482},
    {engine::slot::stringA + engine::stringIcedWindArea, 300, 507},
    {engine::slot::stringB + engine::stringType, 465, 457},
    {engine::slot::stringB + engine::stringLength, 570, 432},
    {engine::slot::stringB + engine::stringWeight, 425, 482},
    {engine::slot::stringB + engine::stringIcedWeight, 425, 507},
    {engine::slot::stringB + engine::stringWindArea, 570, 482},
    {engine::slot::stringB + engine::stringIcedWindArea, 570, 507},
    {engine::slot::markingState + 0, 505, 357},
    {engine::slot::markingState + 1, 445, 382},
    {engine::slot::markingState + 2, 445, 407},
    {engine::slot::markingState + 3, 540, 382},
    {engine::slot::markingState + 4, 540, 407},
};

void drawSlot(PageCanvas &canvas, const engine::CalculationInput &input, int slot, int x, int y)
{
    drawMarkupText(x, y, 8, QStringLiteral("MC"), QString::fromStdString(input[slot]), canvas);
}

} // namespace

void drawInputEcho(PageCanvas &canvas, const engine::CalculationInput &input)
{
    const QString title = QString::fromStdString(input[engine::slot::spanTitle]) + QStringLiteral("-软导线实用力学计算书");
    drawMarkupText(594, 125, 12, QStringLiteral("MC"), title, canvas);

    canvas.setFontName(reportFontName());
    for (const EchoCell &cell : singleValueCells)
        drawSlot(canvas, input, cell.slot, cell.x, cell.y);

    for (int condition = 0; condition < engine::conditionCount; ++condition) {
        const int y = 207 + 25 * condition;
        drawSlot(canvas, input, engine::slot::conditionTemperature + condition, 130, y);
        drawSlot(canvas, input, engine::slot::conditionWindSpeed + condition, 190, y);
    }

    for (int lead = 0; lead < engine::leadCount; ++lead) {
        for (int field = 0; field <= engine::relativeDistance; ++field) {
            // Jumpers hang at the strings: their relative-distance cell shows a dash instead.
            const bool isJumper = lead == engine::leadPA || lead == engine::leadPB;
            if (isJumper && field == engine::relativeDistance)
                continue;
            drawSlot(canvas, input, engine::leadSlot(lead, field), 160 + 80 * lead, 557 + 25 * field);
        }
    }
}

} // namespace report
