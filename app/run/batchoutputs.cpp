#include "app/run/batchoutputs.h"

#include "app/run/batchsummary.h"
#include "app/run/summarycsv.h"
#include "app/run/summaryxlsx.h"
#include "common/filewriteerror.h"
#include "common/replacefile.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <string_view>

namespace app {

namespace {

bool endsWithIgnoringCase(const std::string &text, std::string_view ending)
{
    if (text.size() < ending.size())
        return false;
    return std::equal(ending.begin(), ending.end(), text.end() - std::ptrdiff_t(ending.size()),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

} // namespace

bool isCsvSummary(const std::filesystem::path &file)
{
    return endsWithIgnoringCase(file.string(), ".csv");
}

bool isXlsxSummary(const std::filesystem::path &file)
{
    return endsWithIgnoringCase(file.string(), ".xlsx");
}

void writeSummary(const std::filesystem::path &file, const std::vector<SpanOutcome> &spans)
{
    common::FileSetReplacement replacement;
    replacement.add(file, [&](int descriptor) { writeSummary(descriptor, file, spans); });
    replacement.commit();
}

void writeSummary(int descriptor, const std::filesystem::path &file, const std::vector<SpanOutcome> &spans)
{
    if (isXlsxSummary(file))
        writeSummaryWorkbook(descriptor, file, spans);
    else
        writeSummaryCsv(descriptor, file, spans);
}

BatchOutputs batchOutputsFor(std::filesystem::path chosen, const std::string &suffix)
{
    if (!isXlsxSummary(chosen) && !isCsvSummary(chosen))
        chosen += suffix;
    std::filesystem::path pdf = chosen;
    pdf.replace_extension(".pdf");
    return {{chosen}, pdf};
}

std::vector<OutputWriting> writeBatchOutputs(const BatchOutputs &outputs, const std::vector<SpanOutcome> &spans,
                                             const BatchPdf &pdf)
{
    std::vector<OutputWriting> writing;
    for (const std::filesystem::path &summary : outputs.summaries)
        writing.push_back({summary, OutputWriting::Result::Written, {}});
    if (outputs.pdf) {
        const bool noPages = computedSpanCount(spans) == 0;
        writing.push_back(
            {*outputs.pdf, noPages ? OutputWriting::Result::NoPages : OutputWriting::Result::Written, {}});
    }
    common::FileSetReplacement files;
    std::size_t current = 0;
    try {
        for (; current < writing.size(); ++current) {
            OutputWriting &output = writing[current];
            if (output.result == OutputWriting::Result::NoPages)
                continue;
            if (outputs.pdf && current + 1 == writing.size())
                files.add(output.file, [&](int descriptor) { pdf.write(descriptor, output.file, spans); });
            else
                files.add(output.file, [&](int descriptor) { writeSummary(descriptor, output.file, spans); });
        }
        files.commit();
        return writing;
    } catch (const common::FileWriteError &error) {
        // Staging fails on the current output; the commit names the file it failed on.
        const auto named = std::find_if(writing.begin(), writing.end(),
                                        [&](const OutputWriting &output) { return output.file == error.file(); });
        (named != writing.end() ? *named : writing[std::min(current, writing.size() - 1)]).failure = error.what();
    } catch (const std::exception &error) {
        // A workbook or a joined PDF that could not be made.
        writing[current].failure = "无法写入文件 " + writing[current].file.string() + ": " + error.what() + ".";
    }
    for (OutputWriting &output : writing) {
        if (output.result == OutputWriting::Result::Written) {
            output.result = OutputWriting::Result::Failed;
            if (output.failure.empty())
                output.failure = "未写入 " + output.file.string() + ": 另一个输出未能写入, 原有文件保持不变.";
        }
    }
    return writing;
}

bool allWritten(const std::vector<OutputWriting> &writing)
{
    return std::none_of(writing.begin(), writing.end(),
                        [](const OutputWriting &output) { return output.result == OutputWriting::Result::Failed; });
}

std::string batchCountLine(const std::vector<SpanOutcome> &spans)
{
    return "批量计算: 共 " + std::to_string(spans.size()) + " 个跨线, 计算完成 "
           + std::to_string(computedSpanCount(spans)) + " 个.";
}

std::string batchDoneText(const BatchRun &run, const std::vector<OutputWriting> &writing)
{
    if (run.cancelled)
        return "批量计算已取消, 未写入任何文件.";
    std::string text = batchCountLine(run.spans);
    for (const SpanOutcome &span : run.spans) {
        if (span.status != SpanStatus::Computed)
            text += "\n" + span.file.filename().string() + ": " + spanStatusText(span);
    }
    for (const OutputWriting &output : writing) {
        const bool isPdf = output.file.extension() == ".pdf";
        switch (output.result) {
        case OutputWriting::Result::Written:
            text += (isPdf ? "\n计算书: " : "\n汇总表: ") + output.file.string();
            break;
        case OutputWriting::Result::Failed:
            text += (isPdf ? "\n计算书未能写入: " : "\n汇总表未能写入: ") + output.failure;
            break;
        case OutputWriting::Result::NoPages:
            break;
        }
    }
    return text;
}

} // namespace app
