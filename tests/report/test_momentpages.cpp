#include "drawingrecorder.h"

#include "engine/calculationerror.h"
#include "engine/calculationresult.h"
#include "report/pages.h"
#include "report/pagestyle.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Call = DrawingRecorder::Call;
using Kind = DrawingRecorder::Kind;

/*
 * One lead P1 of 40 kgf at 3 m and the zero-shear point at 6 m; PA carries
 * 12.5 kgf, PB is absent. Segments: string A, A–P1, P1–zero shear, zero
 * shear–string B, string B; e = 5, so the column width is 820 / 5 = 164.
 */
engine::StateResult stateWithZeroShearPoint()
{
    engine::StateResult state;
    state.leadLoad[0] = 12.5f;
    state.points = {{40.0f, 3.0f}, {0.0f, 6.0f}};
    state.reactionA = 321.5f;
    state.reactionB = 298.25f;
    const float pointLoads[] = {12.5f, 40.0f, 0.0f, 0.0f, 0.0f};
    for (int k = 0; k < 5; ++k) {
        engine::Segment segment;
        segment.length = 1.25f + static_cast<float>(k);
        segment.distributedLoad = 10.5f + static_cast<float>(k);
        segment.pointLoad = pointLoads[k];
        segment.shearLeft = 200.5f - 50.0f * static_cast<float>(k);
        segment.shearRight = -150.25f - 50.0f * static_cast<float>(k);
        segment.moment = 31.5f - static_cast<float>(k);
        segment.momentTerm = 7.5f + static_cast<float>(k);
        segment.loadTerm = 0.125f * static_cast<float>(k + 1);
        segment.loadFactorTerm = 7.625f + static_cast<float>(k);
        state.segments.push_back(segment);
    }
    state.maxMoment = 123.4567f;
    state.momentCheck = -0.0001f;
    state.loadFactor = 4321.5f;
    return state;
}

engine::CalculationResult resultWithState(int stateIndex, const engine::StateResult &state)
{
    engine::CalculationResult result;
    result.states.at(static_cast<std::size_t>(stateIndex)) = state;
    result.threePhaseMaintenanceLoad = 100;
    result.singlePhaseMaintenanceLoad = 150;
    return result;
}

QStringList textsOf(const QVector<Call> &calls)
{
    QStringList texts;
    for (const Call &call : calls)
        texts.append(call.text);
    return texts;
}

bool hasArrowDown(const DrawingRecorder &page, int x)
{
    return !page.linesBetween(x, 400, x, 440).isEmpty();
}

TEST(MomentPageResults, NodeLinesDivideTheDiagramsIntoEqualColumns)
{
    DrawingRecorder page;
    report::drawMomentPageResults(page, resultWithState(0, stateWithZeroShearPoint()), 0);

    const auto dashed = page.select([](const Call &call) {
        return call.kind == Kind::Line && call.penStyle == report::PenStyle::Dash;
    });
    ASSERT_EQ(dashed.size(), 4);  // the inner nodes 1..e−1
    for (int i = 1; i <= 4; ++i) {
        const int x = 164 * i;
        EXPECT_EQ(page.linesBetween(x + 270, 345, x + 270, 390).size(), 1) << "node " << i;
        const auto shear = page.linesBetween(x + 280, 460, x + 280, 580);
        const auto factor = page.linesBetween(x + 280, 620, x + 280, 740);
        ASSERT_EQ(shear.size(), 1) << "node " << i;
        ASSERT_EQ(factor.size(), 1) << "node " << i;
        EXPECT_EQ(shear[0].penStyle, report::PenStyle::Solid);
        EXPECT_EQ(factor[0].penStyle, report::PenStyle::Solid);
    }
    // The supports are the table's own lines, not nodes of the diagram.
    EXPECT_TRUE(page.linesBetween(270, 345, 270, 390).isEmpty());
    EXPECT_TRUE(page.linesBetween(5 * 164 + 270, 345, 5 * 164 + 270, 390).isEmpty());
    EXPECT_EQ(page.penStyle(), report::PenStyle::Solid);
}

