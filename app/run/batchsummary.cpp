#include "app/run/batchsummary.h"

#include <charconv>
#include <cmath>

namespace app {

namespace {

const std::vector<std::string> spanHeader{
    "文件", "跨线名称", "电压等级(kV)", "跨距L(m)", "高差h(m)", "控制弧垂f(m)", "导线型号", "分裂根数",
};
const char *const warningsHeader = "警告";
const char *const statusHeader = "状态";

/// The unusual values a computed span was computed with, "; " between them.
std::string warningsText(const SpanOutcome &span)
{
    std::string text;
    if (span.status != SpanStatus::Computed)
        return text;
    for (const std::string &warning : span.warnings)
        text += (text.empty() ? "" : "; ") + warning;
    return text;
}

/// A text as typed; a workbook gets a number where the text is one.
TableCell typed(const std::string &text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool isNumber = !text.empty() && error == std::errc() && end == text.data() + text.size()
                          && std::isfinite(value);
    return {text, isNumber};
}

} // namespace

TableRow spanColumns(const SpanOutcome &span)
{
    if (!span.spanColumns.empty())
        return span.spanColumns.row();
    TableRow row{{span.file.string(), false}};
    if (!span.span) {
        row.resize(spanHeader.size());
        return row;
    }
    const MainWindowModel &window = span.span->window;
    row.push_back({window.text(EditBox::Edit_bt), false});
    row.push_back(typed(window.voltageText()));
    row.push_back(typed(window.text(EditBox::Edit_L)));
    row.push_back(typed(window.text(EditBox::Edit_h)));
    row.push_back(typed(window.text(EditBox::Edit_f)));
    row.push_back({window.conductorText(), false});
    row.push_back(typed(window.text(EditBox::Edit_dx_flgs)));
    return row;
}

std::string spanName(const SpanOutcome &span)
{
    return spanColumns(span)[1].text;
}

std::string spanStatusText(const SpanOutcome &span)
{
    return span.status == SpanStatus::Computed ? "计算完成" : span.message;
}

std::vector<std::string> batchSummaryHeader()
{
    std::vector<std::string> header = spanHeader;
    header.insert(header.end(), summaryFigureHeader().begin(), summaryFigureHeader().end());
    header.push_back(warningsHeader);
    header.push_back(statusHeader);
    return header;
}

TableRow batchSummaryRow(const SpanOutcome &span)
{
    TableRow row = spanColumns(span);
    if (span.status == SpanStatus::Computed) {
        const TableRow figures = span.figures.summary.row();
        row.insert(row.end(), figures.begin(), figures.end());
    } else
        row.resize(row.size() + summaryFigureHeader().size());
    row.push_back({warningsText(span), false});
    row.push_back({spanStatusText(span), false});
    return row;
}

std::vector<std::string> pageOneTableHeader()
{
    std::vector<std::string> header{spanHeader[0], spanHeader[1]};
    header.insert(header.end(), pageOneHeader().begin(), pageOneHeader().end());
    return header;
}

std::vector<TableRow> pageOneTableRows(const SpanOutcome &span)
{
    std::vector<TableRow> rows;
    if (span.status != SpanStatus::Computed)
        return rows;
    const TableRow lead{{span.file.string(), false}, {spanName(span), false}};
    for (const TableRow &stateRow : span.figures.pageOne.rows()) {
        TableRow row = lead;
        row.insert(row.end(), stateRow.begin(), stateRow.end());
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace app
