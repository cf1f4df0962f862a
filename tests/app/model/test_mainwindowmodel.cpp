#include "app/model/mainwindowmodel.h"

#include <gtest/gtest.h>

using namespace app;
using namespace app::loadtable;

namespace {

using Strings = std::vector<std::string>;

/// Column c, rows 1..9.
Strings dataRows(const MainWindowModel &model, int column)
{
    Strings rows;
    for (int row = conductorTypeRow; row <= relativeDistanceRow; ++row)
        rows.push_back(model.cell(column, row));
    return rows;
}

} // namespace

TEST(MainWindowModel, StringsStartOnEntry9WithTheirOwnValues)
{
    const MainWindowModel model;
    for (const StringSide side : {StringSide::A, StringSide::B}) {
        EXPECT_EQ(model.stringTypeText(side), "16*XWP2-160耐张(单串双线,分裂间距200)");
        EXPECT_EQ(model.stringTypeIndex(side), 6);
    }
    // Entry 9 would give 3155 and 164.8; the boxes keep the window's defaults.
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_l), "2965");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kg), "165.3");
    EXPECT_EQ(model.text(EditBox::Edit_dx_ax), "23"); // and the conductor "23", not the catalogue's "23.0"
}

TEST(MainWindowModel, SpanMovesTheMaintenancePointOnlyWhenItIsANumber)
{
    MainWindowModel model;
    model.setText(EditBox::Edit_L, "35");
    EXPECT_EQ(model.text(EditBox::Edit_jxd), "17.5");
    model.setText(EditBox::Edit_jxd, "10");
    for (const std::string &text : Strings{"", ".", "-4", "1e5", "3 ", std::string(400, '9')}) {
        model.setText(EditBox::Edit_L, text);
        EXPECT_EQ(model.text(EditBox::Edit_jxd), "10") << text;
        EXPECT_EQ(model.text(EditBox::Edit_L), text);
    }
}

