#include "options/model/markingstates.h"
#include "options/model/markingtemperatures.h"
#include "options/model/typicalzonetable.h"

#include <gtest/gtest.h>

using options::ConditionTable;
using options::GridCell;

namespace {

std::string temperature(const ConditionTable &table, int row)
{
    return table.cell({options::temperatureColumn, row});
}

std::string wind(const ConditionTable &table, int row)
{
    return table.cell({options::windSpeedColumn, row});
}

const options::TypicalZone &zone(int index)
{
    return options::typicalZoneTable()[static_cast<std::size_t>(index)];
}

} // namespace

TEST(ConditionTable, BuiltInTextsAndFixedCells)
{
    ConditionTable table;
    EXPECT_EQ(table.cell({0, 0}), "工况");
    EXPECT_EQ(table.cell({1, 0}), "导线温度(℃)");
    EXPECT_EQ(table.cell({2, 0}), "计算风速(m/s)");
    EXPECT_EQ(table.cell({0, 9}), "工频电压");
    const std::array<const char *, 9> temperatures = {"70", "-40", "40", "-10", "10", "-5", "15", "25", "25"};
    const std::array<const char *, 9> winds = {"0", "10", "10", "10", "30", "10", "10", "15", "10"};
    for (int row = 1; row <= 9; ++row) {
        EXPECT_EQ(temperature(table, row), temperatures[static_cast<std::size_t>(row - 1)]);
        EXPECT_EQ(wind(table, row), winds[static_cast<std::size_t>(row - 1)]);
    }
    EXPECT_THROW(table.setCell({0, 1}, "x"), std::out_of_range);
    EXPECT_THROW(table.setCell({1, 0}, "x"), std::out_of_range);
    EXPECT_THROW(table.setCell({3, 1}, "x"), std::out_of_range);
    EXPECT_THROW(table.cell({1, 10}), std::out_of_range);
}

TEST(TypicalZones, ZoneOneRaisesLightningAndSwitchingWind)
{
    ConditionTable table;
    table.setCell({1, 1}, "90");
    EXPECT_EQ(options::applyTypicalZone(zone(0), table), 0);
    EXPECT_EQ(temperature(table, 2), "-5");
    EXPECT_EQ(temperature(table, 3), "30");
    EXPECT_EQ(temperature(table, 4), "0");
    EXPECT_EQ(temperature(table, 5), "10");
    EXPECT_EQ(temperature(table, 6), "0");
    EXPECT_EQ(wind(table, 3), "10");
    EXPECT_EQ(wind(table, 4), "10");
    EXPECT_EQ(wind(table, 5), "35");
    EXPECT_EQ(wind(table, 6), "10");
    EXPECT_EQ(wind(table, 7), "15");
    EXPECT_EQ(wind(table, 8), "17.5");
    EXPECT_EQ(wind(table, 9), "10");
    // The conductor's own maximum temperature and the overvoltage temperatures stay.
    EXPECT_EQ(temperature(table, 1), "90");
    EXPECT_EQ(temperature(table, 7), "15");
    EXPECT_EQ(temperature(table, 8), "25");
    EXPECT_EQ(temperature(table, 9), "25");
    EXPECT_EQ(wind(table, 1), "0");
    EXPECT_EQ(wind(table, 2), "10");
}

TEST(TypicalZones, EachZoneGivesItsIceIndexAndHalfWindForSwitching)
{
    const std::array<int, 9> iceIndex = {0, 1, 1, 1, 2, 2, 2, 3, 4};
    const std::array<const char *, 9> switching = {"17.5", "15", "12.5", "12.5", "15", "12.5", "15", "15", "15"};
    for (int z = 0; z < options::typicalZoneCount; ++z) {
        ConditionTable table;
        SCOPED_TRACE(std::string(zone(z).name));
        EXPECT_EQ(options::applyTypicalZone(zone(z), table), iceIndex[static_cast<std::size_t>(z)]);
        EXPECT_EQ(wind(table, 8), switching[static_cast<std::size_t>(z)]);
        EXPECT_EQ(wind(table, 7), z == 0 ? "15" : "10");
    }
    ConditionTable table;
    options::applyTypicalZone(zone(2), table);
    EXPECT_EQ(wind(table, 7), "10");
    EXPECT_EQ(wind(table, 8), "12.5");
    EXPECT_EQ(zone(8).name, "九类");
    EXPECT_EQ(wind(table, 6), "10");
    options::applyTypicalZone(zone(7), table);
    EXPECT_EQ(wind(table, 6), "15");
    EXPECT_EQ(temperature(table, 4), "-10");
}

