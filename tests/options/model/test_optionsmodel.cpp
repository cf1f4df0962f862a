#include "options/model/optionsfile.h"
#include "options/model/optionsmodel.h"

#include "support/scriptedmessenger.h"
#include "support/temporaryfolder.h"

#include <gtest/gtest.h>

using common::MessageAnswer;
using options::GridCell;
using options::OptionsModel;
using options::SaveOutcome;

namespace {

class OptionsModelTest : public ::testing::Test
{
protected:
    std::filesystem::path optionsFile() const { return mFolder.file("default.dat"); }

    std::vector<std::string> fileLines() const
    {
        std::vector<std::string> result;
        const std::string text = readBytes(optionsFile());
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            result.push_back(text.substr(start, end - start));
        EXPECT_EQ(start, text.size()) << "text after the last line end";
        return result;
    }

    TemporaryFolder mFolder;
};

void expectBuiltInControls(const OptionsModel &model)
{
    EXPECT_EQ(model.conditionText({1, 8}), "25");
    EXPECT_EQ(model.conditionText({2, 8}), "15");
    EXPECT_EQ(model.iceIndex(), 2);
    EXPECT_EQ(model.markingTemperatureText(0), "40");
    EXPECT_EQ(model.markingTemperatureText(8), "-10");
    EXPECT_TRUE(model.markingStates().isTicked(2));
    EXPECT_FALSE(model.markingStates().isTicked(3));
}

} // namespace

TEST_F(OptionsModelTest, FirstRunSavesFortyLinesWithReservedZeros)
{
    OptionsModel model(optionsFile());
    model.startUp();
    expectBuiltInControls(model);

    ScriptedMessenger messenger;
    EXPECT_EQ(model.saveOptionsFile(messenger), SaveOutcome::Saved);
    EXPECT_TRUE(messenger.shown.empty());

    const auto lines = fileLines();
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(lines[0], "70.000000  ");
    EXPECT_EQ(lines[1], "-40.000000  ");
    EXPECT_EQ(lines[7], "25.000000  ");   // the grid's 25, not the snapshot's initial 15
    EXPECT_EQ(lines[9], "10.000000  ");   // ice index 2
    EXPECT_EQ(lines[17], "15.000000  ");
    EXPECT_EQ(lines[28], "-10.000000  ");
    EXPECT_EQ(lines[30], "1.000000  ");
    EXPECT_EQ(lines[33], "0.000000  ");
    for (int line : {20, 30, 36, 37, 38, 39, 40})
        EXPECT_EQ(lines[static_cast<std::size_t>(line - 1)], "0.000000  ") << "line " << line;
}

TEST_F(OptionsModelTest, SavedSettingsComeBackInTheNextRun)
{
    {
        OptionsModel model(optionsFile());
        model.startUp();
        model.setConditionText({1, 1}, "80");
        model.setConditionText({2, 8}, "17.5");
        model.setIceIndex(4);
        model.setMarkingTemperatureText(3, "-25");
        model.setMarkingState(4, true);
        model.setMarkingState(0, false);
        ScriptedMessenger messenger;
        ASSERT_EQ(model.saveOptionsFile(messenger), SaveOutcome::Saved);
    }
    OptionsModel model(optionsFile());
    model.startUp();
    EXPECT_EQ(model.conditionText({1, 1}), "80");
    EXPECT_EQ(model.conditionText({2, 8}), "17.5");
    EXPECT_EQ(model.conditionText({1, 8}), "25");
    EXPECT_EQ(model.iceIndex(), 4);
    EXPECT_EQ(model.markingTemperatureText(3), "-25");
    EXPECT_FALSE(model.markingStates().isTicked(0));
    EXPECT_TRUE(model.markingStates().isTicked(4));
    EXPECT_FALSE(model.markingStates().isEnabled(2));
}

