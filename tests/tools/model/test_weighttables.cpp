#include "tools/model/fittingweighttable.h"
#include "tools/model/spacerweighttable.h"

#include <gtest/gtest.h>

using tools::WeightTable;

namespace {

/// The 1-based catalogue rows that are marked.
std::vector<int> markedRows(const WeightTable &table)
{
    std::vector<int> rows;
    for (int i = 0; i < table.rowCount(); ++i) {
        if (table.isMatched(i))
            rows.push_back(i + 1);
    }
    return rows;
}

} // namespace

TEST(BoundValue, DiametersDesignationsAndTheUnexaminedLastCharacter)
{
    EXPECT_FLOAT_EQ(tools::boundValue("14.50 "), 14.5f);
    EXPECT_FLOAT_EQ(tools::boundValue("24.2"), 24.2f);
    EXPECT_FLOAT_EQ(tools::boundValue("7"), 7.0f);
    EXPECT_EQ(tools::boundValue("LGJ-185/10"), 0.0f);
    EXPECT_EQ(tools::boundValue("LGJ-630/45～80"), 0.0f);
    EXPECT_EQ(tools::boundValue(" 14.5"), 0.0f);
    EXPECT_EQ(tools::boundValue(""), 0.0f);
    EXPECT_EQ(tools::boundValue("12a"), 0.0f);     // passes the first test, fails to convert
    EXPECT_EQ(tools::boundValue("1.2.3"), 0.0f);
    EXPECT_EQ(tools::boundValue(std::string(60, '9')), 0.0f);
}

TEST(SpacerTable, DesignationMarksItsRowsAndSelectsTheLast)
{
    WeightTable table = tools::spacerWeightTable();
    ASSERT_EQ(table.rowCount(), 30);
    table.markMatches("LGKK-600", tools::noDiameter);
    EXPECT_EQ(markedRows(table), (std::vector<int>{18, 19, 20, 21, 22, 23}));
    EXPECT_EQ(table.selectedRow(), 22);
    EXPECT_EQ(table.row(table.selectedRow())[tools::kModelColumn], "MRJ-600K-450");
    EXPECT_EQ(table.selectedWeight(), "3.3");
}

TEST(SpacerTable, DiameterRangesAreInclusiveAndUpperTextIsNotCompared)
{
    WeightTable table = tools::spacerWeightTable();
    table.markMatches("LGJ-400/50", 27.63f);
    EXPECT_EQ(markedRows(table), (std::vector<int>{2, 5}));
    EXPECT_EQ(table.row(table.selectedRow())[tools::kModelColumn], "MRJ-5/200");

    table.markMatches("nowhere", 21.6f);
    EXPECT_EQ(markedRows(table), (std::vector<int>{1, 4}));

    table.markMatches("", 27.36f);
    EXPECT_EQ(markedRows(table), (std::vector<int>{2, 5, 10, 13, 16}));
    table.markMatches("", 18.1f);
    EXPECT_EQ(markedRows(table), (std::vector<int>{1, 4}));

    // "LGJQT-1400" is only the upper text of rows 18 and 19.
    table.markMatches("LGJQT-1400", tools::noDiameter);
    EXPECT_EQ(markedRows(table), (std::vector<int>{25, 26, 27, 28}));
}

TEST(SpacerTable, NoMatchKeepsTheSelection)
{
    WeightTable table = tools::spacerWeightTable();
    table.markMatches("", tools::noDiameter);
    EXPECT_TRUE(markedRows(table).empty());
    EXPECT_EQ(table.selectedRow(), 0);

    table.selectRow(6);
    table.markMatches("lgkk-600", tools::noDiameter);   // case matters
    EXPECT_TRUE(markedRows(table).empty());
    EXPECT_EQ(table.selectedRow(), 6);
    EXPECT_EQ(table.selectedWeight(), "2.2");
    EXPECT_THROW(table.selectRow(30), std::out_of_range);
}

TEST(SpacerTable, ZeroDiameterDoesNotMarkEveryDesignationRow)
{
    WeightTable table = tools::spacerWeightTable();
    table.markMatches("LGJ-400/50", 0.0f);
    EXPECT_TRUE(markedRows(table).empty());
}

TEST(FittingTable, LayoutAndCatalogueRows)
{
    const WeightTable table = tools::fittingWeightTable();
    ASSERT_EQ(table.rowCount(), tools::fittingWeightRowCount);
    EXPECT_EQ(table.layout().headers[tools::sourceColumn], "  备 注");
    EXPECT_EQ(table.layout().caption, "常用T接引下金具重量查询");
    const tools::WeightTableRow first = {"TL-185", "LGJ-185/10", "LGJ-185/25", "2.9", "LN样本"};
    EXPECT_EQ(table.row(0), first);
    const tools::WeightTableRow ty = {"TY-120/7", "LGJ-120/7", "14.50 ", "0.68", "LN样本"};
    EXPECT_EQ(table.row(90), ty);
    const tools::WeightTableRow tl800 = {"TL-800.1", "34", "39", "7.0", "NJ样本"};
    EXPECT_EQ(table.row(212), tl800);
    const tools::WeightTableRow last = {"TLS-2×1440N/400", "NAHLGJQ-1440", "NAHLGJQ-1440", "23.5", "NJ样本"};
    EXPECT_EQ(table.row(296), last);
    for (int i = 0; i < table.rowCount(); ++i)
        EXPECT_EQ(table.row(i)[tools::sourceColumn], i < 130 ? "LN样本" : "NJ样本") << i + 1;
}

TEST(FittingTable, DesignationOnEitherBoundAndDiameterWithTrailingBlank)
{
    WeightTable table = tools::fittingWeightTable();
    table.markMatches("LGJ-120/7", tools::noDiameter);
    const auto marked = markedRows(table);
    EXPECT_TRUE(std::find(marked.begin(), marked.end(), 91) != marked.end());
    EXPECT_TRUE(std::find(marked.begin(), marked.end(), 131) != marked.end());
    EXPECT_TRUE(std::find(marked.begin(), marked.end(), 1) == marked.end());

    table.markMatches("LGJ-630/80", tools::noDiameter);
    EXPECT_TRUE(table.isMatched(268));       // the upper bound's text
    EXPECT_EQ(table.selectedWeight().value_or(""), table.row(table.selectedRow())[tools::weightColumn]);

    // A designation-and-diameter row takes every diameter up to its bound.
    table.markMatches("", 14.5f);
    EXPECT_TRUE(table.isMatched(90));
    table.markMatches("", 14.51f);
    EXPECT_FALSE(table.isMatched(90));
    table.markMatches("", 7.5f);
    EXPECT_TRUE(table.isMatched(70));
    EXPECT_TRUE(table.isMatched(90));
}

TEST(WeightTable, ABlankWeightGivesNone)
{
    static constexpr tools::WeightTableLayout kLayout = {"", {}, {}, false};
    WeightTable table(kLayout, {{"A", "1", "2", "", "LN样本"}, {"B", "1", "2", " ", "LN样本"},
                                {"C", "1", "2", "0.5 ", "LN样本"}});
    EXPECT_FALSE(table.selectedWeight().has_value());
    table.selectRow(1);
    EXPECT_FALSE(table.selectedWeight().has_value());
    table.selectRow(2);
    EXPECT_EQ(table.selectedWeight(), "0.5 ");
}
