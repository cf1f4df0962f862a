#include "annotationat.h"
#include "support/spanfixture.h"

#include "engine/calculationinput.h"
#include "engine/clearances.h"
#include "engine/designchecks.h"
#include "engine/shortcircuitspan.h"
#include "engine/stateequation.h"
#include "report/pagestyle.h"
#include "report/reportbuilder.h"
#include "report/spanprofile.h"
#include "report/textsdump.h"

#include <gtest/gtest.h>

namespace {

using testing_span::defaultResult;
using testing_span::defaultSpan;

common::BookData sampleBook()
{
    common::BookData book;
    book.projectName = "某220kV变电站新建工程";
    book.bookNumber = "B1234S-D0101-03";
    book.calculatedBy = "张工";
    return book;
}

std::vector<report::ReportPage> bookReport(const std::optional<report::DesignCheckPage> &checkPage = std::nullopt)
{
    const engine::DesignChecks checks = engine::checkDesign(defaultResult(), {});
    return report::buildReport(defaultSpan(), defaultResult(), false, checkPage,
                               report::BookRequest{sampleBook(), checks, {}});
}

QStringList titles(const std::vector<report::ReportPage> &pages)
{
    QStringList list;
    for (const report::ReportPage &page : pages)
        list.append(page.title());
    return list;
}

// Without data the book is the plain report, page for page.
TEST(BookPages, EmptyBookLeavesTheReportAsItWas)
{
    const auto plain = report::buildReport(defaultSpan(), defaultResult(), false);
    const auto withEmptyBook = report::buildReport(defaultSpan(), defaultResult(), false, std::nullopt,
                                                   report::BookRequest{});
    ASSERT_EQ(withEmptyBook.size(), plain.size());
    EXPECT_EQ(report::textsDump(withEmptyBook), report::textsDump(plain));
    for (std::size_t i = 0; i < plain.size(); ++i)
        EXPECT_EQ(withEmptyBook[i].commands().size(), plain[i].commands().size()) << "page " << i;
}

// Cover, contents, basis and governing open the book, the method's pages keep
// their numbers, and the contents finds every page where it is.
TEST(BookPages, CoverContentsThenPagesInOrder)
{
    const auto pages = bookReport();
    const QStringList list = titles(pages);
    ASSERT_EQ(list.size(), 25);
    EXPECT_EQ(list.mid(0, 4), (QStringList{"封面", "目录", "计算依据", "控制工况"}));
    EXPECT_EQ(list[4], "第1页 输入数据和计算结果汇总");
    EXPECT_EQ(list[20], "第17页 安装划印状态方程求解");
    EXPECT_EQ(list.mid(21), (QStringList{"构架受力", "下料长度", "安装曲线", "跨线示意图"}));
    EXPECT_EQ(annotationAt(pages[4], 1100, 800).text, "第1页 共17页");

    // The contents lists every page after it with its place in the document.
    for (int i = 2; i < list.size(); ++i) {
        bool listed = false;
        for (const auto &a : pages[1].markupAnnotations())
            listed = listed || a.text == list[i];
        EXPECT_TRUE(listed) << list[i].toStdString();
    }
    EXPECT_EQ(annotationAt(pages[1], 40 + 50 + 414 + 40, 160 + 20 + 10).text, "3");

    // The band: project on the left, book number in the middle, span on the right.
    for (std::size_t i = 1; i < pages.size(); ++i) {
        EXPECT_EQ(annotationAt(pages[i], 22, 86).text, "工程名称:某220kV变电站新建工程") << "page " << i;
        EXPECT_EQ(annotationAt(pages[i], 594, 86).text, "计算书编号:B1234S-D0101-03");
    }
    bool bandOnCover = false;
    for (const auto &a : pages[0].markupAnnotations())
        bandOnCover = bandOnCover || a.y == 86;
    EXPECT_FALSE(bandOnCover);
}

} // namespace

