#include "app/run/packedrows.h"

namespace app {

namespace {

// Each count and length is written in base 128, low digits first, the high
// bit of a byte saying another follows: most take a single byte.
void appendCount(std::string &out, std::size_t count)
{
    while (count >= 0x80) {
        out += char(0x80 | (count & 0x7F));
        count >>= 7;
    }
    out += char(count);
}

std::size_t readCount(const std::string &in, std::size_t &at)
{
    std::size_t count = 0;
    for (int shift = 0; at < in.size(); shift += 7) {
        const auto byte = static_cast<unsigned char>(in[at++]);
        count |= std::size_t(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0)
            break;
    }
    return count;
}

} // namespace

// Rows, then each row as its cell count and each cell as its kind, length and text.
PackedRows::PackedRows(const std::vector<TableRow> &rows)
{
    if (rows.empty())
        return;
    appendCount(mPacked, rows.size());
    for (const TableRow &row : rows) {
        appendCount(mPacked, row.size());
        for (const TableCell &cell : row) {
            mPacked += cell.isNumber ? 'N' : 'T';
            appendCount(mPacked, cell.text.size());
            mPacked += cell.text;
        }
    }
    mPacked.shrink_to_fit();
}

std::vector<TableRow> PackedRows::rows() const
{
    std::size_t at = 0;
    std::vector<TableRow> rows(mPacked.empty() ? 0 : readCount(mPacked, at));
    for (TableRow &row : rows) {
        row.resize(readCount(mPacked, at));
        for (TableCell &cell : row) {
            cell.isNumber = at < mPacked.size() && mPacked[at++] == 'N';
            const std::size_t length = readCount(mPacked, at);
            cell.text = mPacked.substr(at, length);
            at += length;
        }
    }
    return rows;
}

TableRow PackedRows::row() const
{
    std::vector<TableRow> all = rows();
    return all.empty() ? TableRow() : std::move(all.front());
}

} // namespace app