TEST_F(OptionsModelTest, ShortFileIsReportedAndShownAsFarAsItGoesAndFullFileIsShownInFull)
{
    writeBytes(optionsFile(), "");
    OptionsModel emptyFile(optionsFile());
    EXPECT_EQ(emptyFile.startUp(), "文件 “" + optionsFile().string() + "”有误: 应有40行,实有0行");
    expectBuiltInControls(emptyFile);

    std::string text;
    for (int i = 1; i <= 39; ++i)
        text += "3.000000  \r\n";
    writeBytes(optionsFile(), text);
    OptionsModel shortFile(optionsFile());
    EXPECT_EQ(shortFile.startUp(), "文件 “" + optionsFile().string() + "”有误: 应有40行,实有39行");
    EXPECT_EQ(shortFile.conditionText({1, 1}), "3");
    EXPECT_EQ(shortFile.markingTemperatureText(8), "3");

    writeBytes(optionsFile(), text + "3.000000  \r\n");
    OptionsModel fullFile(optionsFile());
    fullFile.startUp();
    EXPECT_EQ(fullFile.conditionText({1, 1}), "3");
    EXPECT_EQ(fullFile.conditionText({2, 9}), "3");
    EXPECT_EQ(fullFile.iceIndex(), 0);                 // 3 mm x 0.2 truncates to 0
    EXPECT_EQ(fullFile.markingTemperatureText(5), "3");
    for (int box = 0; box < 5; ++box)
        EXPECT_FALSE(fullFile.markingStates().isTicked(box));
}

TEST_F(OptionsModelTest, TextInTheFileLeavesTheInitialSnapshotShowing)
{
    writeBytes(optionsFile(), "55\r\n56\r\n57\r\n58\r\n59\r\n60\r\n61\r\nx\r\n");
    OptionsModel model(optionsFile());
    EXPECT_EQ(model.startUp(), "文件 “" + optionsFile().string() + "” 第 8 行(操作电压 导线温度(℃))有误: 不是数值");
    EXPECT_EQ(model.conditionText({1, 7}), "61");
    // Rows 8 and 9 show the snapshot's initial 15, not the grid's 25.
    EXPECT_EQ(model.conditionText({1, 8}), "15");
    EXPECT_EQ(model.conditionText({1, 9}), "15");
    EXPECT_EQ(model.iceIndex(), 2);
}

TEST_F(OptionsModelTest, ShowOptionsRules)
{
    auto values = options::toFileOrder(options::initialOptionsSnapshot());
    values[0] = 12.3f;     // general format shows the decimal the float holds, not its binary digits
    values[9] = 15;        // ice 15 mm
    values[20] = 12.5f;    // not a whole number: the edit's default
    values[30] = 0.5f;     // not exactly 1: unticked
    values[33] = 1;        // box 4 ticked forces box 2
    values[31] = 0;
    writeBytes(optionsFile(), options::formatOptionsText(options::fromFileOrder(values)));
    OptionsModel model(optionsFile());
    model.startUp();
    EXPECT_EQ(model.conditionText({1, 1}), "12.3");
    EXPECT_EQ(model.iceIndex(), 3);
    EXPECT_EQ(model.markingTemperatureText(0), "40");
    EXPECT_FALSE(model.markingStates().isTicked(0));
    EXPECT_TRUE(model.markingStates().isTicked(1));
    EXPECT_FALSE(model.markingStates().isEnabled(1));
}

TEST_F(OptionsModelTest, IceThicknessOutsideTheListKeepsTheIndex)
{
    for (float thickness : {25.0f, -5.0f, -0.5f, 1000.0f}) {
        auto values = options::toFileOrder(options::initialOptionsSnapshot());
        values[9] = thickness;
        writeBytes(optionsFile(), options::formatOptionsText(options::fromFileOrder(values)));
        OptionsModel model(optionsFile());
        model.startUp();
        EXPECT_EQ(model.iceIndex(), 2) << thickness;
    }
}

