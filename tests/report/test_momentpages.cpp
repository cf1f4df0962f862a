#include "engine/calculationerror.h"
#include "engine/calculationresult.h"
#include "report/pagepainter.h"
#include "report/pages.h"
#include "report/pagestyle.h"
#include "report/reportpage.h"

#include "drawingrecorder.h"

#include <QImage>

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

TEST(MomentPageResults, RightJumperGetsTheLastArrow)
{
    engine::StateResult state = stateWithZeroShearPoint();
    state.segments[3].pointLoad = 25.0f;
    DrawingRecorder page;
    report::drawMomentPageResults(page, resultWithState(0, state), 0);

    EXPECT_TRUE(hasArrowDown(page, 4 * 164 + 270));
    EXPECT_EQ(textsOf(page.textsAt(4 * 164 + 270, 445)), QStringList{QStringLiteral("25")});
    EXPECT_FALSE(hasArrowDown(page, 5 * 164 + 270));  // structure B carries no point load
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
    engine::StateResult badReaction = stateWithZeroShearPoint();
    badReaction.reactionA = std::numeric_limits<float>::quiet_NaN();
    engine::StateResult badLoad = stateWithZeroShearPoint();
    badLoad.segments[1].pointLoad = std::numeric_limits<float>::infinity();
    for (const engine::StateResult &state : {badReaction, badLoad}) {
        DrawingRecorder page;
        EXPECT_THROW(report::drawMomentPageResults(page, resultWithState(2, state), 2), engine::CalculationError);
    }
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

// The diagram carries W/N on each sub-conductor: the caption says both.
TEST(MaintenanceCaption, ABundleNamesTheShareOfEachSubConductor)
{
    engine::CalculationResult result = resultWithState(engine::singlePhaseHot, stateWithZeroShearPoint());
    result.singlePhaseMaintenanceLoad = 350;
    for (const auto &[bundle, caption] : {std::pair{2, u"(导线上人检修350kg,每根子导线175kg)"},
                                          std::pair{3, u"(导线上人检修350kg,每根子导线116.667kg)"},
                                          std::pair{1, u"(导线上人检修350kg)"}}) {
        result.span.bundleCount = bundle;
        DrawingRecorder page;
        report::drawMomentPageResults(page, result, engine::singlePhaseHot);
        EXPECT_EQ(textsOf(page.textsAt(594, 160)), QStringList{QString::fromUtf16(caption)}) << bundle;
    }
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

    const auto rectangleAt = [&](int left, int top) {
        return page.indexOf([=](const Call &call) {
            return call.kind == Kind::Rectangle && call.points[0] == QPoint(left, top);
        });
    };
    const int spanLine = page.indexOf([](const Call &call) {
        return call.kind == Kind::Line && call.points[0] == QPoint(288, 400) && call.points[1] == QPoint(1092, 400);
    });
    ASSERT_GE(spanLine, 0);
    EXPECT_EQ(rectangleAt(80, 180), 0);
    EXPECT_GT(rectangleAt(304, 396), spanLine);
    EXPECT_GT(rectangleAt(1028, 396), spanLine);
    EXPECT_TRUE(page.textsComeLast());
    EXPECT_EQ(page.texts().size(), 23);
    for (const Call &text : page.texts())
        EXPECT_EQ(text.fontColor, report::fixedTextColor);
    EXPECT_EQ(page.fontName(), report::reportFontName());
    EXPECT_EQ(page.penColor(), report::gridColor);
}

TEST(MomentPageFixed, MarkingWithoutStringBDrawsNoStringB)
{
    DrawingRecorder page;
    report::drawMomentPageFixed(page, false);
    const auto hasRectangleAt = [&](int left, int top) {
        return page.indexOf([=](const Call &call) {
                   return call.kind == Kind::Rectangle && call.points[0] == QPoint(left, top);
               }) >= 0;
    };
    EXPECT_TRUE(hasRectangleAt(304, 396));
    EXPECT_FALSE(hasRectangleAt(1028, 396));
}

// The row lines of the label column run whole past every label: no text
// background, superscripts included, covers a piece of them. A line of width
// 1 on a whole page unit shades the two pixel rows it runs between, each at
// half strength.
TEST(MomentPageFixed, LabelsLeaveTheRowLinesWhole)
{
    report::ReportPage page(report::reportPageWidth, report::reportPageHeight);
    report::drawMomentPageFixed(page);
    const QImage image = report::renderPageImage(page);
    ASSERT_FALSE(image.isNull());

    const auto shaded = [&](int x, int y) { return image.pixelColor(x, y).red() < 200; };
    for (int y : {340, 380, 420, 460, 500, 540, 580, 620, 660, 700, 740}) {
        for (int x = 125; x <= 275; ++x)
            EXPECT_TRUE(shaded(x, y - 1) && shaded(x, y)) << "row line y " << y << " broken at x " << x;
    }
}

} // namespace
