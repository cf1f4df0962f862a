#include "engine/calculationresult.h"
#include "report/pages.h"
#include "report/pagestyle.h"

#include "drawingrecorder.h"

#include <gtest/gtest.h>

namespace {

using Call = DrawingRecorder::Call;
using Kind = DrawingRecorder::Kind;

float &cell(engine::CalculationResult &result, int column, int row)
{
    return result.stateEquation.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row));
}

QString textAt(const DrawingRecorder &page, int x, int y)
{
    const auto texts = page.textsAt(x, y);
    return texts.size() == 1 ? texts[0].text : QStringLiteral("<%1 texts>").arg(texts.size());
}

/*
 * Every cell of the table distinct: column c, row r holds c·100 + r + 0.5;
 * column 0 is the reference (rows Cn, σn, θn, Δθ, B, A stay 0) and the
 * lightning state is at 0 degC.
 */
engine::CalculationResult distinctTable()
{
    engine::CalculationResult result;
    for (int c = 0; c < engine::stateEquationColumnCount; ++c) {
        for (int r = 0; r < engine::stateEquationRowCount; ++r)
            cell(result, c, r) = static_cast<float>(c * 100 + r) + 0.5f;
    }
    for (int r : {engine::rowCn, engine::rowSigmaN, engine::rowThetaN, engine::rowDeltaTheta, engine::rowB,
                  engine::rowA})
        cell(result, 0, r) = 0;
    cell(result, engine::lightning, engine::rowThetaM) = 0;
    return result;
}

TEST(StressPageResults, ExactZerosLeaveTheirCellsEmpty)
{
    DrawingRecorder page;
    report::drawStressPageResults(page, distinctTable());

    EXPECT_EQ(page.texts().size(), 13 * 11 - 7);
    for (int r : {engine::rowCn, engine::rowSigmaN, engine::rowThetaN, engine::rowDeltaTheta, engine::rowB,
                  engine::rowA})
        EXPECT_TRUE(page.textsAt(365, 280 + 40 * r).isEmpty()) << "row " << r;
    EXPECT_TRUE(page.textsAt(365 + 70 * engine::lightning, 280 + 40 * engine::rowThetaM).isEmpty());

    EXPECT_EQ(textAt(page, 365, 280), QStringLiteral("0.5"));                       // M of the reference
    EXPECT_EQ(textAt(page, 365, 280 + 40 * 12), QStringLiteral("12.5"));            // its sag
    EXPECT_EQ(textAt(page, 365 + 70 * 10, 280 + 40 * 12), QStringLiteral("1012.5")); // single-phase low, f
    EXPECT_EQ(textAt(page, 365 + 70 * 3, 280 + 40 * 7), QStringLiteral("307.5"));
}

TEST(StressPageResults, ValuesThatRoundToZeroAreStillWritten)
{
    // Only an exact 0 means "does not apply"; a tiny Δθ is a real value.
    engine::CalculationResult result;
    cell(result, 2, engine::rowDeltaTheta) = 0.0001f;
    DrawingRecorder page;
    report::drawStressPageResults(page, result);

    ASSERT_EQ(page.texts().size(), 1);
    EXPECT_EQ(textAt(page, 365 + 140, 280 + 40 * engine::rowDeltaTheta), QStringLiteral("0"));
}

TEST(StringingPageResults, EveryCellWrittenZerosIncluded)
{
    DrawingRecorder page;
    report::drawStringingPageResults(page, engine::CalculationResult{});

    // Per block six common rows once and seven rows for each of nine temperatures.
    const auto texts = page.texts();
    EXPECT_EQ(texts.size(), 2 * (6 + 9 * 7));
    for (const Call &text : texts)
        EXPECT_EQ(text.text, QStringLiteral("0"));
    for (const Call &text : texts)
        EXPECT_EQ(text.fontSize, 9);
}

TEST(StringingPageResults, BlocksTakeTheirOwnColumns)
{
    DrawingRecorder page;
    report::drawStringingPageResults(page, distinctTable());

    for (int r = 0; r <= engine::rowThetaN; ++r) {
        EXPECT_EQ(textAt(page, 720, 168 + 24 * r), QString::number(1200 + r + 0.5)) << "row " << r;
        EXPECT_EQ(textAt(page, 720, 480 + 24 * r), QString::number(2200 + r + 0.5)) << "row " << r;
    }
    for (int i = 0; i < 9; ++i) {
        for (int r = engine::rowThetaM; r < engine::stateEquationRowCount; ++r) {
            EXPECT_EQ(textAt(page, 400 + 80 * i, 168 + 24 * r), QString::number((11 + i) * 100 + r + 0.5));
            EXPECT_EQ(textAt(page, 400 + 80 * i, 480 + 24 * r), QString::number((20 + i) * 100 + r + 0.5));
        }
    }
    // The design states belong to page 16 only.
    for (const Call &text : page.texts())
        EXPECT_GE(text.text.toDouble(), 1100.0) << text.text.toStdString();
}

TEST(StressPageFixed, MaintenanceColumnsSplitBelowTheirHeadings)
{
    DrawingRecorder page;
    report::drawStressPageFixed(page);

    EXPECT_TRUE(page.textsComeLast());
    EXPECT_EQ(page.linesBetween(960, 180, 960, 780).size(), 1);  // three-phase | single-phase
    EXPECT_EQ(page.linesBetween(890, 220, 890, 780).size(), 1);  // high | low
    EXPECT_EQ(page.linesBetween(1030, 220, 1030, 780).size(), 1);
    EXPECT_EQ(textAt(page, 230, 280 + 40 * 3), QStringLiteral("Cn(N$sbks3$sbjs/mm$sbks6$sbjs)"));
    EXPECT_EQ(textAt(page, 365 + 70 * 6, 220), QStringLiteral("工频电压"));
    EXPECT_EQ(page.texts().size(), 13 + 7 + 17 + 1);
}

TEST(StringingPageFixed, ColumnLinesOnlyInTheTemperatureRows)
{
    DrawingRecorder page;
    report::drawStringingPageFixed(page);

    EXPECT_TRUE(page.textsComeLast());
    for (int n = 0; n <= 7; ++n) {
        const int x = 440 + 80 * n;
        EXPECT_EQ(page.linesBetween(x, 300, x, 468).size(), 1);
        EXPECT_EQ(page.linesBetween(x, 612, x, 780).size(), 1);
        // Nothing of the column crosses the common rows of the marking block.
        EXPECT_TRUE(page.select([=](const Call &call) {
                            return call.kind == Kind::Line && call.points[0].x() == x && call.points[1].x() == x
                                && qMax(call.points[0].y(), call.points[1].y()) > 468
                                && qMin(call.points[0].y(), call.points[1].y()) < 612;
                        })
                        .isEmpty());
    }
    for (int block : {168, 480})
        EXPECT_EQ(textAt(page, 260, block + 24 * 12), QStringLiteral("f=M/H(m)"));
    EXPECT_EQ(page.texts().size(), 2 * 13 + 4 + 1);
}

} // namespace
