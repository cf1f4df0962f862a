// Page 18, lower part: the handbook's H and f beside the exact chain's.
#include "annotationat.h"

#include "common/gbkcodec.h"
#include "engine/calculationresult.h"
#include "report/pages.h"
#include "report/reportpage.h"
#include "support/defaultreport.h"

#include <gtest/gtest.h>

namespace {

using report::MarkupAnnotation;

// Column centres of the load states and row centres of the figures.
constexpr int stateX(int state) { return 198 + 76 * state; }
constexpr int stateY = 663, temperatureY = 678, handbookHY = 693, exactHY = 708, dHY = 723, handbookFY = 738,
              exactFY = 753, dFY = 768;
constexpr int noteY = 785;

bool anyTextAt(const report::ReportPage &page, int x, int y)
{
    for (const MarkupAnnotation &a : page.markupAnnotations())
        if (a.x == x && a.y == y)
            return true;
    return false;
}

/// Every state within 1 %, then 最大荷载 off by 6.2 % in H and 最大风速 not
/// converged; installation compared in its ninth stringing column, at -10 degC.
engine::CalculationResult comparedResult()
{
    engine::CalculationResult result;
    for (int c = 0; c < engine::stateEquationColumnCount; ++c) {
        result.stateEquation[c][engine::rowThetaM] = 25.0f;
        result.stateEquation[c][engine::rowH] = 5198.374f;
        result.stateEquation[c][engine::rowF] = 2.0f;
    }
    engine::StateEquationColumn &coldInstallation = result.stateEquation[engine::installationColumn + 8];
    coldInstallation[engine::rowThetaM] = -10.0f;
    coldInstallation[engine::rowH] = 5657.52f;
    coldInstallation[engine::rowF] = 1.842f;
    for (int s = 0; s < engine::loadStateCount; ++s) {
        engine::CatenaryStateCheck &check = result.catenary.states[s];
        check.column = s;
        check.converged = true;
        check.tension = 5183.115f;
        check.sag = 1.98765f;
        check.tensionDifference = 0.29441f;
        check.sagDifference = 0.62134f;
        check.iterations = 3;
    }
    result.catenary.states[engine::installation].column = engine::installationColumn + 8;
    result.catenary.states[engine::marking].column = engine::markingColumn;
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
    EXPECT_EQ(annotationAt(page, 46, stateY).text, QStringLiteral("工况"));
    EXPECT_EQ(annotationAt(page, 46, temperatureY).text, QStringLiteral("温度(℃)"));
    EXPECT_EQ(annotationAt(page, 46, handbookHY).text, QStringLiteral("H 手册方法(kN)"));
    EXPECT_EQ(annotationAt(page, 46, exactFY).text, QStringLiteral("f 精确悬链线(m)"));
    EXPECT_EQ(annotationAt(page, 46, dFY).text, QStringLiteral("Δf (%)"));
    EXPECT_EQ(annotationAt(page, stateX(0), stateY).text, QStringLiteral("最高温度"));
    EXPECT_EQ(annotationAt(page, stateX(10), stateY).text, QStringLiteral("单相上人低温"));
    EXPECT_EQ(annotationAt(page, stateX(12), stateY).text, QStringLiteral("划印"));
    const QString title = annotationAt(page, 40, 646).text;
    EXPECT_TRUE(title.contains(QStringLiteral("较高一侧如上"))) << title.toStdString();
    EXPECT_TRUE(title.contains(QStringLiteral("安装、划印取九个温度中张力最大者"))) << title.toStdString();
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
    EXPECT_EQ(annotationAt(page, x, temperatureY).text, QStringLiteral("25"));
    // A stringing state shows the column it was compared in.
    const int installed = stateX(engine::installation);
    EXPECT_EQ(annotationAt(page, installed, temperatureY).text, QStringLiteral("-10"));
    EXPECT_EQ(annotationAt(page, installed, handbookHY).text, QStringLiteral("5.658"));
    EXPECT_EQ(annotationAt(page, installed, handbookFY).text, QStringLiteral("1.842"));
    EXPECT_EQ(annotationAt(page, stateX(engine::marking), handbookHY).text, QStringLiteral("5.198"));
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

// "均不超过5%" may speak only of states that were compared.
TEST(CatenaryCheckPanel, NoteClaimsNoComparisonThatWasNotMade)
{
    engine::CalculationResult oneUnsolved = comparedResult();
    oneUnsolved.catenary.states[engine::maxLoad].tensionDifference = 1;
    report::ReportPage some;
    report::drawCatenaryCheckResults(some, oneUnsolved);
    EXPECT_EQ(annotationAt(some, 40, noteY).text,
              QStringLiteral("注:其余各工况手册方法与精确解之差均不超过5%.  最大风速的悬链线未收敛,未作比较."));

    engine::CalculationResult noneSolved = comparedResult();
    for (engine::CatenaryStateCheck &state : noneSolved.catenary.states)
        state.converged = false;
    report::ReportPage none;
    report::drawCatenaryCheckResults(none, noneSolved);
    EXPECT_EQ(annotationAt(none, 40, noteY).text, QStringLiteral("注:各工况的悬链线均未收敛,未作比较,以手册方法为准."));
}

// The metafiles store texts in GBK: a character it lacks would print as "?".
TEST(CatenaryCheckPanel, EveryTextOfTheReportHasAGbkCode)
{
    report::ReportPage pageEighteen;
    report::drawDesignCheckPageFixed(pageEighteen);
    report::drawCatenaryCheckFixed(pageEighteen);
    std::vector<report::ReportPage> pages = testing_span::defaultReport();
    pages.push_back(pageEighteen);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        for (const MarkupAnnotation &a : pages[p].markupAnnotations()) {
            const std::string text = a.text.toStdString();
            EXPECT_EQ(common::encodeStrictGbk(text).find('?'), text.find('?')) << "page " << p + 1 << ": " << text;
        }
    }
}
