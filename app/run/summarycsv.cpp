#include "app/run/summarycsv.h"

#include "app/run/batchsummary.h"
#include "common/replacefile.h"

namespace app {

namespace {

constexpr const char *byteOrderMark = "\xEF\xBB\xBF";
constexpr const char *lineEnd = "\r\n";

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
        appendLine(csv, batchSummaryRow(span), [](const TableCell &cell) { return cell.text; });
    return csv;
}

void writeSummaryCsv(const std::filesystem::path &path, const std::vector<SpanOutcome> &spans)
{
    common::replaceFileContents(path, summaryCsv(spans));
}

} // namespace app
