// Page 18, lower part: the handbook's H and f beside the exact chain's.
#include "annotationat.h"

#include "engine/calculationresult.h"
#include "report/pages.h"
#include "report/reportpage.h"

#include <gtest/gtest.h>

namespace {

using report::MarkupAnnotation;

// Column centres of the design states and row centres of the figures.
constexpr int stateX(int state) { return 252 + 85 * state; }
constexpr int handbookHY = 684, exactHY = 700, dHY = 716, handbookFY = 732, exactFY = 748, dFY = 764;
constexpr int noteY = 783;

bool anyTextAt(const report::ReportPage &page, int x, int y)
{
    for (const MarkupAnnotation &a : page.markupAnnotations())
        if (a.x == x && a.y == y)
            return true;
    return false;
}

/// Every design state within 1 %, then 最大荷载 off by 6.2 % in H and 最大风速 not converged.
engine::CalculationResult comparedResult()
{
    engine::CalculationResult result;
    for (int s = 0; s < engine::designStateCount; ++s) {
        result.stateEquation[s][engine::rowH] = 5198.374f;
        result.stateEquation[s][engine::rowF] = 2.0f;
        engine::CatenaryStateCheck &check = result.catenary.states[s];
        check.converged = true;
        check.tension = 5183.115f;
        check.sag = 1.98765f;
        check.tensionDifference = 0.29441f;
        check.sagDifference = 0.62134f;
        check.iterations = 3;
    }
    result.catenary.states[engine::maxLoad].tensionDifference = -6.2049f;
    result.catenary.states[engine::maxWind] = {};
    result.catenary.states[engine::maxWind].failure = "悬链线校核:牛顿迭代60步内未收敛.";
    return result;
}

} // namespace

TEST(CatenaryCheckPanel, GridLabelsAndStatementOfTheModel)
{
    report::ReportPage page;
    report::drawCatenaryCheckFixed(page);
    EXPECT_EQ(annotationAt(page, 46, 668).text, QStringLiteral("工况"));
    EXPECT_EQ(annotationAt(page, 46, handbookHY).text, QStringLiteral("H 手册方法(kN)"));
    EXPECT_EQ(annotationAt(page, 46, exactFY).text, QStringLiteral("f 精确悬链线(m)"));
    EXPECT_EQ(annotationAt(page, 46, dFY).text, QStringLiteral("Δf (%)"));
    EXPECT_EQ(annotationAt(page, stateX(0), 668).text, QStringLiteral("最高温度"));
    EXPECT_EQ(annotationAt(page, stateX(10), 668).text, QStringLiteral("单相上人低温"));
    EXPECT_TRUE(annotationAt(page, 40, 649).text.contains(QStringLiteral("假定B端低于A端")));
    // Below the design check (above y 640), above the page number at y 800.
    EXPECT_LT(page.drawnBounds().bottom, 794);
    EXPECT_GE(page.drawnBounds().top, 640);
    EXPECT_LT(page.drawnBounds().right, 1168);  // inside the page border
}

TEST(CatenaryCheckPanel, BothMethodsAndTheirDifferences)
{
    report::ReportPage page;
    report::drawCatenaryCheckResults(page, comparedResult());
    const int x = stateX(engine::maxTemperature);
    EXPECT_EQ(annotationAt(page, x, handbookHY).text, QStringLiteral("5.198"));
    EXPECT_EQ(annotationAt(page, x, exactHY).text, QStringLiteral("5.183"));
    EXPECT_EQ(annotationAt(page, x, dHY).text, QStringLiteral("0.29"));
    EXPECT_EQ(annotationAt(page, x, handbookFY).text, QStringLiteral("2"));
    EXPECT_EQ(annotationAt(page, x, exactFY).text, QStringLiteral("1.988"));
    EXPECT_EQ(annotationAt(page, x, dFY).text, QStringLiteral("0.62"));
    EXPECT_EQ(annotationAt(page, stateX(engine::maxLoad), dHY).text, QStringLiteral("-6.2"));
    EXPECT_EQ(annotationAt(page, stateX(engine::singlePhaseCold), exactHY).text, QStringLiteral("5.183"));
}

TEST(CatenaryCheckPanel, UnsolvedStateShowsNoFigures)
{
    report::ReportPage page;
    report::drawCatenaryCheckResults(page, comparedResult());
    const int x = stateX(engine::maxWind);
    EXPECT_EQ(annotationAt(page, x, handbookHY).text, QStringLiteral("5.198"));  // the handbook stands
    EXPECT_EQ(annotationAt(page, x, exactHY).text, QStringLiteral("未收敛"));
    EXPECT_EQ(annotationAt(page, x, exactFY).text, QStringLiteral("未收敛"));
    EXPECT_FALSE(anyTextAt(page, x, dHY));
    EXPECT_FALSE(anyTextAt(page, x, dFY));
}

TEST(CatenaryCheckPanel, NoteNamesTheStatesBeyondFivePerCentInRed)
{
    report::ReportPage page;
    const QColor black(0, 0, 0);
    page.setFontColor(black);
    report::drawCatenaryCheckResults(page, comparedResult());
    const MarkupAnnotation note = annotationAt(page, 40, noteY);
    EXPECT_EQ(note.text, QStringLiteral("注:最大荷载的差值超过5%,手册方法的抛物线近似在此偏差较大,宜以精确解复核."
                                        "  最大风速的悬链线未收敛,未作比较."));
    EXPECT_EQ(note.color, QColor(0xFF, 0, 0));
    EXPECT_EQ(page.fontColor(), black);

    engine::CalculationResult close = comparedResult();
    close.catenary.states[engine::maxLoad].tensionDifference = 4.99f;
    close.catenary.states[engine::maxWind] = close.catenary.states[engine::maxTemperature];
    report::ReportPage quiet;
    quiet.setFontColor(black);
    report::drawCatenaryCheckResults(quiet, close);
    const MarkupAnnotation calm = annotationAt(quiet, 40, noteY);
    EXPECT_EQ(calm.text, QStringLiteral("注:各工况手册方法与精确解之差均不超过5%."));
    EXPECT_EQ(calm.color, black);
}