// A count that is no whole number is refused by the input check, naming the
// field; turned into "1" as typed, it computed another span without a word.
TEST(MainWindowModel, BundleCountKeepsWhatWasTyped)
{
    MainWindowModel model;
    for (const char *typed : {"0", "", "-", "2.5", "abc", "007", "-3", " 5", "5 ", "99999999999"}) {
        model.setText(EditBox::Edit_dx_flgs, typed);
        EXPECT_EQ(model.text(EditBox::Edit_dx_flgs), typed);
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
    model.setTicked(PresenceBox::CheckBox_yx1, false);
    EXPECT_EQ(model.cell(2, headerRow), "无引下线P1");
    EXPECT_EQ(dataRows(model, 2), Strings(9, ""));
    model.setTicked(PresenceBox::CheckBox_yx1, true);
    EXPECT_EQ(model.cell(2, headerRow), "有引下线P1");
    EXPECT_EQ(dataRows(model, 2), (Strings{"", "", "", "1", "2", "2.5", "5", "10", ""}));

    // A jumper keeps its note in row 9.
    model.setTicked(PresenceBox::CheckBox_tx1, false);
    EXPECT_EQ(model.cell(1, headerRow), "无左跳线PA");
    EXPECT_EQ(dataRows(model, 1), (Strings{"", "", "", "", "", "", "", "", "此处不填"}));

    // Ticking a ticked box is no change and rewrites nothing.
    ASSERT_TRUE(model.setCell(6, lengthRow, "7.5"));
    model.setTicked(PresenceBox::CheckBox_tx2, true);
    EXPECT_EQ(model.cell(6, lengthRow), "7.5");
}

TEST(MainWindowModel, JumpersDistanceCellsAreLocked)
{
    MainWindowModel model;
    EXPECT_FALSE(model.setCell(1, relativeDistanceRow, "3"));
    EXPECT_FALSE(model.setCell(6, relativeDistanceRow, "3"));
    EXPECT_FALSE(model.setCell(3, headerRow, "x"));
    EXPECT_FALSE(model.setCell(0, 2, "x"));
    EXPECT_TRUE(model.setCell(5, relativeDistanceRow, "3"));
    EXPECT_EQ(model.cell(1, relativeDistanceRow), "此处不填");

    model.selectCell(6, relativeDistanceRow);
    EXPECT_FALSE(model.gridEditing());
    model.selectCell(6, fittingWeightRow);
    EXPECT_TRUE(model.gridEditing());
}

TEST(MainWindowModel, FloatingConductorListFillsTheTypeRowsOfTheCurrentColumn)
{
    MainWindowModel model;
    model.selectCell(3, unitWeightRow);
    EXPECT_FALSE(model.clickGrid());
    model.selectCell(3, conductorTypeRow);
    EXPECT_TRUE(model.clickGrid());

    model.pickLeadConductor(24);
    EXPECT_EQ(dataRows(model, 3), (Strings{"LGJ-400/35", "1.349", "26.82", "", "", "", "", "", ""}));
    model.pickLeadConductor(1);
    EXPECT_EQ(model.cell(3, diameterRow), "38.40");
    model.pickLeadConductor(conductorCount);
    EXPECT_EQ(model.cell(3, conductorTypeRow), "NAHLGJQ-800");
    EXPECT_EQ(model.leadTypeIndex(), 1);
}

TEST(MainWindowModel, PickedMainConductorFillsItsFiveBoxesOnly)
{
    MainWindowModel model;
    model.setText(EditBox::Edit_dx_flgs, "4");
    model.pickConductor(69);
    EXPECT_EQ(model.conductorText(), "LJ-95");
    const Strings boxes{model.text(EditBox::Edit_dx_d), model.text(EditBox::Edit_dx_S),
                        model.text(EditBox::Edit_dx_ax), model.text(EditBox::Edit_dx_E),
                        model.text(EditBox::Edit_dx_kg), model.text(EditBox::Edit_dx_flgs)};
    EXPECT_EQ(boxes, (Strings{"12.48", "95.14", "23.0", "59000", "0.2605", "4"}));
    // A selection without a pick (the last-input file) leaves the boxes alone.
    model.setConductorIndex(5);
    EXPECT_EQ(model.conductorText(), "LGKK-900");
    EXPECT_EQ(model.text(EditBox::Edit_dx_d), "12.48");
}

TEST(MainWindowModel, PickedStringTakesTheIcedColumnsOfTheIceIndex)
{
    MainWindowModel model;
    model.pickStringType(StringSide::A, 8, 2);
    EXPECT_EQ(model.stringTypeText(StringSide::A), "16*XWP2-160耐张(单串单线)");
    const Strings boxes{model.text(EditBox::Edit_jyza_l), model.text(EditBox::Edit_jyza_kg),
                        model.text(EditBox::Edit_jyza_f1), model.text(EditBox::Edit_jyza_kgb),
                        model.text(EditBox::Edit_jyza_f2)};
    EXPECT_EQ(boxes, (Strings{"2815", "158.1", "0.507", "180.1", "0.663"}));

    model.pickStringType(StringSide::A, 8, 1);
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kgb), "167.9");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_f2), "0.593");

    // No iced columns for 20 mm: emptied for the engineer, never another ice's figures.
    model.pickStringType(StringSide::A, 99, 4);
    EXPECT_EQ(model.text(EditBox::Edit_jyza_l), "1255");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kgb), "");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_f2), "");
    // Without ice the iced string is the bare one.
    model.pickStringType(StringSide::A, 8, 0);
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kgb), "158.1");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_f2), "0.507");

    model.pickStringType(StringSide::B, 29, 2);
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kgb), "110.05");

    model.setStringTypeText(StringSide::B, "自定义");
    EXPECT_EQ(model.stringTypeIndex(StringSide::B), -1);
}

