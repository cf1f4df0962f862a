#include "app/mainwindowmodel.h"

#include <gtest/gtest.h>

#include <string>

using namespace app;
using namespace app::loadtable;

namespace {

/// Column c, rows 1..9 as one list, for comparing whole columns.
std::vector<std::string> dataRows(const MainWindowModel &model, int column)
{
    std::vector<std::string> rows;
    for (int row = conductorTypeRow; row <= relativeDistanceRow; ++row)
        rows.push_back(model.cell(column, row));
    return rows;
}

} // namespace

TEST(MainWindowModel, StartsWithTheDefaultSpan)
{
    const MainWindowModel model;
    EXPECT_EQ(model.text(EditBox::Edit_bt), "220kV#1主变进线间隔跨线");
    EXPECT_EQ(model.text(EditBox::Edit_jxd), "18");
    EXPECT_EQ(model.text(EditBox::Edit_dx_ax), "23"); // the window's own default, not the catalogue's "23.0"
    EXPECT_EQ(model.text(EditBox::Edit_dx_flgs), "2");
    EXPECT_EQ(model.voltageText(), "220");
    EXPECT_EQ(model.conductorText(), "NAHLGJQ-1440");
    for (const StringSide side : {StringSide::A, StringSide::B}) {
        EXPECT_EQ(model.stringTypeText(side), "16*XWP2-160可调(单串单线)");
        EXPECT_EQ(model.stringTypeIndex(side), 9);
    }
    // The string boxes keep their own defaults, which are not entry 9's values.
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_l), "2965");
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kgb), "187.8");
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_f2), "0.695");
    EXPECT_TRUE(model.isTicked(PresenceBox::CheckBox_tx1));
    EXPECT_FALSE(model.isTicked(PresenceBox::CheckBox_yx2));
    EXPECT_EQ(model.cell(2, relativeDistanceRow), "6");
    EXPECT_EQ(model.cell(6, relativeDistanceRow), "此处不填");
    EXPECT_EQ(model.cell(0, relativeDistanceRow), "相对距离(m)  L1 - L4");
}

TEST(MainWindowModel, SpanMovesTheMaintenancePointOnlyWhenItIsANumber)
{
    MainWindowModel model;
    model.setText(EditBox::Edit_L, "35");
    EXPECT_EQ(model.text(EditBox::Edit_jxd), "17.5");
    model.setText(EditBox::Edit_jxd, "10");
    for (const char *notANumber : {"", ".", "-4", "1e5", "3 ", "１２"}) {
        model.setText(EditBox::Edit_L, notANumber);
        EXPECT_EQ(model.text(EditBox::Edit_jxd), "10") << notANumber;
        EXPECT_EQ(model.text(EditBox::Edit_L), notANumber);
    }
    model.setText(EditBox::Edit_L, "0.1");
    EXPECT_EQ(model.text(EditBox::Edit_jxd), "0.05");
    model.setText(EditBox::Edit_L, std::string(400, '9')); // beyond a double: no move, no crash
    EXPECT_EQ(model.text(EditBox::Edit_jxd), "0.05");
}

TEST(MainWindowModel, BundleCountIsAlwaysAnInteger)
{
    MainWindowModel model;
    const std::pair<const char *, const char *> cases[] = {
        {"2", "2"}, {"0", "0"}, {"", "1"}, {"-", "1"}, {"+", "1"}, {"2.5", "1"}, {"abc", "1"},
        {"007", "7"}, {"-3", "-3"}, {"+4", "4"}, {" 5", "5"}, {"5 ", "1"}, {"--2", "1"},
        {"99999999999", "1"}, {"2147483647", "2147483647"}};
    for (const auto &[typed, kept] : cases) {
        model.setText(EditBox::Edit_dx_flgs, typed);
        EXPECT_EQ(model.text(EditBox::Edit_dx_flgs), kept) << typed;
    }
}

TEST(MainWindowModel, SpanNameKeepsAtMostOneHundredCharacters)
{
    MainWindowModel model;
    std::string name;
    for (int i = 0; i < 120; ++i)
        name += "跨";
    model.setText(EditBox::Edit_bt, name);
    EXPECT_EQ(model.text(EditBox::Edit_bt), name.substr(0, 300)); // 100 characters of 3 bytes
}

