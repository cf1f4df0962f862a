#include "app/run/summaryxlsx.h"

#include "app/run/batchsummary.h"
#include "common/filewriteerror.h"
#include "common/replacefile.h"
#include "common/terminationcleanup.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <charconv>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>

namespace app {

namespace {

constexpr double columnWidth = 14;
constexpr double fileColumnWidth = 28;

/// A file name of its own in the temporary folder, removed with the object or by a termination signal.
class ScratchFile
{
public:
    ScratchFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tenrix-workbook-XXXXXX").string();
        const auto hold = common::holdTermination();
        const int descriptor = ::mkstemp(pattern.data());
        if (descriptor < 0)
            throw common::FileWriteError(pattern, errno);
        ::close(descriptor);
        mPath = pattern;
        common::registerTemporary(mPath);
    }
    ~ScratchFile()
    {
        std::error_code ignored;
        std::filesystem::remove(mPath, ignored);
        common::forgetTemporary(mPath);
    }
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    const std::filesystem::path &path() const { return mPath; }

    /// Copies the file into \a descriptor, which stands for \a file.
    void copyInto(int descriptor, const std::filesystem::path &file) const
    {
        std::ifstream in(mPath, std::ios::binary);
        char buffer[1 << 16];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
            common::writeAllInto(descriptor, std::string_view(buffer, static_cast<std::size_t>(in.gcount())), file);
        if (!in.eof())
            throw std::runtime_error("无法读回生成的工作簿");
    }

private:
    std::filesystem::path mPath;
};

void check(lxw_error error)
{
    if (error != LXW_NO_ERROR)
        throw std::runtime_error(std::string("无法生成工作簿: ") + lxw_strerror(error));
}

void writeCell(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t column, const TableCell &cell)
{
    if (cell.text.empty())
        return;
    double value = 0;
    // from_chars, not stod: the application's locale may write a decimal comma.
    if (cell.isNumber && std::from_chars(cell.text.data(), cell.text.data() + cell.text.size(), value).ec == std::errc())
        check(worksheet_write_number(sheet, row, column, value, nullptr));
    else
        check(worksheet_write_string(sheet, row, column, cell.text.c_str(), nullptr));
}

/// A sheet under \a header whose rows \a rowsOf gives span by span, made as they are
/// written: a batch's tables are never held whole.
void writeSheet(lxw_workbook *workbook, const char *name, const std::vector<std::string> &header,
                const std::vector<SpanOutcome> &spans,
                const std::function<std::vector<TableRow>(const SpanOutcome &)> &rowsOf)
{
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, name);
    if (sheet == nullptr)
        throw std::runtime_error("无法生成工作簿");
    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    for (lxw_col_t column = 0; column < header.size(); ++column)
        check(worksheet_write_string(sheet, 0, column, header[column].c_str(), bold));
    lxw_row_t row = 1;
    for (const SpanOutcome &span : spans) {
        for (const TableRow &cells : rowsOf(span)) {
            for (lxw_col_t column = 0; column < cells.size(); ++column)
                writeCell(sheet, row, column, cells[column]);
            ++row;
        }
    }
    check(worksheet_set_column(sheet, 0, 0, fileColumnWidth, nullptr));
    check(worksheet_set_column(sheet, 1, static_cast<lxw_col_t>(header.size() - 1), columnWidth, nullptr));
    worksheet_freeze_panes(sheet, 1, 0);
}

} // namespace

void writeSummaryWorkbook(int descriptor, const std::filesystem::path &file, const std::vector<SpanOutcome> &spans)
{
    // The library writes only to a named file, which is then copied.
    const ScratchFile scratch;
    // Rows go out in order, so the sheets can be streamed; their strings then
    // stand in the sheets themselves.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook *workbook = workbook_new_opt(scratch.path().c_str(), &options);
    if (workbook == nullptr)
        throw std::runtime_error("无法生成工作簿");
    try {
        writeSheet(workbook, "汇总", batchSummaryHeader(), spans,
                   [](const SpanOutcome &span) { return std::vector<TableRow>{batchSummaryRow(span)}; });
        writeSheet(workbook, "第1页汇总表", pageOneTableHeader(), spans, pageOneTableRows);
    } catch (...) {
        workbook_close(workbook);
        throw;
    }
    check(workbook_close(workbook));
    scratch.copyInto(descriptor, file);
}

void writeSummaryWorkbook(const std::filesystem::path &path, const std::vector<SpanOutcome> &spans)
{
    common::FileSetReplacement file;
    file.add(path, [&](int descriptor) { writeSummaryWorkbook(descriptor, path, spans); });
    file.commit();
}

} // namespace app
