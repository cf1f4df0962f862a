// A batch keeps its tables' rows packed until the summaries are written;
// whatever a span name holds must come back as it went in.
#include "app/run/packedrows.h"

#include <gtest/gtest.h>

using app::PackedRows;
using app::TableRow;

TEST(PackedRows, GivesBackEveryRowAndCellAsGiven)
{
    const std::string longText(70000, 'x');
    const std::vector<std::vector<TableRow>> tables = {
        {},
        {{}},
        {{{"", false}}},
        {{{"220kV#1主变进线间隔跨线", false}, {"-12.345", true}, {"", false}}, {}, {{"0", true}}},
        {{{"=1+2\t\r\n\x1E\x1F", false}, {std::string("a\0b", 3), false}, {longText, false}}},
    };
    for (const std::vector<TableRow> &rows : tables) {
        const PackedRows packed(rows);
        EXPECT_EQ(packed.empty(), rows.empty());
        EXPECT_TRUE(packed.rows() == rows);
        EXPECT_TRUE(packed.row() == (rows.empty() ? TableRow() : rows.front()));
    }
    EXPECT_TRUE(PackedRows().row().empty());
}
