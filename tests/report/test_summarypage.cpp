#include "engine/calculationinput.h"
#include "engine/calculationresult.h"
#include "engine/numberformatting.h"
#include "report/pages.h"
#include "report/pagestyle.h"

#include "drawingrecorder.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using Kind = DrawingRecorder::Kind;

QString numberText(float value, int decimals)
{
    return QString::fromStdString(engine::formatNumber(value, decimals));
}

/// The one text anchored on (x, y); empty when there is none or several.
QString textAt(const DrawingRecorder &canvas, int x, int y)
{
    const auto texts = canvas.textsAt(x, y);
    return texts.size() == 1 ? texts[0].text : QString();
}

TEST(PageFrame, FirstPageHasOnlyItsNumber)
{
    DrawingRecorder canvas;
    report::drawPageFrame(canvas, 0);

    ASSERT_EQ(canvas.texts().size(), 1);
    EXPECT_EQ(textAt(canvas, 1100, 800), QStringLiteral("第1页 共17页"));
}

TEST(PageFrame, LastPageTitleAndNumberInBlack)
{
    DrawingRecorder canvas;
    canvas.setFontColor(report::tealResultColor);
    report::drawPageFrame(canvas, 16);

    EXPECT_EQ(textAt(canvas, 594, 130), QStringLiteral("安装划印状态方程求解"));
    EXPECT_EQ(textAt(canvas, 1100, 800), QStringLiteral("第17页 共17页"));
    for (const auto &text : canvas.texts())
        EXPECT_EQ(text.fontColor, report::fixedTextColor) << text.text.toStdString();
}

// The first rectangle must whiten the whole page without an outline, or a
// reused canvas would keep the previous page's drawing.
TEST(PageFrame, WhitensThePageThenDrawsTheRedBorder)
{
    DrawingRecorder canvas;
    report::drawPageFrame(canvas, 3);

    ASSERT_GE(canvas.calls.size(), 2);
    const auto &page = canvas.calls[0];
    EXPECT_EQ(page.kind, Kind::Rectangle);
    EXPECT_EQ(page.penStyle, report::PenStyle::Clear);
    EXPECT_EQ(page.brushColor, report::backgroundColor);
    EXPECT_EQ(page.points[1], QPoint(1188, 840));

    const auto &border = canvas.calls[1];
    EXPECT_EQ(border.kind, Kind::Rectangle);
    EXPECT_EQ(border.penWidth, 2);
    EXPECT_EQ(border.penColor, QColor(0xFF, 0, 0));
    EXPECT_EQ(border.points, (QVector<QPoint>{{20, 100}, {1168, 820}}));

    EXPECT_EQ(textAt(canvas, 594, 130), QStringLiteral("最大荷载时的M、D计算"));
    EXPECT_EQ(canvas.penColor(), report::gridColor);
}

TEST(PageFrame, RefusesAnIndexOutsideTheReport)
{
    DrawingRecorder canvas;
    EXPECT_THROW(report::drawPageFrame(canvas, 17), std::out_of_range);
    EXPECT_THROW(report::drawPageFrame(canvas, -1), std::out_of_range);
}

TEST(SummaryPageFixed, StringSagsAreLabelledInMetres)
{
    DrawingRecorder canvas;
    report::drawSummaryPageFixed(canvas);

    EXPECT_EQ(textAt(canvas, 1073, 232), QStringLiteral("fQA(m)"));
    EXPECT_EQ(textAt(canvas, 1123, 232), QStringLiteral("fQB(m)"));
    EXPECT_EQ(textAt(canvas, 450, 207), QStringLiteral("检修点至A侧的距离(m)"));
}

// Every box is filled white, so a line or text drawn before a box would vanish.
TEST(SummaryPageFixed, BoxesThenLinesThenTextsInBlack)
{
    DrawingRecorder canvas;
    canvas.setFontColor(report::tealResultColor);
    report::drawSummaryPageFixed(canvas);

    const int firstLine = canvas.indexOf([](const auto &call) { return call.kind == Kind::Line; });
    const auto boxes = canvas.select([](const auto &call) { return call.kind == Kind::Rectangle; });
    ASSERT_EQ(boxes.size(), 10);
    EXPECT_EQ(firstLine, 10);
    for (const auto &box : boxes) {
        EXPECT_EQ(box.penWidth, 2);
        EXPECT_EQ(box.brushColor, report::backgroundColor);
    }
    EXPECT_TRUE(canvas.textsComeLast());
    for (const auto &text : canvas.texts())
        EXPECT_EQ(text.fontColor, report::fixedTextColor) << text.text.toStdString();
    EXPECT_EQ(canvas.fontColor(), report::fixedTextColor);
    // The jumpers hang at the strings: their relative-distance cells get a dash.
    EXPECT_EQ(canvas.linesBetween(140, 757, 180, 757).size(), 1);
    EXPECT_EQ(canvas.linesBetween(540, 757, 580, 757).size(), 1);
}