TEST_F(OptionsModelTest, ReservedNumbersPassThroughUnchanged)
{
    auto values = options::toFileOrder(options::initialOptionsSnapshot());
    values[19] = 7;
    values[29] = -8.25f;
    values[39] = 99;
    writeBytes(optionsFile(), options::formatOptionsText(options::fromFileOrder(values)));
    OptionsModel model(optionsFile());
    model.startUp();
    ScriptedMessenger messenger;
    ASSERT_EQ(model.saveOptionsFile(messenger), SaveOutcome::Saved);
    const auto lines = fileLines();
    EXPECT_EQ(lines[19], "7.000000  ");
    EXPECT_EQ(lines[29], "-8.250000  ");
    EXPECT_EQ(lines[39], "99.000000  ");
}

TEST_F(OptionsModelTest, GridCheckReportsEveryBadCellInOrder)
{
    OptionsModel model(optionsFile());
    model.setConditionText({1, 2}, "1e5");
    model.setConditionText({2, 5}, "");
    model.setConditionText({2, 6}, "-");   // a lone minus passes the signed check
    ScriptedMessenger messenger({common::MessageAnswer::Ok, common::MessageAnswer::Ok});
    EXPECT_FALSE(model.checkConditionGrid(messenger));
    ASSERT_EQ(messenger.shown.size(), 2u);
    EXPECT_EQ(messenger.shown[0].text, "气象表 最低温度 导线温度(℃) 数据有误,请检查");
    EXPECT_EQ(messenger.shown[1].text, "气象表 最大风速 计算风速(m/s) 数据有误,请检查");
    EXPECT_EQ(messenger.shown[1].caption, "语法检查");
    EXPECT_EQ(messenger.shown[1].icon, common::MessageIcon::Error);
    EXPECT_EQ(messenger.shown[1].buttons, common::MessageButtons::Ok);
    EXPECT_EQ(model.selectedCell(), (GridCell{2, 5}));

    model.setConditionText({1, 2}, "-12.5");
    model.setConditionText({2, 5}, "30");
    ScriptedMessenger quiet;
    EXPECT_TRUE(model.checkConditionGrid(quiet));
    EXPECT_TRUE(quiet.shown.empty());
}

TEST_F(OptionsModelTest, ConfirmWithABadCellWritesNothing)
{
    writeBytes(optionsFile(), "previous");
    OptionsModel model(optionsFile());
    model.setConditionText({1, 3}, "33");
    model.setConditionText({2, 6}, "-");
    model.setConditionText({1, 9}, "abc");
    const auto before = model.snapshot();
    ScriptedMessenger messenger({common::MessageAnswer::Ok});
    EXPECT_EQ(model.saveOptionsFile(messenger), SaveOutcome::BadCell);
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].text, "气象表 最大覆冰 计算风速(m/s) 数据有误,选项未保存,请检查");
    EXPECT_EQ(messenger.shown[0].caption, "选项设置");
    EXPECT_EQ(messenger.shown[0].icon, common::MessageIcon::Error);
    EXPECT_EQ(model.selectedCell(), (GridCell{2, 6}));
    EXPECT_EQ(model.snapshot(), before);
    EXPECT_EQ(readBytes(optionsFile()), "previous");

    // A number too large for a float would be written as "inf".
    model.setConditionText({2, 6}, "10");
    model.setConditionText({1, 9}, "1e39");
    messenger.expect();
    EXPECT_EQ(model.saveOptionsFile(messenger), SaveOutcome::BadCell);
    EXPECT_EQ(model.selectedCell(), (GridCell{1, 9}));
    EXPECT_EQ(readBytes(optionsFile()), "previous");
}

