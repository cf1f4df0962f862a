#include "annotationat.h"
#include "support/spanfixture.h"

#include "engine/designchecks.h"
#include "report/pages.h"
#include "report/reportbuilder.h"
#include "report/reportpage.h"

#include <gtest/gtest.h>

namespace {

using report::MarkupAnnotation;

/// Row centres of the table: state s at y 210 + 20s.
constexpr int rowY(int state) { return 210 + 20 * state; }

/// Every state the same: a failing conductor factor, string A checked and passing, string B not checked.
report::DesignCheckPage failingConductor()
{
    report::DesignCheckPage page;
    for (engine::StateCheck &state : page.checks.states) {
        state.horizontalTension = 20000;
        state.conductorTensionA = 20591.503f;
        state.conductorTensionB = 20545.745f;
        state.stringPullA = 41478.58f;
        state.stringPullB = 41376.576f;
        state.conductorFactor = 3.8851f;
        state.stringFactorA = 7.7148f;
        state.requiredConductorFactor = 4;
        state.requiredStringFactor = 5.3f;
        state.pass = false;
        state.unchecked.stringB = true;
    }
    page.checks.states[engine::installation].pass = true;
    page.checks.states[engine::marking].pass.reset();
    page.checks.conductor = engine::GoverningFactor{3.8851f, engine::maxLoad};
    page.checks.pass = false;
    page.checks.unchecked.stringB = true;
    page.settings.conductorRatedStrength_N = 80000;
    page.settings.stringARatedLoad_kN = 320;
    return page;
}

using testing_span::defaultResult;
using testing_span::defaultSpan;

} // namespace

TEST(DesignCheckPage, EighteenthPageOnlyWhenAskedFor)
{
    EXPECT_EQ(report::buildReport(defaultSpan(), defaultResult(), false).size(), 17u);
    const auto pages = report::buildReport(defaultSpan(), defaultResult(), false, failingConductor());
    ASSERT_EQ(pages.size(), 18u);
    EXPECT_EQ(annotationAt(pages[0], 1100, 800).text, QStringLiteral("第1页 共18页"));
    EXPECT_EQ(annotationAt(pages[17], 1100, 800).text, QStringLiteral("第18页 共18页"));
    EXPECT_EQ(annotationAt(pages[17], 594, 130).text, QStringLiteral("设计校核"));
}

TEST(DesignCheckPage, TableHeadingsAndStates)
{
    report::ReportPage page;
    report::drawDesignCheckPageFixed(page);
    EXPECT_EQ(annotationAt(page, 90, 180).text, QStringLiteral("工况"));
    EXPECT_EQ(annotationAt(page, 260, 172).text, QStringLiteral("T$xbksA$xbjs"));
    EXPECT_EQ(annotationAt(page, 420, 180).text, QStringLiteral("K$xbksc$xbjs"));
    EXPECT_EQ(annotationAt(page, 660, 180).text, QStringLiteral("K$xbkss$xbjs(A)"));
    EXPECT_EQ(annotationAt(page, 1044, 180).text, QStringLiteral("结论"));
    EXPECT_EQ(annotationAt(page, 90, rowY(0)).text, QStringLiteral("最高温度"));
    EXPECT_EQ(annotationAt(page, 90, rowY(12)).text, QStringLiteral("划印"));
    // The table and the inputs keep above y 640; the rest of the page is free.
    EXPECT_LT(page.drawnBounds().bottom, 640);
}