TEST(MainWindowModel, PresenceBoxesRewriteTheirColumn)
{
    MainWindowModel model;
    // A lead cleared and ticked again: the type rows and the distance stay
    // empty, rows 4..8 get the present-load defaults.
    model.setTicked(PresenceBox::CheckBox_yx1, false);
    EXPECT_EQ(model.cell(2, headerRow), "无引下线P1");
    EXPECT_EQ(dataRows(model, 2), std::vector<std::string>(9, ""));
    model.setTicked(PresenceBox::CheckBox_yx1, true);
    EXPECT_EQ(model.cell(2, headerRow), "有引下线P1");
    EXPECT_EQ(dataRows(model, 2),
              (std::vector<std::string>{"", "", "", "1", "2", "2.5", "5", "10", ""}));

    // A jumper keeps its note in row 9.
    model.setTicked(PresenceBox::CheckBox_tx1, false);
    EXPECT_EQ(model.cell(1, headerRow), "无左跳线PA");
    EXPECT_EQ(dataRows(model, 1),
              (std::vector<std::string>{"", "", "", "", "", "", "", "", "此处不填"}));

    // Ticking keeps rows 1..3 and 9.
    model.setTicked(PresenceBox::CheckBox_tx2, true); // already ticked: nothing happens
    model.setTicked(PresenceBox::CheckBox_yx3, true);
    EXPECT_EQ(model.cell(4, headerRow), "有引下线P3");
    EXPECT_EQ(model.cell(6, bundleCountRow), "1");
    ASSERT_TRUE(model.setCell(6, lengthRow, "7.5"));
    model.setTicked(PresenceBox::CheckBox_tx2, true);
    EXPECT_EQ(model.cell(6, lengthRow), "7.5");
}

TEST(MainWindowModel, OnlyTheJumpersDistanceCellsAreLocked)
{
    MainWindowModel model;
    for (int column = 0; column < columnCount; ++column) {
        for (int row = 0; row < rowCount; ++row) {
            const bool expected = column >= 1 && row >= 1
                                  && !(row == relativeDistanceRow && (column == 1 || column == 6));
            EXPECT_EQ(MainWindowModel::isCellEditable(column, row), expected) << column << "," << row;
        }
    }
    EXPECT_FALSE(model.setCell(1, relativeDistanceRow, "3"));
    EXPECT_EQ(model.cell(1, relativeDistanceRow), "此处不填");
    EXPECT_FALSE(model.setCell(3, headerRow, "x"));
    EXPECT_THROW(model.cell(7, 1), std::out_of_range);

    model.selectCell(6, relativeDistanceRow);
    EXPECT_FALSE(model.gridEditing());
    model.selectCell(5, relativeDistanceRow);
    EXPECT_TRUE(model.gridEditing());
    EXPECT_EQ(model.currentColumn(), 5);
}

TEST(MainWindowModel, FloatingConductorListFillsTheTypeRowsOfTheCurrentColumn)
{
    MainWindowModel model;
    model.selectCell(3, unitWeightRow);
    EXPECT_FALSE(model.clickGrid());
    model.selectCell(3, conductorTypeRow);
    EXPECT_TRUE(model.clickGrid());
    EXPECT_EQ(model.leadTypeIndex(), -1);

    model.pickLeadConductor(24);
    EXPECT_EQ(model.leadTypeIndex(), 24);
    EXPECT_EQ(dataRows(model, 3),
              (std::vector<std::string>{"LGJ-400/35", "1.349", "26.82", "", "", "", "", "", ""}));
    // Untrimmed catalogue text: "38.40" keeps its zero.
    model.pickLeadConductor(1);
    EXPECT_EQ(model.cell(3, diameterRow), "38.40");
    model.pickLeadConductor(73);
    EXPECT_EQ(model.cell(3, conductorTypeRow), "NAHLGJQ-800");
    EXPECT_TRUE(model.leadTypeListVisible()); // stays until the next click
}

TEST(MainWindowModel, PickedMainConductorFillsItsFiveBoxes)
{
    MainWindowModel model;
    model.setText(EditBox::Edit_dx_flgs, "4");
    model.pickConductor(69);
    EXPECT_EQ(model.conductorText(), "LJ-95");
    EXPECT_EQ(model.text(EditBox::Edit_dx_d), "12.48");
    EXPECT_EQ(model.text(EditBox::Edit_dx_S), "95.14");
    EXPECT_EQ(model.text(EditBox::Edit_dx_ax), "23.0");
    EXPECT_EQ(model.text(EditBox::Edit_dx_E), "59000");
    EXPECT_EQ(model.text(EditBox::Edit_dx_kg), "0.2605");
    EXPECT_EQ(model.text(EditBox::Edit_dx_flgs), "4");
    model.pickConductor(-1);
    EXPECT_EQ(model.conductorText(), "LJ-95");
    // A selection set without a pick leaves the boxes alone.
    model.setConductorIndex(5);
    EXPECT_EQ(model.conductorText(), "LGKK-900");
    EXPECT_EQ(model.text(EditBox::Edit_dx_d), "12.48");
}