TEST(MomentPageResults, ArrowsOnlyWhereALoadActs)
{
    DrawingRecorder page;
    report::drawMomentPageResults(page, resultWithState(0, stateWithZeroShearPoint()), 0);

    EXPECT_TRUE(hasArrowDown(page, 164 + 270));      // PA
    EXPECT_TRUE(hasArrowDown(page, 2 * 164 + 270));  // P1
    EXPECT_FALSE(hasArrowDown(page, 3 * 164 + 270)); // the zero-shear point
    EXPECT_FALSE(hasArrowDown(page, 4 * 164 + 270)); // PB, absent

    EXPECT_EQ(textsOf(page.textsAt(164 + 270, 445)), QStringList{QStringLiteral("12.5")});
    EXPECT_EQ(textsOf(page.textsAt(2 * 164 + 270, 445)), QStringList{QStringLiteral("40")});
    EXPECT_EQ(page.textsAt(164 + 270, 445).at(0).anchor, QStringLiteral("MT"));
    EXPECT_EQ(page.textsAt(164 + 270, 445).at(0).fontSize, 9);
    EXPECT_TRUE(page.textsAt(3 * 164 + 270, 445).isEmpty());
    EXPECT_TRUE(page.textsAt(4 * 164 + 270, 445).isEmpty());
}

TEST(MomentPageResults, RightJumperAndMaintenanceLoadGetArrows)
{
    // PA absent, a maintenance load of 100 kgf as the only entry, PB 25 kgf.
    engine::StateResult state;
    state.points = {{100.0f, 5.0f}};
    state.leadLoad[5] = 25.0f;
    const float pointLoads[] = {0.0f, 100.0f, 25.0f, 0.0f};
    for (float load : pointLoads) {
        engine::Segment segment;
        segment.length = 1;
        segment.pointLoad = load;
        state.segments.push_back(segment);
    }
    DrawingRecorder page;
    report::drawMomentPageResults(page, resultWithState(engine::threePhaseHot, state), engine::threePhaseHot);

    const int w = 820 / 4;
    EXPECT_FALSE(hasArrowDown(page, w + 270));
    EXPECT_TRUE(hasArrowDown(page, 2 * w + 270));
    EXPECT_TRUE(hasArrowDown(page, 3 * w + 270));
    EXPECT_FALSE(hasArrowDown(page, 4 * w + 270));
    EXPECT_EQ(textsOf(page.textsAt(3 * w + 270, 445)), QStringList{QStringLiteral("25")});
}

TEST(MomentPageResults, SegmentValuesStandAtTruncatedColumnCentres)
{
    // Seven segments: w = 117, so the centres fall on half units (338.5 + 117k)
    // and are truncated.
    engine::StateResult state;
    for (int k = 0; k < 7; ++k) {
        engine::Segment segment;
        segment.length = 0.5f + static_cast<float>(k);
        segment.distributedLoad = 2.25f + static_cast<float>(k);
        segment.shearLeft = 3.5f;
        segment.shearRight = -4.5f;
        segment.moment = -0.5f;
        segment.momentTerm = 1.75f;
        segment.loadTerm = 0.0625f;
        segment.loadFactorTerm = 1.8125f;
        state.segments.push_back(segment);
    }
    DrawingRecorder page;
    report::drawMomentPageResults(page, resultWithState(1, state), 1);

    for (int k = 0; k < 7; ++k) {
        const int xc = 338 + 117 * k;
        const QString length = QString::number(0.5 + k);
        const QString load = QString::number(2.25 + k);
        EXPECT_EQ(textsOf(page.textsAt(xc - 10, 380)), QStringList{length}) << "segment " << k;
        EXPECT_EQ(textsOf(page.textsAt(xc - 10, 420)), QStringList{load}) << "segment " << k;
        EXPECT_EQ(textsOf(page.textsAt(xc, 480)), QStringList{QStringLiteral("3.5")});
        EXPECT_EQ(textsOf(page.textsAt(xc, 520)), QStringList{QStringLiteral("-4.5")});
        EXPECT_EQ(textsOf(page.textsAt(xc, 560)), QStringList{QStringLiteral("-0.5")});
        EXPECT_EQ(textsOf(page.textsAt(xc, 640)), QStringList{QStringLiteral("1.75")});
        EXPECT_EQ(textsOf(page.textsAt(xc, 680)), QStringList{QStringLiteral("0.063")});
        EXPECT_EQ(textsOf(page.textsAt(xc, 720)), QStringList{QStringLiteral("1.813")});
        // The load-factor rows are written one size larger than the rest.
        EXPECT_EQ(page.textsAt(xc, 560).at(0).fontSize, 9);
        EXPECT_EQ(page.textsAt(xc, 720).at(0).fontSize, 10);
    }
}

