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

/// Gives \a take the CSV of \a spans a line at a time, so that a large batch is never held whole.
template <typename Take> void summaryLines(const std::vector<SpanOutcome> &spans, Take take)
{
    std::string line = byteOrderMark;
    appendLine(line, batchSummaryHeader(), [](const std::string &name) { return name; });
    take(line);
    for (const SpanOutcome &span : spans) {
        line.clear();
        appendLine(line, batchSummaryRow(span), neutralised);
        take(line);
    }
}

} // namespace

std::string summaryCsv(const std::vector<SpanOutcome> &spans)
{
    std::string csv;
    summaryLines(spans, [&](const std::string &line) { csv += line; });
    return csv;
}

void writeSummaryCsv(int descriptor, const std::filesystem::path &file, const std::vector<SpanOutcome> &spans)
{
    constexpr std::size_t bufferBytes = 1 << 16;
    std::string buffer;
    summaryLines(spans, [&](const std::string &line) {
        buffer += line;
        if (buffer.size() >= bufferBytes) {
            common::writeAllInto(descriptor, buffer, file);
            buffer.clear();
        }
    });
    common::writeAllInto(descriptor, buffer, file);
}

void writeSummaryCsv(const std::filesystem::path &path, const std::vector<SpanOutcome> &spans)
{
    common::FileSetReplacement file;
    file.add(path, [&](int descriptor) { writeSummaryCsv(descriptor, path, spans); });
    file.commit();
}

} // namespace app
