#include "recordingcanvas.h"

#include "engine/calculationerror.h"
#include "engine/calculationinput.h"
#include "engine/calculationresult.h"
#include "engine/numbers.h"
#include "report/pages.h"
#include "report/pagestyle.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using report::testing::RecordingCanvas;

namespace {

QString numberText(float value, int decimals)
{
    return QString::fromStdString(engine::formatNumber(value, decimals));
}

/// Expects exactly one text centred on (x, y), reading \a expected, at \a size points.
void expectTextAt(const RecordingCanvas &canvas, int x, int y, const QString &expected, int size)
{
    const auto text = canvas.textCentredOn(x, y);
    ASSERT_TRUE(text.has_value()) << "no single text centred on (" << x << ", " << y << ")";
    EXPECT_EQ(text->text, expected) << "at (" << x << ", " << y << ")";
    EXPECT_EQ(text->fontSize, size) << "at (" << x << ", " << y << ")";
}

TEST(PageFrame, FirstPageHasNoTitleButItsNumber)
{
    RecordingCanvas canvas;
    report::drawPageFrame(canvas, 0);

    ASSERT_EQ(canvas.texts.size(), 1u);
    expectTextAt(canvas, 1100, 800, QStringLiteral("第1页 共17页"), 9);
}

TEST(PageFrame, LastPageTitleAndNumber)
{
    RecordingCanvas canvas;
    report::drawPageFrame(canvas, 16);

    expectTextAt(canvas, 594, 130, QStringLiteral("安装划印状态方程求解"), 12);
    expectTextAt(canvas, 1100, 800, QStringLiteral("第17页 共17页"), 9);
    for (const auto &text : canvas.texts)
        EXPECT_EQ(text.color, report::fixedTextColor);
}

TEST(PageFrame, WhitensThePageThenDrawsTheRedBorder)
{
    RecordingCanvas canvas;
    report::drawPageFrame(canvas, 3);

    ASSERT_EQ(canvas.rectangles.size(), 2u);
    const auto &page = canvas.rectangles[0];
    EXPECT_EQ(page.order, 0);
    EXPECT_EQ(page.penStyle, report::PenStyle::Clear);
    EXPECT_EQ(page.brushColor, report::backgroundColor);
    EXPECT_EQ(page.right, report::reportPageWidth);
    EXPECT_EQ(page.bottom, report::reportPageHeight);

    const auto &border = canvas.rectangles[1];
    EXPECT_EQ(border.penStyle, report::PenStyle::Solid);
    EXPECT_EQ(border.penWidth, 2);
    EXPECT_EQ(border.penColor, QColor(0xFF, 0, 0));
    EXPECT_EQ(border.left, 20);
    EXPECT_EQ(border.top, 100);
    EXPECT_EQ(border.right, 1168);
    EXPECT_EQ(border.bottom, 820);

    expectTextAt(canvas, 594, 130, QStringLiteral("最大荷载时的M、D计算"), 12);
    EXPECT_EQ(canvas.penWidth(), 1);
    EXPECT_EQ(canvas.penColor(), report::gridColor);
    EXPECT_EQ(canvas.fontName(), QStringLiteral("宋体"));
}

TEST(PageFrame, RefusesAnIndexOutsideTheReport)
{
    RecordingCanvas canvas;
    EXPECT_THROW(report::drawPageFrame(canvas, 17), std::out_of_range);
    EXPECT_THROW(report::drawPageFrame(canvas, -1), std::out_of_range);
}

TEST(SummaryPageFixed, StringSagsAreLabelledInMetres)
{
    RecordingCanvas canvas;
    report::drawSummaryPageFixed(canvas);

    expectTextAt(canvas, 1073, 232, QStringLiteral("fQA(m)"), 8);
    expectTextAt(canvas, 1123, 232, QStringLiteral("fQB(m)"), 8);
    EXPECT_TRUE(canvas.textsEqualTo(QStringLiteral("fQA(kN)")).empty());
    EXPECT_TRUE(canvas.textsEqualTo(QStringLiteral("fQB(kN)")).empty());
    expectTextAt(canvas, 450, 207, QStringLiteral("检修点至A侧的距离(m)"), 8);
}

// Every box is filled white, so a line or a text drawn before a box would vanish.
TEST(SummaryPageFixed, BoxesThenLinesThenTextsAllInBlackOnGreenGrid)
{
    RecordingCanvas canvas;
    canvas.setFontColor(QColor(0x12, 0x34, 0x56));
    report::drawSummaryPageFixed(canvas);

    ASSERT_EQ(canvas.rectangles.size(), 10u);
    int lastBox = 0;
    for (const auto &box : canvas.rectangles) {
        EXPECT_EQ(box.penWidth, 2);
        EXPECT_EQ(box.penColor, report::gridColor);
        EXPECT_EQ(box.brushStyle, report::BrushStyle::Solid);
        EXPECT_EQ(box.brushColor, report::backgroundColor);
        lastBox = std::max(lastBox, box.order);
    }
    int lastLine = 0;
    for (const auto &line : canvas.lines) {
        EXPECT_GT(line.order, lastBox);
        EXPECT_EQ(line.penWidth, 1);
        EXPECT_EQ(line.penColor, report::gridColor);
        lastLine = std::max(lastLine, line.order);
    }
    for (const auto &text : canvas.texts) {
        EXPECT_GT(text.order, lastLine);
        EXPECT_EQ(text.color, report::fixedTextColor);
    }
    EXPECT_EQ(canvas.penWidth(), 1);
    EXPECT_EQ(canvas.fontColor(), report::fixedTextColor);
}

TEST(SummaryPageFixed, GridRowsOfTheLoadTableAndTheDashesOfTheJumpers)
{
    RecordingCanvas canvas;
    report::drawSummaryPageFixed(canvas);

    for (int y = 545; y <= 745; y += 25)
        EXPECT_TRUE(canvas.hasLine(40, y, 600, y)) << y;
    for (int x = 120; x <= 520; x += 80)
        EXPECT_TRUE(canvas.hasLine(x, 520, x, 770)) << x;
    EXPECT_TRUE(canvas.hasLine(140, 757, 180, 757));
    EXPECT_TRUE(canvas.hasLine(540, 757, 580, 757));
    // The marking box's caption cell stays whole.
    EXPECT_TRUE(canvas.hasLine(410, 370, 600, 370));
    EXPECT_FALSE(canvas.hasLine(40, 370, 600, 370));
}

engine::CalculationInput distinctInput()
{
    engine::CalculationInput input;
    for (int slot = 0; slot < engine::CalculationInput::slotCount; ++slot)
        input[slot] = "s" + std::to_string(slot);
    input[engine::slot::spanTitle] = "Ⅰ母线跨线";
    return input;
}

TEST(InputEcho, TitleAndEverySlotAtItsCell)
{
    RecordingCanvas canvas;
    canvas.setFontColor(report::tealResultColor);
    report::drawInputEcho(canvas, distinctInput());

    expectTextAt(canvas, 594, 125, QStringLiteral("Ⅰ母线跨线-软导线实用力学计算书"), 12);
    expectTextAt(canvas, 330, 182, QStringLiteral("s1"), 8);
    expectTextAt(canvas, 570, 207, QStringLiteral("s5"), 8);
    expectTextAt(canvas, 330, 382, QStringLiteral("s19"), 8);
    expectTextAt(canvas, 480, 232, QStringLiteral("s30"), 8);
    expectTextAt(canvas, 570, 282, QStringLiteral("s33"), 8);
    expectTextAt(canvas, 405, 282, QStringLiteral("s34"), 8);
    expectTextAt(canvas, 185, 457, QStringLiteral("s50"), 8);
    expectTextAt(canvas, 465, 457, QStringLiteral("s60"), 8);
    expectTextAt(canvas, 570, 507, QStringLiteral("s65"), 8);
    expectTextAt(canvas, 505, 357, QStringLiteral("s141"), 8);
    expectTextAt(canvas, 540, 407, QStringLiteral("s145"), 8);

    for (int condition = 0; condition < 9; ++condition) {
        expectTextAt(canvas, 130, 207 + 25 * condition, QStringLiteral("s%1").arg(10 + condition), 8);
        expectTextAt(canvas, 190, 207 + 25 * condition, QStringLiteral("s%1").arg(20 + condition), 8);
    }
    for (int lead = 0; lead < 6; ++lead)
        for (int field = 0; field < 8; ++field)
            expectTextAt(canvas, 160 + 80 * lead, 557 + 25 * field,
                         QStringLiteral("s%1").arg(70 + 10 * lead + field), 8);
    for (int lead = 1; lead <= 4; ++lead)
        expectTextAt(canvas, 160 + 80 * lead, 757, QStringLiteral("s%1").arg(78 + 10 * lead), 8);

    // The jumpers' relative distances are not printed: their cells carry a dash.
    EXPECT_TRUE(canvas.textsEqualTo(QStringLiteral("s78")).empty());
    EXPECT_TRUE(canvas.textsEqualTo(QStringLiteral("s128")).empty());
    EXPECT_EQ(canvas.texts.size(), 1u + 32u + 18u + 52u);

    for (const auto &text : canvas.texts)
        EXPECT_EQ(text.color, report::tealResultColor);
    EXPECT_EQ(canvas.fontName(), QStringLiteral("宋体"));
}

TEST(InputEcho, TextsAreShownExactlyAsEntered)
{
    engine::CalculationInput input;
    input[engine::slot::spanLength] = " 30.50";
    input[engine::slot::stringA + engine::stringType] = "2×(XWP-70)";
    RecordingCanvas canvas;
    report::drawInputEcho(canvas, input);

    EXPECT_EQ(canvas.textsEqualTo(QStringLiteral(" 30.50")).size(), 1u);
    EXPECT_EQ(canvas.textsEqualTo(QStringLiteral("2×(XWP-70)")).size(), 1u);
}

/// A result whose every page-1 number differs from the others.
engine::CalculationResult distinctSummaryResult()
{
    engine::CalculationResult result;
    for (int s = 0; s < engine::designStateCount; ++s) {
        auto &row = result.summary[s];
        row.temperature = double(-20.0f + 5.0f * float(s));
        row.tension = 10.1234f + float(s);
        row.sag = 1.0004f + 0.01f * float(s);
        row.reactionA = 2.5555f + float(s);
        row.reactionB = 3.4444f + float(s);
        row.lateralA = 0.1236f * float(s + 1);
        row.lateralB = 0.2227f * float(s + 1);
        row.stringASag = 0.0305f + 0.001f * float(s);
        row.stringBSag = 0.0406f + 0.001f * float(s);
    }
    result.beamLoads = {9.8765f, 8.7654f, 3.1111f, 2.2222f, 4.3333f, 1.4444f};
    for (int i = 0; i < engine::markingTemperatureCount; ++i) {
        auto &column = result.stringingTable[i];
        column.temperature = -10.0f + 5.0f * float(i);
        column.installationTension = 20.0005f + float(i);
        column.installationSag = 0.5f + 0.1f * float(i);
        column.markingTension = 19.0015f + float(i);
        column.markingSag = 0.55f + 0.1f * float(i);
    }
    return result;
}

TEST(SummaryPageResults, EveryValueAtItsCellWithThreeDecimals)
{
    const auto result = distinctSummaryResult();
    RecordingCanvas canvas;
    report::drawSummaryPageResults(canvas, result);

    for (int s = 0; s < engine::designStateCount; ++s) {
        const auto &row = result.summary[s];
        const int y = 257 + 25 * s;
        expectTextAt(canvas, 723, y, QString::fromStdString(engine::formatGeneral(row.temperature)), 9);
        expectTextAt(canvas, 773, y, numberText(row.tension, 3), 9);
        expectTextAt(canvas, 823, y, numberText(row.sag, 3), 9);
        expectTextAt(canvas, 873, y, numberText(row.reactionA, 3), 9);
        expectTextAt(canvas, 923, y, numberText(row.reactionB, 3), 9);
        expectTextAt(canvas, 973, y, numberText(row.lateralA, 3), 9);
        expectTextAt(canvas, 1023, y, numberText(row.lateralB, 3), 9);
        expectTextAt(canvas, 1073, y, numberText(row.stringASag, 3), 9);
        expectTextAt(canvas, 1123, y, numberText(row.stringBSag, 3), 9);
    }
    const auto &beam = result.beamLoads;
    expectTextAt(canvas, 723, 582, numberText(beam.stringingA, 3), 9);
    expectTextAt(canvas, 723, 607, numberText(beam.stringingB, 3), 9);
    expectTextAt(canvas, 773, 582, numberText(beam.threePhaseA, 3), 9);
    expectTextAt(canvas, 773, 607, numberText(beam.threePhaseB, 3), 9);
    expectTextAt(canvas, 823, 582, numberText(beam.singlePhaseA, 3), 9);
    expectTextAt(canvas, 823, 607, numberText(beam.singlePhaseB, 3), 9);

    for (int i = 0; i < engine::markingTemperatureCount; ++i) {
        const auto &column = result.stringingTable[i];
        const int x = 723 + 50 * i;
        expectTextAt(canvas, x, 657, numberText(column.temperature, 0), 9);
        expectTextAt(canvas, x, 682, numberText(column.installationTension, 3), 9);
        expectTextAt(canvas, x, 707, numberText(column.installationSag, 3), 9);
        expectTextAt(canvas, x, 732, numberText(column.markingTension, 3), 9);
        expectTextAt(canvas, x, 757, numberText(column.markingSag, 3), 9);
    }
    EXPECT_EQ(canvas.texts.size(), 11u * 9u + 6u + 9u * 5u);
}

TEST(SummaryPageResults, TemperaturesInGeneralFormatStringingTemperaturesWhole)
{
    auto result = distinctSummaryResult();
    result.summary[0].temperature = double(12.3f);
    result.summary[1].temperature = 40.0;
    result.stringingTable[0].temperature = -5.4f;
    RecordingCanvas canvas;
    report::drawSummaryPageResults(canvas, result);

    expectTextAt(canvas, 723, 257, QStringLiteral("12.3000001907349"), 9);
    expectTextAt(canvas, 723, 282, QStringLiteral("40"), 9);
    expectTextAt(canvas, 723, 657, QStringLiteral("-5"), 9);
}

TEST(SummaryPageResults, DrawnInTheCanvasColourAndLeaveItSo)
{
    RecordingCanvas canvas;
    canvas.setFontColor(report::tealResultColor);
    report::drawSummaryPageResults(canvas, distinctSummaryResult());

    for (const auto &text : canvas.texts)
        EXPECT_EQ(text.color, report::tealResultColor);
    EXPECT_EQ(canvas.fontColor(), report::tealResultColor);
}

TEST(SummaryPageResults, AValueThatIsNotFiniteStopsTheReport)
{
    auto result = distinctSummaryResult();
    result.summary[4].sag = std::numeric_limits<float>::infinity();
    RecordingCanvas canvas;
    EXPECT_THROW(report::drawSummaryPageResults(canvas, result), engine::CalculationError);

    result = distinctSummaryResult();
    result.summary[2].temperature = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(report::drawSummaryPageResults(canvas, result), engine::CalculationError);
    for (const auto &text : canvas.texts) {
        EXPECT_FALSE(text.text.contains(QStringLiteral("nan"), Qt::CaseInsensitive));
        EXPECT_FALSE(text.text.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
    }
}

} // namespace