TEST_F(OptionsModelTest, UnwritableFileIsReportedAndSettingsStay)
{
    std::filesystem::create_directory(optionsFile());
    OptionsModel model(optionsFile());
    model.setConditionText({1, 1}, "85");
    ScriptedMessenger messenger({common::MessageAnswer::Ok});
    EXPECT_EQ(model.saveOptionsFile(messenger), SaveOutcome::WriteFailed);
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].caption, "选项设置");
    EXPECT_EQ(messenger.shown[0].icon, common::MessageIcon::Warning);
    EXPECT_EQ(messenger.shown[0].text, "选项设置未能保存到文件 default.dat:目标是一个文件夹,本次运行仍按当前设置计算.");
    EXPECT_EQ(model.conditionText({1, 1}), "85");
    EXPECT_EQ(model.snapshot().conditionTemperature[0], 85.0f);
}

TEST_F(OptionsModelTest, RestoreDefaultsAsksFirst)
{
    OptionsModel model(optionsFile());
    model.chooseZone(8);
    model.setConditionText({1, 1}, "90");
    model.setMarkingTemperatureText(0, "33");
    model.setMarkingState(3, true);
    model.setMarkingState(0, false);

    ScriptedMessenger cancel({common::MessageAnswer::Cancel});
    EXPECT_FALSE(model.restoreDefaults(cancel));
    ASSERT_EQ(cancel.shown.size(), 1u);
    EXPECT_EQ(cancel.shown[0].text, "恢复到程序初始设置状态,是否确定?");
    EXPECT_EQ(cancel.shown[0].caption, "选项设置");
    EXPECT_EQ(cancel.shown[0].icon, common::MessageIcon::Question);
    EXPECT_EQ(cancel.shown[0].buttons, common::MessageButtons::OkCancel);
    EXPECT_EQ(model.conditionText({1, 1}), "90");

    ScriptedMessenger ok({common::MessageAnswer::Ok});
    EXPECT_TRUE(model.restoreDefaults(ok));
    expectBuiltInControls(model);
    EXPECT_EQ(model.conditionText({1, 1}), "70");
    EXPECT_TRUE(model.markingStates().isTicked(0));
    EXPECT_TRUE(model.markingStates().isEnabled(1));
    EXPECT_EQ(model.zoneIndex(), 8);
    EXPECT_FALSE(std::filesystem::exists(optionsFile()));
}

TEST_F(OptionsModelTest, ZonesFillGridAndIceButNotTheMarkingPage)
{
    OptionsModel model(optionsFile());
    EXPECT_EQ(model.zoneIndex(), std::nullopt);
    model.setMarkingTemperatureText(0, "33");
    model.chooseZone(2);
    EXPECT_EQ(model.zoneIndex(), 2);
    EXPECT_EQ(model.iceIndex(), 1);
    EXPECT_EQ(model.iceThickness_mm(), 5);
    EXPECT_EQ(model.conditionText({2, 7}), "10");
    EXPECT_EQ(model.conditionText({2, 8}), "12.5");
    EXPECT_EQ(model.markingTemperatureText(0), "33");

    model.chooseZone(9);     // the list's empty entry
    model.chooseZone(-1);
    EXPECT_EQ(model.zoneIndex(), 2);
    EXPECT_EQ(model.iceIndex(), 1);
    EXPECT_EQ(model.conditionText({2, 8}), "12.5");
}

TEST_F(OptionsModelTest, MarkingEditsAndIceIndexGuardTheirRanges)
{
    OptionsModel model(optionsFile());
    model.setMarkingTemperatureText(0, "");
    model.setMarkingTemperatureText(0, "-");
    EXPECT_EQ(model.markingTemperatureText(0), "40");
    model.setMarkingTemperatureText(7, "x");
    EXPECT_EQ(model.markingTemperatureText(7), "-5");
    EXPECT_THROW(model.setMarkingTemperatureText(9, "1"), std::out_of_range);
    EXPECT_THROW(model.setIceIndex(5), std::out_of_range);
    EXPECT_THROW(model.selectCell({0, 1}), std::out_of_range);
}
