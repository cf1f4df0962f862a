#include "fakecanvas.h"

#include "report/bezierflattening.h"
#include "report/primitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using Stroke = FakeCanvas::Stroke;

TEST(Primitives, ArrowHeadOpensAwayFromTheTip)
{
    FakeCanvas left;
    report::drawArrow(100, 50, 40, 50, left);
    const std::vector<Stroke> leftward = {
        {{100, 50}, {40, 50}}, {{40, 50}, {45, 52}}, {{40, 50}, {45, 48}}};
    EXPECT_EQ(left.strokes, leftward);

    FakeCanvas down;
    report::drawArrow(77, 52, 77, 102, down);
    const std::vector<Stroke> downward = {
        {{77, 52}, {77, 102}}, {{77, 102}, {79, 97}}, {{77, 102}, {75, 97}}};
    EXPECT_EQ(down.strokes, downward);

    FakeCanvas up;
    report::drawArrow(50, 40, 50, 10, up);
    EXPECT_EQ(up.strokes[1], (Stroke{{50, 10}, {52, 15}}));
    EXPECT_EQ(up.strokes[2], (Stroke{{50, 10}, {48, 15}}));
    EXPECT_EQ(up.position, QPoint(48, 15));
}

TEST(Primitives, DimensionHeadsPointOutwardsOnlyInCallerOrder)
{
    FakeCanvas horizontal;
    report::drawDimensionLine(50, 165, 110, 165, horizontal);
    const std::vector<Stroke> outwards = {{{50, 165}, {110, 165}},
                                          {{50, 165}, {55, 167}},
                                          {{50, 165}, {55, 163}},
                                          {{110, 165}, {105, 167}},
                                          {{110, 165}, {105, 163}}};
    EXPECT_EQ(horizontal.strokes, outwards);

    // Reversed points: the heads point inwards.
    FakeCanvas reversed;
    report::drawDimensionLine(100, 50, 40, 50, reversed);
    EXPECT_EQ(reversed.strokes[1], (Stroke{{100, 50}, {105, 52}}));
    EXPECT_EQ(reversed.strokes[3], (Stroke{{40, 50}, {35, 52}}));

    // Not horizontal means vertical, even when slanted.
    FakeCanvas vertical;
    report::drawDimensionLine(335, 40, 340, 63, vertical);
    const std::vector<Stroke> upright = {{{335, 40}, {340, 63}},
                                         {{335, 40}, {333, 45}},
                                         {{335, 40}, {337, 45}},
                                         {{340, 63}, {338, 58}},
                                         {{340, 63}, {342, 58}}};
    EXPECT_EQ(vertical.strokes, upright);
    EXPECT_EQ(vertical.position, QPoint(342, 58));
}

TEST(Primitives, ShapesPassTheirPointsUnchanged)
{
    FakeCanvas canvas;
    report::drawLine(1, 2, 3, 4, canvas);
    EXPECT_EQ(canvas.position, QPoint(3, 4));
    report::drawCircle(700, 600, 10, canvas);
    ASSERT_EQ(canvas.roundRects.size(), 1U);
    EXPECT_EQ(canvas.roundRects[0], (std::vector<int>{690, 590, 710, 610, 20, 20}));

    const report::QuadPoints quad{50, 40, 145, 76, 189, 81, 320, 63};
    report::drawBezier(quad, canvas);
    report::fillQuad(quad, canvas);
    const QVector<QPoint> points = {{50, 40}, {145, 76}, {189, 81}, {320, 63}};
    ASSERT_EQ(canvas.beziers.size(), 1U);
    EXPECT_EQ(canvas.beziers[0], points);
    ASSERT_EQ(canvas.polygons.size(), 1U);
    EXPECT_EQ(canvas.polygons[0], points);
    EXPECT_EQ(canvas.position, QPoint(3, 4)); // curves and fills do not move the pen
}

TEST(Primitives, FlattenedCurvesKeepTheirEndsAndStayNearTheCurve)
{
    const QVector<QPoint> curve = {{50, 40}, {145, 76}, {189, 81}, {320, 63}, {400, 63}, {400, 63}, {400, 63}};
    const QVector<QPoint> polyline = report::flattenBezier(curve);
    ASSERT_GE(polyline.size(), 4);
    EXPECT_EQ(polyline.first(), QPoint(50, 40));
    EXPECT_TRUE(polyline.contains(QPoint(320, 63))); // the joint between the segments
    EXPECT_EQ(polyline.last(), QPoint(400, 63));
    EXPECT_LE(polyline.size(), 2 * 64 + 1);
    // A degenerate segment adds no repeated points.
    for (qsizetype i = 1; i < polyline.size(); ++i) {
        EXPECT_NE(polyline[i], polyline[i - 1]);
    }
    // The curve's midpoint, (50 + 3·145 + 3·189 + 320) / 8 = 171.5, lies on the polyline's path.
    const auto nearMidpoint = std::any_of(polyline.begin(), polyline.end(), [](QPoint p) {
        return std::abs(p.x() - 171) <= 3 && std::abs(p.y() - 71) <= 2;
    });
    EXPECT_TRUE(nearMidpoint);
    EXPECT_TRUE(report::flattenBezier({}).isEmpty());
}
