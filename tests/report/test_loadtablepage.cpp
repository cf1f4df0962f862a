#include "engine/calculationresult.h"
#include "engine/numberformatting.h"
#include "report/pages.h"
#include "report/pagestyle.h"

#include "drawingrecorder.h"

#include <gtest/gtest.h>

namespace {

QString textAt(const DrawingRecorder &canvas, int x, int y)
{
    const auto texts = canvas.textsAt(x, y);
    return texts.size() == 1 ? texts[0].text : QString();
}

TEST(LoadTablePageFixed, NinthColumnEndsAtTheTableEdge)
{
    DrawingRecorder canvas;
    report::drawLoadTablePageFixed(canvas);

    EXPECT_EQ(textAt(canvas, 1050, 200), QStringLiteral("绝缘子串B"));
    EXPECT_EQ(textAt(canvas, 1025, 240), QStringLiteral("Qzh"));
    EXPECT_EQ(textAt(canvas, 1075, 240), QStringLiteral("Qfy"));
    EXPECT_EQ(canvas.linesBetween(1050, 220, 1050, 780).size(), 1);
    EXPECT_EQ(textAt(canvas, 140, 240), QStringLiteral("工况"));
    EXPECT_EQ(textAt(canvas, 140, 760), QStringLiteral("划印"));
    EXPECT_EQ(canvas.penColor(), report::gridColor);
    EXPECT_EQ(canvas.fontColor(), report::fixedTextColor);
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
    result.threePhaseMaintenanceLoad = 100;
    result.singlePhaseMaintenanceLoad = 150;
    return result;
}

TEST(LoadTablePageResults, EachLoadInItsColumnWithThreeDecimals)
{
    const auto result = distinctLoadResult();
    DrawingRecorder canvas;
    report::drawLoadTablePageResults(canvas, result);

    const auto &row = result.loadTable[12];
    const float expected[18] = {row.conductorLoad, row.conductorWind, row.stringALoad, row.stringAWind,
                                row.leadLoad[0], row.leadWind[0], row.leadLoad[1], row.leadWind[1],
                                row.leadLoad[2], row.leadWind[2], row.leadLoad[3], row.leadWind[3],
                                row.leadLoad[4], row.leadWind[4], row.leadLoad[5], row.leadWind[5],
                                row.stringBLoad, row.stringBWind};
    for (int cell = 0; cell < 18; ++cell) {
        const QString number = QString::fromStdString(engine::formatNumber(expected[cell], 3));
        EXPECT_EQ(textAt(canvas, 225 + 50 * cell, 760), number) << "cell " << cell;
    }
    EXPECT_EQ(canvas.texts().size(), 13 * 18 + 5);
}

TEST(LoadTablePageResults, TopRowValues)
{
    auto result = distinctLoadResult();
    DrawingRecorder canvas;
    report::drawLoadTablePageResults(canvas, result);

    EXPECT_EQ(textAt(canvas, 850, 160), QStringLiteral("0.0001235"));
    EXPECT_EQ(textAt(canvas, 250, 162), QStringLiteral("0.999"));
    EXPECT_EQ(textAt(canvas, 450, 162), QStringLiteral("4.543"));
    EXPECT_EQ(textAt(canvas, 650, 162), QStringLiteral("3.211"));
    EXPECT_EQ(textAt(canvas, 1050, 162), QStringLiteral("100/150"));

    result.threePhaseMaintenanceLoad = 200;
    result.singlePhaseMaintenanceLoad = 350;
    DrawingRecorder highVoltage;
    report::drawLoadTablePageResults(highVoltage, result);
    EXPECT_EQ(textAt(highVoltage, 1050, 162), QStringLiteral("200/350"));
}

} // namespace
