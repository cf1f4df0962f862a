#include "drawingrecorder.h"

#include "report/inputsketch.h"
#include "report/pagestyle.h"

#include <gtest/gtest.h>

namespace {

using Call = DrawingRecorder::Call;
using Kind = DrawingRecorder::Kind;

class InputSketch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A canvas left in another state must not change the sketch.
        sketch.setPenStyle(report::PenStyle::Dash);
        sketch.setBrushStyle(report::BrushStyle::Clear);
        report::drawInputSketch(sketch);
    }

    DrawingRecorder sketch;
};

TEST_F(InputSketch, StartsFromAWhiteBackground)
{
    ASSERT_FALSE(sketch.calls.isEmpty());
    const Call &background = sketch.calls[0];
    EXPECT_EQ(background.kind, Kind::Rectangle);
    EXPECT_EQ(background.points, (QVector<QPoint>{QPoint(0, 0), QPoint(550, 220)}));
    EXPECT_EQ(background.penStyle, report::PenStyle::Clear);
    EXPECT_EQ(background.brushStyle, report::BrushStyle::Solid);
    EXPECT_EQ(background.brushColor, report::backgroundColor);

    const Call &border = sketch.calls[1];
    EXPECT_EQ(border.kind, Kind::Rectangle);
    EXPECT_EQ(border.penStyle, report::PenStyle::Solid);
    EXPECT_EQ(border.penColor, report::borderColor);
    EXPECT_EQ(border.penWidth, 2);
}

TEST_F(InputSketch, SixLoadArrowsPointDown)
{
    for (const QPoint &top : {QPoint(77, 52), QPoint(110, 62), QPoint(145, 70), QPoint(189, 75), QPoint(236, 74),
                              QPoint(288, 68)}) {
        const int x = top.x();
        const auto shafts = sketch.select([=](const Call &call) {
            return call.kind == Kind::Line && call.points[0] == top && call.points[1] == top + QPoint(0, 50);
        });
        ASSERT_EQ(shafts.size(), 1) << "x " << x;
        EXPECT_EQ(shafts[0].penColor, report::borderColor);
        EXPECT_EQ(shafts[0].penWidth, 2);
    }
}

TEST_F(InputSketch, ReferenceLinesAreDottedAndLast)
{
    const auto lines = sketch.select([](const Call &call) { return call.kind == Kind::Line; });
    ASSERT_GE(lines.size(), 2);
    const Call &level = lines[lines.size() - 2];
    const Call &chord = lines[lines.size() - 1];
    EXPECT_EQ(level.points, (QVector<QPoint>{QPoint(50, 40), QPoint(320, 40)}));
    EXPECT_EQ(chord.points, (QVector<QPoint>{QPoint(50, 40), QPoint(320, 63)}));
    for (const Call &line : {level, chord}) {
        EXPECT_EQ(line.penStyle, report::PenStyle::Dot);
        EXPECT_EQ(line.penWidth, 1);
        EXPECT_EQ(line.penColor, report::gridColor);
    }
    const int dotted = sketch.indexOf([](const Call &call) { return call.penStyle == report::PenStyle::Dot; });
    EXPECT_EQ(sketch.calls[dotted].points, level.points);

    EXPECT_EQ(sketch.penStyle(), report::PenStyle::Dot);
    EXPECT_EQ(sketch.fontName(), report::reportFontName());
}

TEST_F(InputSketch, SixUsageNotesOnEightLines)
{
    const QStringList expected = {
        QStringLiteral("1.按图示输入参数."),
        QStringLiteral("2.引线位置按图填相对距离."),
        QStringLiteral("3.单导线分裂根数填1."),
        QStringLiteral("4.修改气象参数点选项按钮."),
        QStringLiteral("5.设置引跳线需将对应的标"),
        QStringLiteral("  题处打勾,否则程序计算时"),
        QStringLiteral("  将忽略该荷载."),
        QStringLiteral("6.其它说明详见帮助."),
    };
    for (int i = 0; i < expected.size(); ++i) {
        const auto notes = sketch.textsAt(380, 25 + 25 * i);
        ASSERT_EQ(notes.size(), 1) << "line " << i;
        EXPECT_EQ(notes[0].text, expected[i]);
        EXPECT_EQ(notes[0].fontSize, 10);
        EXPECT_EQ(notes[0].anchor, QStringLiteral("LC"));
    }
}

TEST_F(InputSketch, SubscriptedNamesStandClearOfTheirLines)
{
    // RA ends left of and above structure A, PA starts right of its arrow's
    // tip; the distances stand on their dimension lines.
    const auto ra = sketch.textsAt(40, 25);
    ASSERT_EQ(ra.size(), 1);
    EXPECT_EQ(ra[0].text, QStringLiteral("R$xbksA$xbjs"));
    EXPECT_EQ(ra[0].fontSize, 14);
    EXPECT_EQ(ra[0].anchor, QStringLiteral("RB"));
    const auto pa = sketch.textsAt(80, 102);
    ASSERT_EQ(pa.size(), 1);
    EXPECT_EQ(pa[0].text, QStringLiteral("P$xbksA$xbjs"));
    EXPECT_EQ(pa[0].anchor, QStringLiteral("LB"));
    const auto l1 = sketch.textsAt(80, 165);
    ASSERT_EQ(l1.size(), 1);
    EXPECT_EQ(l1[0].text, QStringLiteral("L1"));
    EXPECT_EQ(l1[0].fontSize, 10);
    EXPECT_EQ(l1[0].anchor, QStringLiteral("MB"));
    EXPECT_EQ(sketch.texts().size(), 21 + 8);
}

} // namespace
