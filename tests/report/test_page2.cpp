#include "recordingcanvas.h"

#include "engine/calculationerror.h"
#include "engine/calculationresult.h"
#include "engine/numbers.h"
#include "report/pages.h"
#include "report/pagestyle.h"

#include <gtest/gtest.h>

#include <limits>

using report::testing::RecordingCanvas;

namespace {

QString numberText(float value, int decimals)
{
    return QString::fromStdString(engine::formatNumber(value, decimals));
}

void expectTextAt(const RecordingCanvas &canvas, int x, int y, const QString &expected, int size = 10)
{
    const auto text = canvas.textCentredOn(x, y);
    ASSERT_TRUE(text.has_value()) << "no single text centred on (" << x << ", " << y << ")";
    EXPECT_EQ(text->text, expected) << "at (" << x << ", " << y << ")";
    EXPECT_EQ(text->fontSize, size) << "at (" << x << ", " << y << ")";
}

TEST(LoadTablePageFixed, HeadingsLabelsAndHalvedColumns)
{
    RecordingCanvas canvas;
    report::drawLoadTablePageFixed(canvas);

    expectTextAt(canvas, 140, 240, QStringLiteral("工况"));
    expectTextAt(canvas, 140, 280, QStringLiteral("最高温度"));
    expectTextAt(canvas, 140, 760, QStringLiteral("划印"));
    expectTextAt(canvas, 250, 200, QStringLiteral("主导线"));
    expectTextAt(canvas, 1050, 200, QStringLiteral("绝缘子串B"));
    // The ninth column, string B, ends at the table's right edge.
    expectTextAt(canvas, 1025, 240, QStringLiteral("Qzh"));
    expectTextAt(canvas, 1075, 240, QStringLiteral("Qfy"));
    expectTextAt(canvas, 750, 162, QStringLiteral("导线特性系数ξ"));
    EXPECT_EQ(canvas.textsEqualTo(QStringLiteral("Qzh")).size(), 9u);

    for (int n = 0; n < 9; ++n) {
        EXPECT_TRUE(canvas.hasLine(200 + 100 * n, 145, 200 + 100 * n, 780)) << n;
        EXPECT_TRUE(canvas.hasLine(250 + 100 * n, 220, 250 + 100 * n, 780)) << n;
    }
    for (int i = 0; i <= 14; ++i)
        EXPECT_TRUE(canvas.hasLine(80, 180 + 40 * i, 1100, 180 + 40 * i)) << i;

    ASSERT_EQ(canvas.rectangles.size(), 2u);
    EXPECT_EQ(canvas.rectangles[0].penWidth, 2);
    for (const auto &text : canvas.texts)
        EXPECT_EQ(text.color, report::fixedTextColor);
    EXPECT_EQ(canvas.penWidth(), 1);
    EXPECT_EQ(canvas.penColor(), report::gridColor);
}

TEST(LoadTablePageFixed, NotesBesideTheTable)
{
    RecordingCanvas canvas;
    report::drawLoadTablePageFixed(canvas);

    const auto unit = canvas.textsEqualTo(QStringLiteral("荷载单位：kgf"));
    ASSERT_EQ(unit.size(), 1u);
    EXPECT_EQ(unit[0].left + unit[0].fontSize * int(unit[0].text.size()), 1100);  // right-aligned
    const auto legend = canvas.textsEqualTo(QStringLiteral("Qzh：综合荷载，Qfy: 风压力"));
    ASSERT_EQ(legend.size(), 1u);
    EXPECT_EQ(legend[0].left, 80);
    EXPECT_EQ(legend[0].centreY(), 135);
}

engine::CalculationResult distinctLoadResult()
{
    engine::CalculationResult result;
    for (int s = 0; s < engine::loadStateCount; ++s) {
        auto &row = result.loadTable[s];
        const float base = 100.0f * float(s);
        row.conductorLoad = base + 1.2345f;
        row.conductorWind = base + 2.3456f;
        row.stringALoad = base + 3.4567f;
        row.stringAWind = base + 4.5678f;
        for (int k = 0; k < engine::leadCount; ++k) {
            row.leadLoad[k] = base + 10.0f * float(k) + 5.0015f;
            row.leadWind[k] = base + 10.0f * float(k) + 6.0004f;
        }
        row.stringBLoad = base + 70.7071f;
        row.stringBWind = base + 80.8081f;
    }
    result.conductorCoefficient = 0.00012345678f;
    result.span.cosGamma = 0.99876f;
    result.span.stringAProjection = 4.5432f;
    result.span.stringBProjection = 3.2109f;
    result.span.voltageLevel = 220;
    result.threePhaseMaintenanceLoad = 100;
    result.singlePhaseMaintenanceLoad = 150;
    return result;
}

TEST(LoadTablePageResults, EveryLoadInItsRowAndColumnWithThreeDecimals)
{
    const auto result = distinctLoadResult();
    RecordingCanvas canvas;
    report::drawLoadTablePageResults(canvas, result);

    for (int s = 0; s < engine::loadStateCount; ++s) {
        const auto &row = result.loadTable[s];
        const int y = 280 + 40 * s;
        expectTextAt(canvas, 225, y, numberText(row.conductorLoad, 3));
        expectTextAt(canvas, 275, y, numberText(row.conductorWind, 3));
        expectTextAt(canvas, 325, y, numberText(row.stringALoad, 3));
        expectTextAt(canvas, 375, y, numberText(row.stringAWind, 3));
        for (int k = 0; k < engine::leadCount; ++k) {
            expectTextAt(canvas, 425 + 100 * k, y, numberText(row.leadLoad[k], 3));
            expectTextAt(canvas, 475 + 100 * k, y, numberText(row.leadWind[k], 3));
        }
        expectTextAt(canvas, 1025, y, numberText(row.stringBLoad, 3));
        expectTextAt(canvas, 1075, y, numberText(row.stringBWind, 3));
    }
    EXPECT_EQ(canvas.texts.size(), 13u * 18u + 5u);
}

TEST(LoadTablePageResults, TopRowValues)
{
    const auto result = distinctLoadResult();
    RecordingCanvas canvas;
    canvas.setFontColor(report::tealResultColor);
    report::drawLoadTablePageResults(canvas, result);

    expectTextAt(canvas, 850, 160, QStringLiteral("0.0001235"));
    expectTextAt(canvas, 250, 162, QStringLiteral("0.999"));
    expectTextAt(canvas, 450, 162, QStringLiteral("4.543"));
    expectTextAt(canvas, 650, 162, QStringLiteral("3.211"));
    expectTextAt(canvas, 1050, 162, QStringLiteral("100/150"));
    for (const auto &text : canvas.texts)
        EXPECT_EQ(text.color, report::tealResultColor);
}

TEST(LoadTablePageResults, MaintenanceLoadsAboveThreeHundredThirtyKilovolts)
{
    auto result = distinctLoadResult();
    result.span.voltageLevel = 500;
    result.threePhaseMaintenanceLoad = 200;
    result.singlePhaseMaintenanceLoad = 350;
    RecordingCanvas canvas;
    report::drawLoadTablePageResults(canvas, result);

    expectTextAt(canvas, 1050, 162, QStringLiteral("200/350"));
}

TEST(LoadTablePageResults, AValueThatIsNotFiniteStopsTheReport)
{
    auto result = distinctLoadResult();
    result.loadTable[12].leadWind[5] = std::numeric_limits<float>::quiet_NaN();
    RecordingCanvas canvas;
    EXPECT_THROW(report::drawLoadTablePageResults(canvas, result), engine::CalculationError);
}

} // namespace
