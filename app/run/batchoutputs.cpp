#include "app/run/batchoutputs.h"

#include "app/run/batchsummary.h"
#include "app/run/summarycsv.h"
#include "app/run/summaryxlsx.h"

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
    return {chosen, pdf};
}

BatchWriting writeBatchOutputs(const BatchOutputs &outputs, const std::vector<SpanOutcome> &spans,
                               const BatchPdf &pdf)
{
    BatchWriting writing;
    try {
        writeSummary(outputs.summary, spans);
    } catch (const std::exception &error) {
        writing.summaryFailure = error.what();
    }
    // A PDF of no page would be no document: without a computed span there is none.
    if (computedSpanCount(spans) == 0)
        return writing;
    try {
        pdf.write(outputs.pdf, spans);
        writing.pdfWritten = true;
    } catch (const std::exception &error) {
        writing.pdfFailure = error.what();
    }
    return writing;
}

std::string batchDoneText(const BatchRun &run, const BatchOutputs &outputs, const BatchWriting &writing)
{
    if (run.cancelled)
        return "批量计算已取消, 未写入任何文件.";
    const std::size_t computed = computedSpanCount(run.spans);
    std::string text = "批量计算完成: 共 " + std::to_string(run.spans.size()) + " 个跨线, 计算完成 "
                       + std::to_string(computed) + " 个";
    if (computed < run.spans.size())
        text += ", 未完成 " + std::to_string(run.spans.size() - computed) + " 个";
    text += ".";
    for (const SpanOutcome &span : run.spans) {
        if (span.status != SpanStatus::Computed)
            text += "\n" + span.file.filename().string() + ": " + spanStatusText(span);
    }
    text += writing.summaryFailure.empty() ? "\n汇总表: " + outputs.summary.string()
                                           : "\n汇总表未能写入: " + writing.summaryFailure;
    if (writing.pdfWritten)
        text += "\n计算书: " + outputs.pdf.string();
    else if (!writing.pdfFailure.empty())
        text += "\n计算书未能写入: " + writing.pdfFailure;
    return text;
}

} // namespace app
