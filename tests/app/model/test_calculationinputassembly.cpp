#include "app/model/calculationinputassembly.h"
#include "support/spanfixture.h"

#include <gtest/gtest.h>

using namespace app;
using engine::leadSlot;
namespace slot = engine::slot;

TEST(CalculationInputAssembly, DefaultSpanFillsTheListedSlots)
{
    const engine::CalculationInput input = defaultCalculationInput();
    const std::pair<int, const char *> expected[] = {
        {0, "220kV#1主变进线间隔跨线"}, {1, "220"}, {2, "36"}, {3, "3"}, {4, "2"}, {5, "18"},
        {10, "70"}, {11, "-40"}, {17, "25"}, {18, "25"}, {19, "10"},
        {20, "0"}, {24, "30"}, {27, "15"}, {28, "10"},
        {30, "NAHLGJQ-1440"}, {31, "51.36"}, {32, "4.942"}, {33, "2"}, {34, "23"}, {35, "71853"},
        {36, "1555.8"}, {37, "6"}, {38, "2.5"},
        {50, "16*XWP2-160耐张(单串双线,分裂间距200)"}, {51, "2965"}, {52, "165.3"}, {53, "187.8"}, {54, "0.529"},
        {55, "0.695"}, {60, "16*XWP2-160耐张(单串双线,分裂间距200)"}, {65, "0.695"},
        {70, "NAHLGJQ-1440"}, {71, "4.942"}, {72, "51.36"}, {73, "1"}, {74, "2"}, {75, "2.5"},
        {76, "5"}, {77, "10"}, {78, "此处不填"},
        {80, "NAHLGJQ-1440"}, {86, "8"}, {87, "8"}, {88, "6"},
        {90, "无引下线P2"}, {91, "0"}, {98, "0"}, {100, "无引下线P3"}, {110, "无引下线P4"}, {118, "0"},
        {120, "NAHLGJQ-1440"}, {128, "此处不填"},
        {141, "无绝缘子串B"}, {142, "引线未连接"}, {143, "跳线未连接"}, {144, "引线金具已连接"},
        {145, "左跳线金具已连接"},
        {150, "40"}, {154, "10"}, {157, "-5"}, {158, "-10"}};
    for (const auto &[index, text] : expected) {
        EXPECT_EQ(input[index], text) << "slot " << index;
    }
    // Slots nobody fills keep "0".
    EXPECT_EQ(input[6], "A侧高");
    for (const int index : {9, 29, 39, 40, 49, 56, 59, 66, 69, 79, 129, 140, 146, 149, 159})
        EXPECT_EQ(input[index], "0") << "slot " << index;
}

// The tests of the engine and the report compute the span the program starts with.
TEST(CalculationInputAssembly, TheTestsDefaultSpanIsTheWindowsDefault)
{
    EXPECT_EQ(defaultCalculationInput(), testing_span::defaultSpan());
}

TEST(CalculationInputAssembly, TakesTextsAsShownAndAbsentLoadsAsHeaders)
{
    MainWindowModel window;
    window.setText(EditBox::Edit_h, " 0 ");
    window.setText(EditBox::Edit_jyzb_kg, "abc");
    window.setStringTypeText(StringSide::A, " 自定义串 ");
    window.setVoltageIndex(0);
    window.setConductorIndex(-1);
    window.setCell(2, 7, " 8 ");
    window.setTicked(PresenceBox::CheckBox_tx2, false);
    window.setTicked(PresenceBox::CheckBox_yx4, true);

    options::OptionsTexts options;
    options.iceIndex = 3;
    options.markingState = {false, false, false, true, true};
    options.conditionTemperature[0] = "80";
    options.markingTemperature[8] = "-15";

    const engine::CalculationInput input = assembleCalculationInput(window, options);
    EXPECT_EQ(input[slot::voltageLevel], "1000");
    EXPECT_EQ(input[slot::heightDifference], " 0 ");
    EXPECT_EQ(input[slot::conductorType], "");
    EXPECT_EQ(input[slot::stringA], " 自定义串 ");
    EXPECT_EQ(input[slot::stringB + engine::stringWeight], "abc");
    EXPECT_EQ(input[leadSlot(engine::leadP1, engine::leadLength)], " 8 ");
    EXPECT_EQ(input[leadSlot(engine::leadPB, engine::leadConductorType)], "无右跳线PB");
    for (int field = engine::leadUnitWeight; field <= engine::relativeDistance; ++field)
        EXPECT_EQ(input[leadSlot(engine::leadPB, field)], "0");
    // A lead ticked just now: its empty type rows go in as they are.
    EXPECT_EQ(input[leadSlot(engine::leadP4, engine::leadConductorType)], "");
    EXPECT_EQ(input[leadSlot(engine::leadP4, engine::leadBundleCount)], "1");
    EXPECT_EQ(input[slot::iceThickness], "15");
    EXPECT_EQ(input[slot::conditionTemperature], "80");
    EXPECT_EQ(input[slot::markingTemperature + 8], "-15");
    EXPECT_EQ(input[141], "有绝缘子串B");
    EXPECT_EQ(input[142], "引线已连接");
    EXPECT_EQ(input[143], "跳线已连接");
    EXPECT_EQ(input[144], "引线金具未连接");
    EXPECT_EQ(input[145], "左跳线金具未连接");
}
