#include "../engine/spanfixture.h"

#include "engine/calculation.h"
#include "engine/calculationerror.h"
#include "engine/numberformatting.h"
#include "report/pagestyle.h"
#include "report/reportbuilder.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using report::MarkupAnnotation;

class ReportBuilder : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        sInput = new engine::CalculationInput(testing_span::defaultSpan());
        sResult = new engine::CalculationResult(engine::runCalculation(*sInput));
    }
    static void TearDownTestSuite()
    {
        delete sResult;
        delete sInput;
    }

    /// The text drawn at (x, y); an empty annotation when there is none.
    static MarkupAnnotation annotationAt(const report::ReportPage &page, int x, int y)
    {
        for (const MarkupAnnotation &a : page.markupAnnotations())
            if (a.x == x && a.y == y)
                return a;
        ADD_FAILURE() << "no text at (" << x << ", " << y << ")";
        return {};
    }

    static engine::CalculationInput *sInput;
    static engine::CalculationResult *sResult;
};

engine::CalculationInput *ReportBuilder::sInput = nullptr;
engine::CalculationResult *ReportBuilder::sResult = nullptr;

TEST_F(ReportBuilder, SeventeenNumberedLandscapePages)
{
    const auto pages = report::buildReport(*sInput, *sResult, false);

    ASSERT_EQ(pages.size(), 17u);
    for (int p = 0; p < 17; ++p) {
        EXPECT_EQ(pages[p].width(), 1188);
        EXPECT_EQ(pages[p].height(), 840);
        EXPECT_EQ(annotationAt(pages[p], 1100, 800).text, QStringLiteral("第%1页 共17页").arg(p + 1));
    }
    EXPECT_EQ(annotationAt(pages[2], 594, 130).text, QStringLiteral("最高温度时的M、D计算"));
    EXPECT_EQ(annotationAt(pages[14], 594, 130).text, QStringLiteral("划印时的M、D计算"));
    EXPECT_EQ(annotationAt(pages[15], 594, 130).text, QStringLiteral("应力σm、拉力H和弧垂值求解"));
}

// The fixed content is black whatever the choice; every result follows it,
// in teal, so no black text comes after the first teal one.
TEST_F(ReportBuilder, FixedContentBlackThenResultsTeal)
{
    const auto pages = report::buildReport(*sInput, *sResult, false);

    for (int p = 0; p < 17; ++p) {
        bool resultsStarted = false;
        int resultCount = 0;
        for (const MarkupAnnotation &a : pages[p].markupAnnotations()) {
            if (a.color == report::tealResultColor) {
                resultsStarted = true;
                ++resultCount;
            } else {
                EXPECT_EQ(a.color, report::fixedTextColor) << "page " << p + 1 << ": " << a.text.toStdString();
                EXPECT_FALSE(resultsStarted) << "page " << p + 1 << ": fixed text after results: "
                                             << a.text.toStdString();
            }
        }
        EXPECT_GT(resultCount, 0) << "page " << p + 1 << " has no results";
    }
    EXPECT_EQ(annotationAt(pages[0], 1073, 232).color, report::fixedTextColor);
    EXPECT_EQ(annotationAt(pages[0], 594, 125).color, report::tealResultColor);
}

TEST_F(ReportBuilder, ResultsInBlackOnRequest)
{
    const auto pages = report::buildReport(*sInput, *sResult, true);

    for (int p = 0; p < 17; ++p)
        for (const MarkupAnnotation &a : pages[p].markupAnnotations())
            EXPECT_EQ(a.color, report::fixedTextColor) << "page " << p + 1 << ": " << a.text.toStdString();
}

TEST_F(ReportBuilder, PagesOneAndTwoShowTheCalculatedNumbers)
{
    const auto pages = report::buildReport(*sInput, *sResult, false);
    const auto text = [](float value, int decimals) { return QString::fromStdString(engine::formatNumber(value, decimals)); };

    EXPECT_EQ(annotationAt(pages[0], 594, 125).text, QStringLiteral("220kV#1主变进线间隔跨线-软导线实用力学计算书"));
    EXPECT_EQ(annotationAt(pages[0], 450, 182).text, QStringLiteral("36"));
    EXPECT_EQ(annotationAt(pages[0], 723, 257).text, QStringLiteral("70"));
    EXPECT_EQ(annotationAt(pages[0], 773, 282).text, text(sResult->summary[1].tension, 3));
    EXPECT_EQ(annotationAt(pages[0], 873, 507).text, text(sResult->summary[10].reactionA, 3));
    EXPECT_EQ(annotationAt(pages[0], 723, 582).text, text(sResult->beamLoads.stringingA, 3));
    EXPECT_EQ(annotationAt(pages[0], 1123, 757).text, text(sResult->stringingTable[8].markingSag, 3));

    EXPECT_EQ(annotationAt(pages[1], 850, 160).text, text(sResult->conductorCoefficient, 7));
    EXPECT_EQ(annotationAt(pages[1], 1050, 162).text, QStringLiteral("100/150"));
    EXPECT_EQ(annotationAt(pages[1], 225, 760).text, text(sResult->loadTable[12].conductorLoad, 3));
}

TEST_F(ReportBuilder, ANumberThatIsNotFiniteGivesNoReport)
{
    engine::CalculationResult broken = *sResult;
    broken.summary[3].lateralB = std::numeric_limits<float>::infinity();

    EXPECT_THROW(report::buildReport(*sInput, broken, false), engine::CalculationError);
}

} // namespace