TEST(MainWindowModel, PickedStringsFollowANewIceThickness)
{
    MainWindowModel model;
    model.pickStringType(StringSide::A, 8, 2);
    model.setText(EditBox::Edit_jyzb_kgb, "200");
    model.setStringTypeText(StringSide::B, "自定义");

    model.followIceIndex(1);
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kgb), "167.9"); // the 5 mm columns of entry 8
    EXPECT_EQ(model.text(EditBox::Edit_jyza_f2), "0.593");
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kg), "158.1");
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kgb), "200"); // typed: the engineer's own

    model.followIceIndex(2);
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kgb), "180.1");
    model.followIceIndex(4); // no data for 20 mm: emptied, so the calculation asks for them
    EXPECT_EQ(model.text(EditBox::Edit_jyza_kgb), "");
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kgb), "200");
}

TEST(MainWindowModel, ComposedStringsAreRecomposedForANewIceThickness)
{
    MainWindowModel model;
    model.applyComposedString(StringSide::B, tools::composeString(0, 0, 14, 2));
    model.noteComposition(StringSide::B, 0, 0, 14);
    model.followIceIndex(1);
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kgb), tools::composeString(0, 0, 14, 1).stringIcedWeight);
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kgb), "147.7");
    model.followIceIndex(3);
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kgb), "");
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_f2), "");
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kg), "139.1");

    // Once the designation is typed over, the string is the engineer's own.
    model.setStringTypeText(StringSide::B, "14*XWP2-160特制");
    model.setText(EditBox::Edit_jyzb_kgb, "170");
    model.followIceIndex(2);
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_kgb), "170");
}

TEST(MainWindowModel, ConfirmedCompositionIsCopiedUnchanged)
{
    MainWindowModel model;
    // The composer's defaults: 14 discs of XWP2-160, the first fitting set, 10 mm of ice.
    model.applyComposedString(StringSide::B, tools::composeString(0, 0, 14, 2));
    EXPECT_EQ(model.stringTypeText(StringSide::B), "14*XWP2-160耐张(单串单线)");
    EXPECT_EQ(model.stringTypeIndex(StringSide::B), -1);
    const Strings boxes{model.text(EditBox::Edit_jyzb_l), model.text(EditBox::Edit_jyzb_kg),
                        model.text(EditBox::Edit_jyzb_kgb), model.text(EditBox::Edit_jyzb_f1),
                        model.text(EditBox::Edit_jyzb_f2)};
    EXPECT_EQ(boxes, (Strings{"2505", "139.1", "158.4", "0.447", "0.585"}));
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
    for (const std::string &diameter : Strings{"abc", "", ".", "-3", "1e2", std::string(60, '9')}) {
        model.setText(EditBox::Edit_dx_d, diameter);
        EXPECT_EQ(model.gridLookupRequest().diameter_mm, missingDiameter_mm) << diameter;
    }

    // A load's spacer belongs to the load's own conductor.
    model.selectCell(3, conductorTypeRow);
    model.pickLeadConductor(24);
    model.setCell(3, conductorTypeRow, " LGJ-400/35 ");
    model.selectCell(3, spacerWeightRow);
    request = model.gridLookupRequest();
    EXPECT_EQ(request.lookup, Lookup::Spacer);
    EXPECT_EQ(request.conductorType, "LGJ-400/35");
    EXPECT_EQ(request.diameter_mm, 26.82f);
    model.applyGridLookupWeight(" 1.12 ");
    EXPECT_EQ(model.cell(3, spacerWeightRow), "1.12");

    model.selectCell(3, lengthRow);
    EXPECT_EQ(model.gridLookupRequest().lookup, Lookup::None);
    model.applyGridLookupWeight("9");
    EXPECT_EQ(model.cell(3, lengthRow), "");

    EXPECT_EQ(model.conductorSpacerLookupRequest().conductorType, "NAHLGJQ-1440");
    model.applyConductorSpacerWeight("2.2 ");
    EXPECT_EQ(model.text(EditBox::Edit_dx_flkg), "2.2 ");
}