namespace {

// The profile hangs each state as its pages solve it: its largest drop
// below the chord is the f of the state-equation column, and both ends sit
// on their attachments, the higher one |h| up.
TEST(SpanProfile, SagIsTheStateEquationsAndEndsAreTheAttachments)
{
    const engine::CalculationResult &result = defaultResult();
    for (int state = 0; state < engine::loadStateCount; ++state) {
        const int column = engine::governingColumn(result, state);
        const report::SpanProfile profile = report::spanProfile(result, state, column);
        EXPECT_NEAR(profile.sag, result.stateEquation[std::size_t(column)][engine::rowF], 2e-3) << "state " << state;
        EXPECT_NEAR(profile.curve.back().x(), result.span.spanLength, 1e-3);
        EXPECT_NEAR(profile.curve.back().y(), profile.attachmentB.y(), 1e-3) << "state " << state;
        EXPECT_LE(profile.lowest.y(), profile.sagPoint.y());
    }
    const report::SpanProfile maintenance = report::spanProfile(result, engine::threePhaseHot,
                                                                engine::threePhaseHot);
    EXPECT_EQ(maintenance.marks.back().label, "W");
    EXPECT_NEAR(maintenance.marks.back().at.x(), result.span.maintenancePointX, result.span.spanLength / 40);
}

} // namespace

namespace {

// The short-circuit page follows the method's pages, book or not, and
// states the design load it takes from the larger of its two cases.
TEST(ShortCircuitPage, FollowsTheMethodsPagesWithTheDesignLoad)
{
    engine::ShortCircuitSettings settings;
    settings.initialCurrent_A = 40e3;
    settings.firstDuration_s = 0.5;
    settings.phaseSpacing_m = 4;
    settings.springConstant_N_m = 500e3;
    const engine::ShortCircuitResult shortCircuit = engine::shortCircuitOfSpan(defaultResult(), settings);
    const auto plain = report::buildReport(defaultSpan(), defaultResult(), false, std::nullopt, std::nullopt,
                                           shortCircuit);
    ASSERT_EQ(plain.size(), 18u);
    EXPECT_EQ(plain.back().title(), "短路效应计算");
    bool designLoadNamed = false;
    const QString load = QString::number(shortCircuit.designLoad_N / 1000, 'f', 2);
    for (const auto &a : plain.back().markupAnnotations())
        designLoadNamed = designLoadNamed || (a.text.startsWith("设计荷载 ") && a.text.contains(load));
    EXPECT_TRUE(designLoadNamed) << load.toStdString();

    const auto book = bookReport();
    const auto withBook = report::buildReport(defaultSpan(), defaultResult(), false, std::nullopt,
                                              report::BookRequest{sampleBook(), engine::checkDesign(defaultResult(), {}), {}},
                                              shortCircuit);
    ASSERT_EQ(withBook.size(), book.size() + 1);
    EXPECT_EQ(withBook[21].title(), "短路效应计算");
}

} // namespace

// 控制工况 gains the air distances as a row of their own: the verdict, the
// check of least margin and what it leaves, red when a requirement fails.
TEST(GoverningPage, NamesTheTightestClearanceAndItsVerdict)
{
    engine::ClearanceSettings settings;
    settings.earthDistance_m = 3;
    settings.halfWidth_m = 0.126;
    settings.phaseToEarth_m[1] = 100; // 操作电压, beyond any span
    const engine::ClearanceResult clearances = engine::checkClearances(defaultResult(), settings, std::nullopt);
    const auto pages = report::buildReport(defaultSpan(), defaultResult(), false, std::nullopt,
                                           report::BookRequest{sampleBook(), engine::checkDesign(defaultResult(), {}), {}},
                                           std::nullopt, clearances);
    ASSERT_EQ(pages[3].title(), "控制工况");
    QStringList row;
    for (const auto &a : pages[3].markupAnnotations())
        row.append(a.text);
    const QString texts = row.join('|');
    EXPECT_TRUE(texts.contains("电气距离校验")) << texts.toStdString();
    EXPECT_TRUE(texts.contains("剩余 ") && texts.contains("要求 100 m;7项未校核")) << texts.toStdString();
    bool redVerdict = false;
    for (const auto &a : pages[3].markupAnnotations())
        redVerdict = redVerdict || (a.text == "不满足" && a.color == report::failColor);
    EXPECT_TRUE(redVerdict);
}