TEST(InputEcho, EveryTextAsEnteredInTheResultColourButTheJumpersDistances)
{
    engine::CalculationInput input;
    for (int slot = 0; slot < engine::CalculationInput::slotCount; ++slot)
        input[slot] = "s" + std::to_string(slot);
    input[engine::slot::spanTitle] = "Ⅰ母线跨线";
    input[engine::slot::spanLength] = " 30.50";
    DrawingRecorder canvas;
    canvas.setFontColor(report::tealResultColor);
    report::drawInputEcho(canvas, input);

    EXPECT_EQ(textAt(canvas, 594, 125), QStringLiteral("Ⅰ母线跨线-软导线实用力学计算书"));
    EXPECT_EQ(textAt(canvas, 450, 182), QStringLiteral(" 30.50"));
    EXPECT_EQ(textAt(canvas, 190, 407), QStringLiteral("s28"));   // wind of the ninth condition
    EXPECT_EQ(textAt(canvas, 560, 732), QStringLiteral("s127"));  // fittings of PB
    EXPECT_EQ(textAt(canvas, 480, 757), QStringLiteral("s118"));  // relative distance of P4
    EXPECT_TRUE(canvas.textsAt(160, 757).isEmpty());
    EXPECT_TRUE(canvas.textsAt(560, 757).isEmpty());
    EXPECT_EQ(canvas.texts().size(), 1 + 32 + 18 + 52);
    for (const auto &text : canvas.texts()) {
        EXPECT_EQ(text.fontColor, report::tealResultColor);
        EXPECT_EQ(text.fontSize, text.text.endsWith(QStringLiteral("计算书")) ? 12 : 8);
    }
    EXPECT_EQ(canvas.fontName(), QStringLiteral("宋体"));
}

engine::CalculationResult distinctSummaryResult()
{
    engine::CalculationResult result;
    for (int s = 0; s < engine::designStateCount; ++s) {
        const float f = float(s);
        result.summary[s] = {-20.0f + 5.0f * f, 10.1234f + f, 1.0004f + f, 2.5555f + f, 3.4444f + f,
                             0.1236f + f, 0.2227f + f, 0.0305f + f, 0.0406f + f};
    }
    result.beamLoads = {9.8765f, 8.7654f, 3.1111f, 2.2222f, 4.3333f, 1.4444f};
    for (int i = 0; i < engine::markingTemperatureCount; ++i) {
        const float f = float(i);
        result.stringingTable[i] = {-10.4f + 5.0f * f, 20.0005f + f, 0.5004f + f, 19.0015f + f, 0.5506f + f};
    }
    return result;
}

TEST(SummaryPageResults, EachQuantityInItsColumnAndRow)
{
    const auto result = distinctSummaryResult();
    DrawingRecorder canvas;
    report::drawSummaryPageResults(canvas, result);

    const auto &last = result.summary[10];
    EXPECT_EQ(textAt(canvas, 773, 507), numberText(last.tension, 3));
    EXPECT_EQ(textAt(canvas, 823, 507), numberText(last.sag, 3));
    EXPECT_EQ(textAt(canvas, 873, 507), numberText(last.reactionA, 3));
    EXPECT_EQ(textAt(canvas, 923, 507), numberText(last.reactionB, 3));
    EXPECT_EQ(textAt(canvas, 973, 507), numberText(last.lateralA, 3));
    EXPECT_EQ(textAt(canvas, 1023, 507), numberText(last.lateralB, 3));
    EXPECT_EQ(textAt(canvas, 1073, 507), numberText(last.stringASag, 3));
    EXPECT_EQ(textAt(canvas, 1123, 507), numberText(last.stringBSag, 3));

    const auto &beam = result.beamLoads;
    EXPECT_EQ(textAt(canvas, 723, 607), numberText(beam.stringingB, 3));
    EXPECT_EQ(textAt(canvas, 773, 582), numberText(beam.threePhaseA, 3));
    EXPECT_EQ(textAt(canvas, 823, 607), numberText(beam.singlePhaseB, 3));

    const auto &column = result.stringingTable[8];
    EXPECT_EQ(textAt(canvas, 1123, 657), QStringLiteral("30"));
    EXPECT_EQ(textAt(canvas, 1123, 682), numberText(column.installationTension, 3));
    EXPECT_EQ(textAt(canvas, 1123, 707), numberText(column.installationSag, 3));
    EXPECT_EQ(textAt(canvas, 1123, 732), numberText(column.markingTension, 3));
    EXPECT_EQ(textAt(canvas, 1123, 757), numberText(column.markingSag, 3));
    EXPECT_EQ(canvas.texts().size(), 11 * 9 + 6 + 9 * 5);
    for (const auto &text : canvas.texts())
        EXPECT_EQ(text.fontSize, 9);
}

TEST(SummaryPageResults, TemperaturesInGeneralFormatStringingTemperaturesWhole)
{
    auto result = distinctSummaryResult();
    result.summary[0].temperature = 12.3f;
    result.summary[1].temperature = 40.0f;
    result.stringingTable[0].temperature = -5.5f;
    DrawingRecorder canvas;
    report::drawSummaryPageResults(canvas, result);

    // The stored float prints as the decimal typed, not as its binary digits.
    EXPECT_EQ(textAt(canvas, 723, 257), QStringLiteral("12.3"));
    EXPECT_EQ(textAt(canvas, 723, 282), QStringLiteral("40"));
    EXPECT_EQ(textAt(canvas, 723, 657), QStringLiteral("-5"));
}

} // namespace