TEST(MainWindowModel, PickedStringTakesTheIcedColumnsOfTheIceIndex)
{
    MainWindowModel model;
    model.pickStringType(StringSide::A, 8, 2);
    EXPECT_EQ(model.stringTypeText(StringSide::A), "16*XWP2-160耐张(单串单线)");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_l), "2815");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kg), "158.1");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_f1), "0.507");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kgb), "180.1");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_f2), "0.663");

    model.pickStringType(StringSide::A, 8, 1);
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kgb), "167.9");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_f2), "0.593");

    model.setText(EditBox::Edit_jyza_kgb, "200");
    model.pickStringType(StringSide::A, 99, 4);
    EXPECT_EQ(model.text(EditBox::Edit_jyza_l), "1255");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kgb), "200");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_f2), "0.593");

    model.pickStringType(StringSide::B, 29, 2);
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kgb), "110.05");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_l), "1255"); // string A untouched

    model.setStringTypeText(StringSide::B, "自定义");
    EXPECT_EQ(model.stringTypeIndex(StringSide::B), -1);
    model.pickStringType(StringSide::B, 100, 2);
    EXPECT_EQ(model.stringTypeText(StringSide::B), "自定义");
}

TEST(MainWindowModel, ConfirmedCompositionIsCopiedUnchanged)
{
    MainWindowModel model;
    // The composer's defaults: 14 discs of XWP2-160, the first fitting set, 10 mm of ice.
    model.applyComposedString(StringSide::B, tools::composeString(0, 0, 14, 2));
    EXPECT_EQ(model.stringTypeText(StringSide::B), "14*XWP2-160耐张(单串单线)");
    EXPECT_EQ(model.stringTypeIndex(StringSide::B), -1);
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_l), "2505");
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kg), "139.1");
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kgb), "158.4");
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_f1), "0.447");
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_f2), "0.585");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_l), "2965");
}

TEST(MainWindowModel, LookupsArePreparedWithTheRightConductor)
{
    MainWindowModel model;
    model.selectCell(2, fittingWeightRow);
    LookupRequest request = model.gridLookupRequest();
    EXPECT_EQ(request.lookup, Lookup::Fitting);
    EXPECT_EQ(request.conductorType, "NAHLGJQ-1440");
    EXPECT_EQ(request.diameter_mm, 51.36f);

    model.setText(EditBox::Edit_dx_d, "abc");
    EXPECT_EQ(model.gridLookupRequest().diameter_mm, missingDiameter_mm);

    // The spacer of a load belongs to the load's own conductor.
    model.selectCell(3, conductorTypeRow);
    model.pickLeadConductor(24);
    model.setCell(3, conductorTypeRow, " LGJ-400/35 ");
    model.selectCell(3, spacerWeightRow);
    request = model.gridLookupRequest();
    EXPECT_EQ(request.lookup, Lookup::Spacer);
    EXPECT_EQ(request.conductorType, "LGJ-400/35");
    EXPECT_EQ(request.diameter_mm, 26.82f);
    model.setCell(3, diameterRow, "");
    EXPECT_EQ(model.gridLookupRequest().diameter_mm, missingDiameter_mm);

    model.applyGridLookupWeight(" 1.12 ");
    EXPECT_EQ(model.cell(3, spacerWeightRow), "1.12");

    model.selectCell(3, lengthRow);
    EXPECT_EQ(model.gridLookupRequest().lookup, Lookup::None);
    model.applyGridLookupWeight("9");
    EXPECT_EQ(model.cell(3, lengthRow), "");

    request = model.conductorSpacerLookupRequest();
    EXPECT_EQ(request.lookup, Lookup::Spacer);
    EXPECT_EQ(request.conductorType, "NAHLGJQ-1440");
    model.applyConductorSpacerWeight("2.2 ");
    EXPECT_EQ(model.text(EditBox::Edit_dx_flkg), "2.2 ");
}

TEST(MainWindowModel, LookupDiameterFallsBackForEverythingButAnUnsignedNumber)
{
    EXPECT_EQ(lookupDiameter_mm("51.36"), 51.36f);
    EXPECT_EQ(lookupDiameter_mm("5."), 5.0f);
    for (const char *text : {"", ".", "-3", "1e2", " 5", "5,1"})
        EXPECT_EQ(lookupDiameter_mm(text), missingDiameter_mm) << text;
    EXPECT_EQ(lookupDiameter_mm(std::string(60, '9')), missingDiameter_mm); // beyond a float
}
