#pragma once

#include "app/run/batchfigures.h"

#include <string>
#include <vector>

namespace app {

/**
 * Table rows packed into one string, as a batch keeps every span's rows
 * until its tables are written: a row of separate cells takes some forty
 * bytes a cell beside its text, several times the text itself, and a batch
 * may have tens of thousands of spans. Any text packs, control characters
 * included.
 */
class PackedRows
{
public:
    PackedRows() = default;
    explicit PackedRows(const std::vector<TableRow> &rows);

    bool empty() const { return mPacked.empty(); }
    /// The rows as they were given.
    std::vector<TableRow> rows() const;
    /// The first row; an empty one when there is none.
    TableRow row() const;

private:
    std::string mPacked;
};

/// A computed span's figures as a batch keeps them (SpanFigures, packed).
struct PackedFigures
{
    PackedRows summary;
    PackedRows pageOne;
};

} // namespace app