TEST(MarkingTemperatures, OnlyWholeNumbersSurvive)
{
    EXPECT_EQ(options::normalisedMarkingTemperature("-", 40), "40");
    EXPECT_EQ(options::normalisedMarkingTemperature("", 30), "30");
    EXPECT_EQ(options::normalisedMarkingTemperature("2.5", 20), "20");
    EXPECT_EQ(options::normalisedMarkingTemperature("12a", 20), "20");
    EXPECT_EQ(options::normalisedMarkingTemperature("+-5", 20), "20");
    EXPECT_EQ(options::normalisedMarkingTemperature("--5", 20), "20");
    EXPECT_EQ(options::normalisedMarkingTemperature("99999999999", -10), "-10");
    EXPECT_EQ(options::normalisedMarkingTemperature("-5", 40), "-5");
    EXPECT_EQ(options::normalisedMarkingTemperature("007", 40), "7");
    EXPECT_EQ(options::normalisedMarkingTemperature(" +12 ", 40), "12");
    EXPECT_EQ(options::normalisedMarkingTemperature("-0", 40), "0");
    EXPECT_EQ(options::parseWholeNumber("-2147483648"), -2147483648LL);
    EXPECT_EQ(options::parseWholeNumber("2147483648"), std::nullopt);
}

TEST(MarkingStates, FittingBoxesImplyTheConnectionBoxes)
{
    options::MarkingStates states;
    EXPECT_TRUE(states.isTicked(0) && states.isTicked(1) && states.isTicked(2));
    EXPECT_FALSE(states.isTicked(3) || states.isTicked(4));
    for (int box = 0; box < 5; ++box)
        EXPECT_TRUE(states.isEnabled(box));

    states.setTicked(1, false);
    states.setTicked(3, true);
    EXPECT_TRUE(states.isTicked(1));
    EXPECT_FALSE(states.isEnabled(1));
    states.setTicked(1, false);
    EXPECT_TRUE(states.isTicked(1));

    states.setTicked(3, false);
    EXPECT_TRUE(states.isEnabled(1));
    EXPECT_TRUE(states.isTicked(1));
    states.setTicked(1, false);
    EXPECT_FALSE(states.isTicked(1));

    states.setTicked(2, false);
    states.setTicked(4, true);
    EXPECT_TRUE(states.isTicked(2));
    EXPECT_FALSE(states.isEnabled(2));
    EXPECT_TRUE(states.isEnabled(1));

    states.restoreDefaults();
    EXPECT_TRUE(states.isEnabled(2));
    EXPECT_TRUE(states.isTicked(2));
    EXPECT_THROW(states.setTicked(5, true), std::out_of_range);
}

TEST(MarkingStates, StateWordsForTheCalculation)
{
    options::MarkingStates states;
    EXPECT_EQ(states.stateWord(0), "无绝缘子串B");
    EXPECT_EQ(states.stateWord(3), "引线金具已连接");
    EXPECT_EQ(states.stateWord(4), "左跳线金具已连接");
    states.setTicked(0, false);
    states.setTicked(4, true);
    EXPECT_EQ(states.stateWord(0), "有绝缘子串B");
    EXPECT_EQ(states.stateWord(4), "左跳线金具未连接");
    EXPECT_EQ(states.stateWord(2), "跳线未连接");
    EXPECT_EQ(options::MarkingStates::caption(1), "引线未连接");
}
