#include "annotationat.h"
#include "support/defaultreport.h"
#include "support/spanfixture.h"

#include "engine/calculationerror.h"
#include "engine/numberformatting.h"
#include "report/pagestyle.h"
#include "report/reportbuilder.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using report::MarkupAnnotation;

using testing_span::defaultReport;
using testing_span::defaultResult;

TEST(ReportBuilder, SeventeenNumberedLandscapePages)
{
    const auto &pages = defaultReport();

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
TEST(ReportBuilder, FixedContentBlackThenResultsTeal)
{
    const auto &pages = defaultReport();

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

TEST(ReportBuilder, ResultsInBlackOnRequest)
{
    const auto &pages = defaultReport(true);

    for (int p = 0; p < 17; ++p)
        for (const MarkupAnnotation &a : pages[p].markupAnnotations())
            EXPECT_EQ(a.color, report::fixedTextColor) << "page " << p + 1 << ": " << a.text.toStdString();
}

TEST(ReportBuilder, PagesOneAndTwoShowTheCalculatedNumbers)
{
    const auto &pages = defaultReport();
    const auto text = [](float value, int decimals) { return QString::fromStdString(engine::formatNumber(value, decimals)); };

    EXPECT_EQ(annotationAt(pages[0], 594, 125).text, QStringLiteral("220kV#1主变进线间隔跨线-软导线实用力学计算书"));
    EXPECT_EQ(annotationAt(pages[0], 450, 182).text, QStringLiteral("36"));
    EXPECT_EQ(annotationAt(pages[0], 723, 257).text, QStringLiteral("70"));
    EXPECT_EQ(annotationAt(pages[0], 773, 282).text, text(defaultResult().summary[1].tension, 3));
    EXPECT_EQ(annotationAt(pages[0], 873, 507).text, text(defaultResult().summary[10].reactionA, 3));
    EXPECT_EQ(annotationAt(pages[0], 723, 582).text, text(defaultResult().beamLoads.stringingA, 3));
    EXPECT_EQ(annotationAt(pages[0], 1123, 757).text, text(defaultResult().stringingTable[8].markingSag, 3));

    EXPECT_EQ(annotationAt(pages[1], 850, 160).text, text(defaultResult().conductorCoefficient, 7));
    EXPECT_EQ(annotationAt(pages[1], 1050, 162).text, QStringLiteral("100/150"));
    EXPECT_EQ(annotationAt(pages[1], 225, 760).text, text(defaultResult().loadTable[12].conductorLoad, 3));
}

TEST(ReportBuilder, ANumberThatIsNotFiniteGivesNoReport)
{
    engine::CalculationResult broken = defaultResult();
    broken.summary[3].lateralB = std::numeric_limits<float>::infinity();

    EXPECT_THROW(report::buildReport(testing_span::defaultSpan(), broken, false), engine::CalculationError);
}

} // namespace