TEST(DesignCheckPage, ValuesAtTheirCells)
{
    report::ReportPage page;
    page.setFontColor(QColor(0, 0, 0));
    report::drawDesignCheckPageResults(page, defaultSpan(), defaultResult(), failingConductor().checks,
                                       failingConductor().settings);
    const int y = rowY(engine::maxWind);
    EXPECT_EQ(annotationAt(page, 180, y).text, QStringLiteral("20"));        // H, kN
    EXPECT_EQ(annotationAt(page, 260, y).text, QStringLiteral("20.592"));    // T_A
    EXPECT_EQ(annotationAt(page, 340, y).text, QStringLiteral("20.546"));    // T_B
    EXPECT_EQ(annotationAt(page, 420, y).text, QStringLiteral("3.885"));     // K_c
    EXPECT_EQ(annotationAt(page, 500, y).text, QStringLiteral("41.479"));    // S_A
    EXPECT_EQ(annotationAt(page, 580, y).text, QStringLiteral("41.377"));    // S_B
    EXPECT_EQ(annotationAt(page, 660, y).text, QStringLiteral("7.715"));     // K_s(A)
    EXPECT_EQ(annotationAt(page, 740, y).text, QStringLiteral("未校核"));    // K_s(B): no rated load
    EXPECT_EQ(annotationAt(page, 820, y).text, QStringLiteral("4"));
    EXPECT_EQ(annotationAt(page, 900, y).text, QStringLiteral("5.3"));
    EXPECT_EQ(annotationAt(page, 680, 490).text, QStringLiteral("80000"));
    EXPECT_EQ(annotationAt(page, 680, 512).text, QStringLiteral("320"));
    EXPECT_EQ(annotationAt(page, 680, 534).text, QStringLiteral("未给定额定破坏荷载, 未校核"));
    EXPECT_EQ(annotationAt(page, 470, 490).text, QStringLiteral("2"));      // the default span's twin bundle
    EXPECT_EQ(annotationAt(page, 120, 490).text, QString::fromStdString(defaultSpan()[engine::slot::conductorType]));
    EXPECT_EQ(annotationAt(page, 190, 622).text, QStringLiteral("3.885 (最大荷载)"));
    EXPECT_EQ(annotationAt(page, 360, 622).text, QStringLiteral("未校核"));
    EXPECT_EQ(annotationAt(page, 1000, 512).text, QStringLiteral("A侧(高差3m)"));  // the default span's h
}

TEST(DesignCheckPage, StringBAbsentWhileMarkingIsNotUnchecked)
{
    report::DesignCheckPage checks = failingConductor();
    engine::StateCheck &marking = checks.checks.states[engine::marking];
    marking.stringFactorB.reset();
    marking.unchecked.stringB = false;
    report::ReportPage page;
    report::drawDesignCheckPageResults(page, defaultSpan(), defaultResult(), checks.checks, checks.settings);
    EXPECT_EQ(annotationAt(page, 740, rowY(engine::marking)).text, QStringLiteral("无B串"));
    EXPECT_EQ(annotationAt(page, 740, rowY(engine::maxLoad)).text, QStringLiteral("未校核"));
}

TEST(DesignCheckPage, FailureIsRedEvenInBlackText)
{
    report::ReportPage page;
    const QColor black(0, 0, 0);
    page.setFontColor(black);
    report::drawDesignCheckPageResults(page, defaultSpan(), defaultResult(), failingConductor().checks,
                                       failingConductor().settings);
    const MarkupAnnotation failed = annotationAt(page, 1044, rowY(engine::maxTemperature));
    EXPECT_EQ(failed.text, QStringLiteral("不满足"));
    EXPECT_EQ(failed.color, QColor(0xFF, 0, 0));
    // Passed where string B was checked by nobody: the verdict says so.
    const MarkupAnnotation passed = annotationAt(page, 1044, rowY(engine::installation));
    EXPECT_EQ(passed.text, QStringLiteral("满足(B串未校核)"));
    EXPECT_EQ(passed.color, black);
    EXPECT_EQ(annotationAt(page, 1044, rowY(engine::marking)).text, QStringLiteral("未校核"));
    EXPECT_EQ(annotationAt(page, 640, 622).color, QColor(0xFF, 0, 0));
    EXPECT_EQ(page.fontColor(), black);
}

TEST(DesignCheckPage, BlankConductorStrengthSaysNotChecked)
{
    report::DesignCheckPage checks = failingConductor();
    checks.settings.conductorRatedStrength_N.reset();
    report::ReportPage page;
    report::drawDesignCheckPageResults(page, defaultSpan(), defaultResult(), checks.checks, checks.settings);
    EXPECT_EQ(annotationAt(page, 680, 490).text, QStringLiteral("未给定额定拉断力, 未校核"));
}

TEST(DesignCheckFrame, EighteenthPageExistsOnlyInAnEighteenPageReport)
{
    report::ReportPage page;
    report::drawPageFrame(page, 17, 18);
    EXPECT_EQ(annotationAt(page, 594, 130).text, QStringLiteral("设计校核"));
    EXPECT_THROW(report::drawPageFrame(page, 17, 17), std::out_of_range);
    EXPECT_THROW(report::drawPageFrame(page, 0, 19), std::out_of_range);
}