TEST(MomentPageResults, ReactionsMomentCheckAndLoadFactor)
{
    DrawingRecorder page;
    report::drawMomentPageResults(page, resultWithState(0, stateWithZeroShearPoint()), 0);

    EXPECT_EQ(textsOf(page.textsAt(590, 240)), QStringList{QStringLiteral("RA = 321.5")});
    EXPECT_EQ(textsOf(page.textsAt(590, 280)), QStringList{QStringLiteral("RB = 298.25")});
    EXPECT_EQ(page.textsAt(590, 280).at(0).anchor, QStringLiteral("LC"));
    EXPECT_EQ(page.textsAt(590, 280).at(0).fontSize, 12);
    // A check sum that is zero up to rounding prints as 0, never as -0.
    EXPECT_EQ(textsOf(page.textsAt(690, 600)), QStringList{QStringLiteral("M = 123.457   校验∑M = 0")});
    EXPECT_EQ(textsOf(page.textsAt(690, 760)), QStringList{QStringLiteral("4321.5")});
}

TEST(MomentPageResults, ResultsKeepTheCallersColourAndLeaveThePenSolid)
{
    DrawingRecorder page;
    page.setFontColor(report::tealResultColor);
    report::drawMomentPageResults(page, resultWithState(12, stateWithZeroShearPoint()), 12);

    const auto texts = page.texts();
    ASSERT_FALSE(texts.isEmpty());
    for (const Call &text : texts)
        EXPECT_EQ(text.fontColor, report::tealResultColor) << text.text.toStdString();
    EXPECT_EQ(page.fontColor(), report::tealResultColor);
    EXPECT_EQ(page.penStyle(), report::PenStyle::Solid);
}

TEST(MomentPageResults, StateWithoutSegmentsDrawsNoDiagram)
{
    engine::StateResult state;
    state.reactionA = 1;
    DrawingRecorder page;
    report::drawMomentPageResults(page, resultWithState(3, state), 3);

    EXPECT_TRUE(page.select([](const Call &call) { return call.kind == Kind::Line; }).isEmpty());
    EXPECT_EQ(textsOf(page.textsAt(590, 240)), QStringList{QStringLiteral("RA = 1")});
    EXPECT_EQ(textsOf(page.textsAt(690, 760)), QStringList{QStringLiteral("0")});
}

TEST(MomentPageResults, AValueThatIsNotFiniteStopsTheReport)
{
    // A broken figure must never reach a signed report as "nan" or "inf".
    for (float engine::StateResult::*field : {&engine::StateResult::reactionA, &engine::StateResult::maxMoment,
                                               &engine::StateResult::momentCheck}) {
        engine::StateResult state = stateWithZeroShearPoint();
        state.*field = std::numeric_limits<float>::quiet_NaN();
        DrawingRecorder page;
        EXPECT_THROW(report::drawMomentPageResults(page, resultWithState(2, state), 2), engine::CalculationError);
    }
    engine::StateResult state = stateWithZeroShearPoint();
    state.segments[1].pointLoad = std::numeric_limits<float>::infinity();
    DrawingRecorder page;
    EXPECT_THROW(report::drawMomentPageResults(page, resultWithState(2, state), 2), engine::CalculationError);
}

TEST(MomentPageResults, RejectsAStateOutsideTheThirteen)
{
    DrawingRecorder page;
    const engine::CalculationResult result;
    EXPECT_THROW(report::drawMomentPageResults(page, result, 13), std::out_of_range);
    EXPECT_THROW(report::drawMomentPageResults(page, result, -1), std::out_of_range);
}

struct CaptionCase
{
    int state;
    float threePhaseLoad;
    float singlePhaseLoad;
    const char16_t *caption;  ///< nullptr: the page carries no caption
};

class MaintenanceCaption : public ::testing::TestWithParam<CaptionCase>
{};

TEST_P(MaintenanceCaption, NamesTheLoadOfItsState)
{
    const CaptionCase &c = GetParam();
    engine::CalculationResult result = resultWithState(c.state, stateWithZeroShearPoint());
    result.threePhaseMaintenanceLoad = c.threePhaseLoad;
    result.singlePhaseMaintenanceLoad = c.singlePhaseLoad;
    DrawingRecorder page;
    report::drawMomentPageResults(page, result, c.state);

    const QStringList captions = textsOf(page.textsAt(594, 160));
    if (c.caption == nullptr)
        EXPECT_TRUE(captions.isEmpty());
    else
        EXPECT_EQ(captions, QStringList{QString::fromUtf16(c.caption)});
}

