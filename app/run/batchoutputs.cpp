#include "app/run/batchoutputs.h"

#include "app/run/batchsummary.h"
#include "app/run/summarycsv.h"
#include "app/run/summaryxlsx.h"
#include "common/filewriteerror.h"

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

/// Writes one output by \a write; a failure is kept with its reason.
template <typename Write>
OutputWriting writeOutput(const std::filesystem::path &file, Write write)
{
    try {
        write();
        return {file, OutputWriting::Result::Written, {}};
    } catch (const common::FileWriteError &error) {
        return {file, OutputWriting::Result::Failed, error.what()};
    } catch (const std::exception &error) {
        return {file, OutputWriting::Result::Failed, "无法写入文件 " + file.string() + ": " + error.what() + "."};
    }
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
    if (isXlsxSummary(file))
        writeSummaryWorkbook(file, spans);
    else
        writeSummaryCsv(file, spans);
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
        writing.push_back(writeOutput(summary, [&] { writeSummary(summary, spans); }));
    if (outputs.pdf) {
        if (computedSpanCount(spans) == 0)
            writing.push_back({*outputs.pdf, OutputWriting::Result::NoPages, {}});
        else
            writing.push_back(writeOutput(*outputs.pdf, [&] { pdf.write(*outputs.pdf, spans); }));
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
