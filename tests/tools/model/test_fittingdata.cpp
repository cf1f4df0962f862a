#include "app/model/conductorcatalogue.h"
#include "engine/numberconversion.h"
#include "tools/model/fittingweighttable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

using tools::WeightTable;
using tools::WeightTableRow;

namespace {

/// How a bound column is written in a family of the fitting table.
enum class BoundKind { Designation, Diameter, DiameterAndBlank };

struct RowRange
{
    int first;  ///< 1-based catalogue row
    int last;
};

bool inRanges(int row, std::initializer_list<RowRange> ranges)
{
    return std::any_of(ranges.begin(), ranges.end(),
                       [row](const RowRange &r) { return r.first <= row && row <= r.last; });
}

BoundKind lowerBoundKind(int row)
{
    return inRanges(row, {{25, 34}, {71, 90}, {195, 213}}) ? BoundKind::Diameter : BoundKind::Designation;
}

BoundKind upperBoundKind(int row)
{
    if (inRanges(row, {{91, 124}, {178, 194}}))
        return BoundKind::DiameterAndBlank;
    if (inRanges(row, {{25, 34}, {71, 90}, {125, 130}, {195, 213}}))
        return BoundKind::Diameter;
    return BoundKind::Designation;
}

/// The weight families, each scaled from one row given in full.
const std::vector<RowRange> weightFamilies = {
    {1, 24}, {25, 34}, {35, 70}, {71, 90}, {91, 130}, {131, 177},
    {178, 194}, {195, 213}, {214, 289}, {290, 297},
};

std::optional<double> catalogueDiameter(std::string_view designation)
{
    for (const app::ConductorEntry &entry : app::conductorCatalogue()) {
        if (entry.typeName == designation)
            return engine::toNumber(entry.diameter);
    }
    return std::nullopt;
}

/// Diameter of the largest conductor a row is for, mm, when the row tells it.
std::optional<double> upperDiameter(const WeightTableRow &row)
{
    const float value = tools::boundValue(row[tools::upperBoundColumn]);
    if (value > 0)
        return value;
    return catalogueDiameter(row[tools::upperBoundColumn]);
}

std::set<int> markedRows(const WeightTable &table)
{
    std::set<int> rows;
    for (int i = 0; i < table.rowCount(); ++i) {
        if (table.isMatched(i))
            rows.insert(i + 1);
    }
    return rows;
}

void expectBoundOfKind(std::string_view text, BoundKind kind, int row)
{
    switch (kind) {
    case BoundKind::Designation:
        EXPECT_FALSE(text.empty()) << row;
        EXPECT_EQ(tools::boundValue(text), 0.0f) << row << " " << text;
        EXPECT_EQ(text.find(' '), std::string_view::npos) << row << " " << text;
        break;
    case BoundKind::Diameter:
        EXPECT_TRUE(engine::isDecimalNumber(text, false)) << row << " '" << text << "'";
        EXPECT_GT(tools::boundValue(text), 0.0f) << row;
        break;
    case BoundKind::DiameterAndBlank:
        ASSERT_FALSE(text.empty()) << row;
        EXPECT_EQ(text.back(), ' ') << row;
        EXPECT_TRUE(engine::isDecimalNumber(text.substr(0, text.size() - 1), false)) << row << " '" << text << "'";
        EXPECT_GT(tools::boundValue(text), 0.0f) << row;
        break;
    }
}

} // namespace

TEST(FittingData, EveryRowHasAWeightAndBoundsOfItsFamilysKind)
{
    WeightTable table = tools::fittingWeightTable();
    for (int i = 0; i < table.rowCount(); ++i) {
        const int row = i + 1;
        const WeightTableRow &cells = table.row(i);
        expectBoundOfKind(cells[tools::lowerBoundColumn], lowerBoundKind(row), row);
        expectBoundOfKind(cells[tools::upperBoundColumn], upperBoundKind(row), row);
        if (lowerBoundKind(row) == BoundKind::Diameter) {
            EXPECT_LE(tools::boundValue(cells[tools::lowerBoundColumn]),
                      tools::boundValue(cells[tools::upperBoundColumn])) << row;
        }

        table.selectRow(i);
        const std::optional<std::string> weight = table.selectedWeight();
        ASSERT_TRUE(weight.has_value()) << row;
        ASSERT_TRUE(engine::isDecimalNumber(*weight, false)) << row << " '" << *weight << "'";
        EXPECT_GT(engine::toNumber(*weight), 0.0) << row;
        EXPECT_LT(engine::toNumber(*weight), 30.0) << row;
    }
}

TEST(FittingData, DesignationBoundsNameCatalogueConductors)
{
    // Conductors a catalogued row names, or N sizes the conductor catalogue
    // does not carry; anything else is a misspelt bound that never matches.
    const std::set<std::string_view> outsideTheCatalogue = {
        "LGJ-185/25", "LGJ-400/30", "LGJ-630/45～80", "NAHLGJQ-210", "NAHLGJQ-240", "NAHLGJQ-300",
        "NAHLGJQ-500", "NAHLGJQ-600", "NAHLGJQ-630", "NAHLGJQ-1000",
    };
    const WeightTable table = tools::fittingWeightTable();
    for (int i = 0; i < table.rowCount(); ++i) {
        for (int column : {tools::lowerBoundColumn, tools::upperBoundColumn}) {
            const std::string_view bound = table.row(i)[static_cast<std::size_t>(column)];
            if (tools::boundValue(bound) > 0)
                continue;
            EXPECT_TRUE(catalogueDiameter(bound) || outsideTheCatalogue.count(bound))
                << "row " << i + 1 << ": " << bound;
        }
    }
}