INSTANTIATE_TEST_SUITE_P(
    UpToAndAbove330kV, MaintenanceCaption,
    ::testing::Values(CaptionCase{engine::threePhaseHot, 100, 150, u"(导线上人检修100kg)"},
                      CaptionCase{engine::threePhaseCold, 100, 150, u"(导线上人检修100kg)"},
                      CaptionCase{engine::singlePhaseHot, 100, 150, u"(导线上人检修150kg)"},
                      CaptionCase{engine::singlePhaseCold, 100, 150, u"(导线上人检修150kg)"},
                      CaptionCase{engine::threePhaseHot, 200, 350, u"(导线上人检修200kg)"},
                      CaptionCase{engine::threePhaseCold, 200, 350, u"(导线上人检修200kg)"},
                      CaptionCase{engine::singlePhaseHot, 200, 350, u"(导线上人检修350kg)"},
                      CaptionCase{engine::singlePhaseCold, 200, 350, u"(导线上人检修350kg)"},
                      CaptionCase{engine::powerFrequency, 100, 150, nullptr},
                      CaptionCase{engine::installation, 200, 350, nullptr}));

TEST(MomentPageFixed, StringBoxesHideTheSpanLineAndTextsComeLast)
{
    DrawingRecorder page;
    report::drawMomentPageFixed(page);

    const auto isRect = [](int l, int t, int r, int b) {
        return [=](const Call &call) {
            return call.kind == Kind::Rectangle && call.points[0] == QPoint(l, t) && call.points[1] == QPoint(r, b);
        };
    };
    const int spanLine = page.indexOf([](const Call &call) {
        return call.kind == Kind::Line && call.points[0] == QPoint(288, 400) && call.points[1] == QPoint(1092, 400);
    });
    const int stringA = page.indexOf(isRect(304, 396, 352, 404));
    const int stringB = page.indexOf(isRect(1028, 396, 1076, 404));
    const int box = page.indexOf(isRect(80, 180, 1100, 780));
    ASSERT_GE(spanLine, 0);
    EXPECT_GT(stringA, spanLine);
    EXPECT_GT(stringB, spanLine);
    EXPECT_EQ(box, 0);
    for (const Call &rect : page.select([](const Call &call) { return call.kind == Kind::Rectangle; }))
        EXPECT_EQ(rect.brushStyle, report::BrushStyle::Solid);

    const int firstText = page.indexOf([](const Call &call) { return call.kind == Kind::Markup; });
    int lastShape = -1;
    for (int i = 0; i < page.calls.size(); ++i) {
        if (page.calls[i].kind != Kind::Text && page.calls[i].kind != Kind::Markup)
            lastShape = i;
    }
    EXPECT_GT(firstText, lastShape);
    for (const Call &text : page.texts())
        EXPECT_EQ(text.fontColor, report::fixedTextColor);
    EXPECT_EQ(page.fontName(), report::reportFontName());
    EXPECT_EQ(page.penColor(), report::gridColor);
    EXPECT_EQ(page.penWidth(), 1);
}

TEST(MomentPageFixed, LabelsAndVerticalCaptions)
{
    DrawingRecorder page;
    report::drawMomentPageFixed(page);

    EXPECT_EQ(textsOf(page.textsAt(180, 260)), QStringList{QStringLiteral("支点反力(kgf)")});
    EXPECT_EQ(textsOf(page.textsAt(200, 360)), QStringList{QStringLiteral("△L(m)")});
    EXPECT_EQ(textsOf(page.textsAt(180, 600)), QStringList{QStringLiteral("M=∑△M(kgf·m)")});
    EXPECT_EQ(textsOf(page.textsAt(100, 500)), QStringList{QStringLiteral("力")});
    EXPECT_EQ(textsOf(page.textsAt(100, 760)), QStringList{QStringLiteral("数")});
    EXPECT_EQ(textsOf(page.textsAt(200, 760)), QStringList{QStringLiteral("D=∑△D(kgf$sbks2$sbjs·m)")});
    EXPECT_EQ(textsOf(page.textsAt(200, 710)), QStringList{QStringLiteral("△D=△M$sbks2$sbjs/△L+△L×")});
    EXPECT_EQ(textsOf(page.textsAt(200, 730)), QStringList{QStringLiteral("(q△L)$sbks2$sbjs/12 (kgf$sbks2$sbjs·m)")});
    for (const Call &label : page.texts()) {
        EXPECT_EQ(label.fontSize, 10);
        EXPECT_EQ(label.anchor, QStringLiteral("MC"));
    }
    EXPECT_EQ(page.texts().size(), 23);
}

} // namespace
