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

TEST_F(InputSketch, ConductorAndStringsInRed)
{
    const auto curves = sketch.select([](const Call &call) { return call.kind == Kind::Bezier; });
    ASSERT_EQ(curves.size(), 1);
    EXPECT_EQ(curves[0].points,
              (QVector<QPoint>{QPoint(50, 40), QPoint(145, 76), QPoint(189, 81), QPoint(320, 63)}));
    const auto strings = sketch.select([](const Call &call) { return call.kind == Kind::Polygon; });
    ASSERT_EQ(strings.size(), 2);
    EXPECT_EQ(strings[0].points, (QVector<QPoint>{QPoint(56, 40), QPoint(78, 48), QPoint(76, 53), QPoint(55, 45)}));
    EXPECT_EQ(strings[1].points,
              (QVector<QPoint>{QPoint(288, 64), QPoint(311, 62), QPoint(312, 67), QPoint(289, 69)}));
    for (const Call &shape : curves + strings) {
        EXPECT_EQ(shape.penColor, report::borderColor);
        EXPECT_EQ(shape.penWidth, 2);
        EXPECT_EQ(shape.brushColor, report::backgroundColor);
    }
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

TEST_F(InputSketch, StructuresAreGreenLegsFromTheAttachmentPoints)
{
    for (const auto &[top, foot] : {std::pair{QPoint(50, 40), QPoint(35, 218)}, std::pair{QPoint(50, 40), QPoint(65, 218)},
                                    std::pair{QPoint(320, 63), QPoint(305, 218)},
                                    std::pair{QPoint(320, 63), QPoint(335, 218)}}) {
        const auto legs = sketch.linesBetween(top.x(), top.y(), foot.x(), foot.y());
        ASSERT_EQ(legs.size(), 1);
        EXPECT_EQ(legs[0].penColor, report::gridColor);
        EXPECT_EQ(legs[0].penWidth, 2);
    }
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

TEST_F(InputSketch, NamesEveryInput)
{
    const auto textAt = [&](int x, int y) {
        const auto texts = sketch.textsAt(x, y);
        return texts.size() == 1 ? texts[0].text : QStringLiteral("<%1 texts>").arg(texts.size());
    };
    EXPECT_EQ(textAt(80, 165), QStringLiteral("L1"));
    EXPECT_EQ(textAt(127, 165), QStringLiteral("L2"));
    EXPECT_EQ(textAt(167, 165), QStringLiteral("L3"));
    EXPECT_EQ(textAt(212, 165), QStringLiteral("L4"));
    EXPECT_EQ(textAt(185, 195), QStringLiteral("L"));
    EXPECT_EQ(textAt(63, 24), QStringLiteral("LA"));
    EXPECT_EQ(textAt(304, 24), QStringLiteral("LB"));
    EXPECT_EQ(textAt(175, 63), QStringLiteral("f"));
    EXPECT_EQ(textAt(340, 51), QStringLiteral("h"));
    EXPECT_EQ(textAt(15, 45), QStringLiteral("H"));
    EXPECT_EQ(textAt(355, 68), QStringLiteral("H"));
    EXPECT_EQ(textAt(48, 42), QStringLiteral("A"));
    EXPECT_EQ(textAt(325, 65), QStringLiteral("B"));
    EXPECT_EQ(textAt(40, 25), QStringLiteral("R$xbksA$xbjs"));
    EXPECT_EQ(textAt(330, 25), QStringLiteral("R$xbksB$xbjs"));
    EXPECT_EQ(textAt(80, 102), QStringLiteral("P$xbksA$xbjs"));
    EXPECT_EQ(textAt(113, 110), QStringLiteral("P$xbks1$xbjs"));
    EXPECT_EQ(textAt(239, 122), QStringLiteral("P$xbks4$xbjs"));
    EXPECT_EQ(textAt(291, 116), QStringLiteral("P$xbksB$xbjs"));

    // The letters at the structures and loads are large, the distances small;
    // each stands on its point by the corner or edge that keeps it clear of
    // the lines it names.
    const auto ra = sketch.textsAt(40, 25).at(0);
    EXPECT_EQ(ra.fontSize, 14);
    EXPECT_EQ(ra.anchor, QStringLiteral("RB"));
    EXPECT_EQ(sketch.textsAt(80, 102).at(0).anchor, QStringLiteral("LB"));
    EXPECT_EQ(sketch.textsAt(48, 42).at(0).anchor, QStringLiteral("RT"));
    const auto l1 = sketch.textsAt(80, 165).at(0);
    EXPECT_EQ(l1.fontSize, 10);
    EXPECT_EQ(l1.anchor, QStringLiteral("MB"));
    EXPECT_EQ(sketch.textsAt(340, 51).at(0).anchor, QStringLiteral("LC"));
    EXPECT_EQ(sketch.texts().size(), 21 + 8);
}

TEST_F(InputSketch, DimensionLinesSpanTheirDistances)
{
    for (const QVector<int> &d : {QVector<int>{50, 165, 110, 165}, QVector<int>{50, 195, 320, 195},
                                  QVector<int>{50, 25, 77, 25}, QVector<int>{288, 25, 320, 25},
                                  QVector<int>{335, 40, 335, 63}, QVector<int>{183, 51, 183, 74}})
        EXPECT_EQ(sketch.linesBetween(d[0], d[1], d[2], d[3]).size(), 1) << d[0] << "," << d[1];
}

} // namespace