TEST(FittingData, DiameterGroupsTakeEveryConductorOnce)
{
    const WeightTable table = tools::fittingWeightTable();
    // TL-mn of both catalogues: the first digit is the main conductor's group.
    std::map<char, std::pair<float, float>> groups;
    for (int i = 0; i < table.rowCount(); ++i) {
        const std::string_view model = table.row(i)[tools::kModelColumn];
        if (model.size() != 5 || model.substr(0, 3) != "TL-")
            continue;
        const std::pair<float, float> range = {tools::boundValue(table.row(i)[tools::lowerBoundColumn]),
                                               tools::boundValue(table.row(i)[tools::upperBoundColumn])};
        const auto [known, inserted] = groups.emplace(model[3], range);
        EXPECT_EQ(known->second, range) << model << " differs from another row of its group";
    }
    ASSERT_EQ(groups.size(), 7u);

    for (const app::ConductorEntry &entry : app::conductorCatalogue()) {
        const float diameter = static_cast<float>(engine::toNumber(entry.diameter));
        const bool stranded = entry.typeName.substr(0, 4) == "LGJ-" || entry.typeName.substr(0, 3) == "LJ-";
        if (!stranded || diameter < 9.0f || diameter > 39.0f)
            continue;
        const auto holds = [diameter](const auto &group) {
            return group.second.first <= diameter && diameter <= group.second.second;
        };
        EXPECT_EQ(std::count_if(groups.begin(), groups.end(), holds), 1) << entry.typeName;
    }
}

TEST(FittingData, WeightsGrowWithTheConductorWithinAFamily)
{
    const WeightTable table = tools::fittingWeightTable();
    for (const RowRange &family : weightFamilies) {
        std::vector<std::pair<double, double>> sizeAndWeight;
        for (int row = family.first; row <= family.last; ++row) {
            const WeightTableRow &cells = table.row(row - 1);
            if (const std::optional<double> diameter = upperDiameter(cells))
                sizeAndWeight.emplace_back(*diameter, engine::toNumber(cells[tools::weightColumn]));
        }
        ASSERT_GE(sizeAndWeight.size(), 2u) << family.first;
        std::sort(sizeAndWeight.begin(), sizeAndWeight.end());
        for (std::size_t k = 1; k < sizeAndWeight.size(); ++k) {
            EXPECT_LE(sizeAndWeight[k - 1].second, sizeAndWeight[k].second)
                << "rows " << family.first << ".." << family.last << " at " << sizeAndWeight[k].first << " mm";
        }
    }
}

TEST(FittingData, ExpandedAndAlloyConductorsMarkOnlyTheirOwnFittings)
{
    WeightTable table = tools::fittingWeightTable();
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"NAHLGJQ-1440", "1440N"},
        {"LGKK-600", "600K"},
        {"LGKK-900", "900K"},
    };
    for (const auto &[designation, modelPart] : cases) {
        const double diameter = *catalogueDiameter(designation);
        table.markMatches(designation, static_cast<float>(diameter));
        for (int i = 0; i < table.rowCount(); ++i) {
            const std::string_view model = table.row(i)[tools::kModelColumn];
            EXPECT_EQ(table.isMatched(i), model.find(modelPart) != std::string_view::npos)
                << designation << " row " << i + 1 << " " << model;
        }
    }
    table.markMatches("NAHLGJQ-1440", 51.36f);
    EXPECT_EQ(table.selectedRow(), 296);
    EXPECT_EQ(table.selectedWeight(), "23.5");
}

TEST(FittingData, StrandedConductorsMarkTheirSizeAndDiameterGroup)
{
    WeightTable table = tools::fittingWeightTable();
    const auto expectMarks = [&table](std::string_view designation, float diameter,
                                      std::initializer_list<int> marked, std::initializer_list<int> unmarked) {
        table.markMatches(designation, diameter);
        const std::set<int> rows = markedRows(table);
        for (int row : marked)
            EXPECT_TRUE(rows.count(row)) << designation << " should mark " << table.row(row - 1)[0] << " (" << row << ")";
        for (int row : unmarked)
            EXPECT_FALSE(rows.count(row)) << designation << " should not mark " << table.row(row - 1)[0] << " (" << row << ")";
        EXPECT_TRUE(table.selectedWeight().has_value()) << designation;
    };

    // TY-400/35 of both catalogues, TLD-400/400, TL-400/400 and NJ TL-55; not
    // the 185-240 group, the 300 fittings or the compression fittings of
    // thinner conductors.
    expectMarks("LGJ-400/35", 26.82f, {105, 148, 26, 82, 206}, {80, 204, 25, 27, 81, 102, 145, 71});
    // The lower bound of the catalogued TL-400 family row names this type.
    expectMarks("LGJ-400/20", 26.91f, {5, 17, 103, 146, 233, 252, 267, 281}, {4, 232});
    // TL-630/200 by its upper bound, TL-800.1 and TL-64 by diameter; not
    // the 800 group.
    expectMarks("LGJ-630/80", 34.82f, {269, 213, 208, 112, 156, 7, 34, 90, 254}, {211, 212, 8});
    expectMarks("LJ-240", 20.0f, {164, 77, 201}, {140, 74, 205});
}
