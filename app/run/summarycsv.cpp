#include "app/run/summarycsv.h"

#include "app/run/batchsummary.h"
#include "common/replacefile.h"

#include <string_view>

namespace app {

namespace {

constexpr const char *byteOrderMark = "\xEF\xBB\xBF";
constexpr const char *lineEnd = "\r\n";

/**
 * A text cell that a spreadsheet program would take for a formula (a span
 * named "=HYPERLINK(...)" or "-2+3") gets a leading apostrophe, which the
 * program shows as text and does not run. Figures are written as they are,
 * so that a negative one stays a number.
 */
std::string neutralised(const TableCell &cell)
{
    constexpr std::string_view formulaStarts = "=+-@\t\r";
    if (cell.isNumber || cell.text.empty() || formulaStarts.find(cell.text.front()) == std::string_view::npos)
        return cell.text;
    return "'" + cell.text;
}

void appendField(std::string &csv, const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        csv += text;
        return;
    }
    csv += '"';
    for (const char c : text) {
        if (c == '"')
            csv += '"';
        csv += c;
    }
    csv += '"';
}

template <typename Fields, typename Text>
void appendLine(std::string &csv, const Fields &fields, Text text)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            csv += ',';
        appendField(csv, text(fields[i]));
    }
    csv += lineEnd;
}

} // namespace

std::string summaryCsv(const std::vector<SpanOutcome> &spans)
{
    std::string csv = byteOrderMark;
    appendLine(csv, batchSummaryHeader(), [](const std::string &name) { return name; });
    for (const SpanOutcome &span : spans)
        appendLine(csv, batchSummaryRow(span), neutralised);
    return csv;
}

void writeSummaryCsv(const std::filesystem::path &path, const std::vector<SpanOutcome> &spans)
{
    common::replaceFileContents(path, summaryCsv(spans));
}

} // namespace app
