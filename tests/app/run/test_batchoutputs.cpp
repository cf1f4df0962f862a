// What the window's batch writes and tells: the names of its two outputs
// and the closing message, for a batch that went through, one with spans
// that did not, and one that was cancelled.
#include "app/run/batchoutputs.h"
#include "app/run/summarycsv.h"

#include <gtest/gtest.h>

using namespace app;

TEST(BatchOutputs, TheSummaryKeepsItsSuffixAndThePdfTakesItsName)
{
    EXPECT_EQ(batchOutputsFor("/p/汇总", ".xlsx").summaries, std::vector<std::filesystem::path>{"/p/汇总.xlsx"});
    EXPECT_EQ(batchOutputsFor("/p/汇总", ".xlsx").pdf, std::filesystem::path("/p/汇总.pdf"));
    EXPECT_EQ(batchOutputsFor("/p/s.csv", ".xlsx").summaries, std::vector<std::filesystem::path>{"/p/s.csv"});
    EXPECT_EQ(batchOutputsFor("/p/s.csv", ".xlsx").pdf, std::filesystem::path("/p/s.pdf"));
    // A dot in the name is not a suffix.
    EXPECT_EQ(batchOutputsFor("/p/220kV.1", ".csv").summaries, std::vector<std::filesystem::path>{"/p/220kV.1.csv"});
    EXPECT_EQ(batchOutputsFor("/p/220kV.1", ".csv").pdf, std::filesystem::path("/p/220kV.1.pdf"));
}

TEST(BatchOutputs, TheClosingMessageCountsAndNamesWhatWasNotComputed)
{
    BatchRun run;
    run.spans.resize(3);
    run.spans[0].file = "/p/a.tenrix";
    run.spans[0].status = SpanStatus::Computed;
    run.spans[1].file = "/p/b.tenrix";
    run.spans[1].status = SpanStatus::Refused;
    run.spans[1].message = "跨线文件 /p/b.tenrix 不是有效的JSON";
    run.spans[2].file = "/p/c.tenrix";
    run.spans[2].status = SpanStatus::Failed;
    run.spans[2].message = "荷载因数超出可计算的范围,请检查输入数据.";
    std::vector<OutputWriting> writing{{"/p/汇总.xlsx", OutputWriting::Result::Written, {}},
                                       {"/p/汇总.pdf", OutputWriting::Result::Written, {}}};
    EXPECT_EQ(batchDoneText(run, writing),
              "批量计算: 共 3 个跨线, 计算完成 1 个.\n"
              "b.tenrix: 跨线文件 /p/b.tenrix 不是有效的JSON\n"
              "c.tenrix: 荷载因数超出可计算的范围,请检查输入数据.\n"
              "汇总表: /p/汇总.xlsx\n"
              "计算书: /p/汇总.pdf");

    writing = {{"/p/汇总.xlsx", OutputWriting::Result::Failed, "无法写入文件 “/p/汇总.xlsx”: 没有权限"},
               {"/p/汇总.pdf", OutputWriting::Result::Failed, "无法写入文件 “/p/汇总.pdf”: 磁盘已满"}};
    run.spans.resize(1);
    EXPECT_EQ(batchDoneText(run, writing),
              "批量计算: 共 1 个跨线, 计算完成 1 个.\n"
              "汇总表未能写入: 无法写入文件 “/p/汇总.xlsx”: 没有权限\n"
              "计算书未能写入: 无法写入文件 “/p/汇总.pdf”: 磁盘已满");
    EXPECT_FALSE(allWritten(writing));

    run.cancelled = true;
    EXPECT_EQ(batchDoneText(run, {}), "批量计算已取消, 未写入任何文件.");
}

// Names a spreadsheet program would run as formulas become text behind an
// apostrophe; figures keep their sign and stay numbers.
TEST(BatchOutputs, TheCsvRunsNoFormulaAndKeepsNegativeFigures)
{
    std::vector<SpanOutcome> spans(7);
    const std::vector<std::string> names{"=1+2", "+1", "-1", "@SUM(A1)", "\t=1", "\r=1", "220kV-1"};
    for (std::size_t i = 0; i < spans.size(); ++i) {
        spans[i].file = "/p/" + std::to_string(i) + ".tenrix";
        spans[i].message = "跨线文件有误";
        spans[i].span = std::make_unique<SpanFile>();
        spans[i].span->window.setText(EditBox::Edit_bt, names[i]);
        spans[i].span->window.setText(EditBox::Edit_h, "-1.5");
    }
    const std::string csv = summaryCsv(spans);
    for (const char *expected : {"\r\n/p/0.tenrix,'=1+2,220,36,-1.5,", "\r\n/p/1.tenrix,'+1,220,36,-1.5,",
                                        "\r\n/p/2.tenrix,'-1,", "\r\n/p/3.tenrix,'@SUM(A1),", "\r\n/p/4.tenrix,'\t=1,",
                                        "\r\n/p/5.tenrix,\"'\r=1\",", "\r\n/p/6.tenrix,220kV-1,"})
        EXPECT_NE(csv.find(expected), std::string::npos) << expected;
}
