#include "app/model/lastinputfile.h"
#include "common/gbkcodec.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace app;
using namespace app::loadtable;
namespace fs = std::filesystem;

namespace {

/// A fresh folder for each test, removed afterwards.
class LastInputFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tenrix-app-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        mFolder = pattern;
        mFile = mFolder / lastInputFileName;
    }
    void TearDown() override { fs::remove_all(mFolder); }

    std::string readBytes() const
    {
        std::ifstream in(mFile, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    void writeBytes(std::string_view bytes) const
    {
        std::ofstream out(mFile, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    /// A file holding \a lines (UTF-8, encoded here), each ended by CR LF.
    void writeLines(const std::vector<std::string> &lines) const
    {
        std::string bytes;
        for (const std::string &line : lines)
            bytes += common::encodeGbk(line) + "\r\n";
        writeBytes(bytes);
    }

    /// The lines a default window writes, as UTF-8 texts, for editing.
    static std::vector<std::string> defaultLines()
    {
        const LastInputLines lines = lastInputLines(MainWindowModel());
        return {lines.begin(), lines.end()};
    }

    std::size_t entriesInFolder() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(mFolder), fs::directory_iterator()));
    }

    fs::path mFolder;
    fs::path mFile;
};

/// Every text of a model, for comparing whole models.
std::vector<std::string> snapshot(const MainWindowModel &model)
{
    const LastInputLines lines = lastInputLines(model);
    std::vector<std::string> all(lines.begin(), lines.end());
    for (int column = 0; column < columnCount; ++column)
        all.push_back(model.cell(column, headerRow));
    return all;
}

} // namespace

TEST_F(LastInputFile, DefaultWindowWritesTheDocumentedLines)
{
    const LastInputLines lines = lastInputLines(MainWindowModel());
    const std::pair<int, const char *> expected[] = {
        {1, "220kV#1主变进线间隔跨线"}, {24, ""}, {31, "4"}, {32, "0"}, {33, "16*XWP2-160耐张(单串双线,分裂间距200)"}, {36, "A"},
        {41, "1"}, {42, "1"}, {43, "0"}, {46, "1"}, {47, ""}, {52, "NAHLGJQ-1440"}, {60, "此处不填"},
        {61, ""}, {70, "6"}, {110, "此处不填"}, {130, ""}};
    for (const auto &[line, text] : expected)
        EXPECT_EQ(lines[line - 1], text) << "line " << line;
}

TEST_F(LastInputFile, RoundTripIsByteForByteInGbk)
{
    MainWindowModel model;
    model.setText(EditBox::Edit_bt, "500kV#2主变跨线");
    model.setTicked(PresenceBox::CheckBox_yx2, true);
    model.selectCell(3, conductorTypeRow);
    model.pickLeadConductor(24);
    model.setCell(3, relativeDistanceRow, "7.5");
    model.setCell(2, lengthRow, "  9 ");
    ASSERT_TRUE(saveLastInputs(model, mFile));

    const std::string bytes = readBytes();
    // "主变跨线" in GBK, not UTF-8.
    EXPECT_EQ(bytes.substr(0, 16), "500kV#2\xD6\xF7\xB1\xE4\xBF\xE7\xCF\xDF\r");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 130);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 130);
    EXPECT_NE(bytes.find("\r\n9\r\n"), std::string::npos); // grid cells trimmed

    MainWindowModel restored;
    ASSERT_TRUE(loadLastInputs(restored, mFile));
    EXPECT_EQ(restored.cell(3, headerRow), "有引下线P2");
    EXPECT_EQ(snapshot(restored), snapshot(model));
    ASSERT_TRUE(saveLastInputs(restored, mFile));
    EXPECT_EQ(readBytes(), bytes);
}

TEST_F(LastInputFile, FailedSaveSaysWhy)
{
    const app::LastInputSave saved = saveLastInputs(MainWindowModel(), mFile.parent_path() / "missing" / "temp_input.dat");
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.failure, "文件夹不存在");
}

TEST_F(LastInputFile, TextsBeyondGbkAndLineBreaksSurvive)
{
    MainWindowModel model;
    model.setText(EditBox::Edit_bt, "跨线 😀\r\n€");
    model.setStringTypeText(StringSide::B, "䶵型");
    ASSERT_TRUE(saveLastInputs(model, mFile));
    MainWindowModel restored;
    ASSERT_TRUE(loadLastInputs(restored, mFile));
    EXPECT_EQ(restored.text(EditBox::Edit_bt), "跨线 😀  €"); // a break inside cannot shift the lines
    EXPECT_EQ(restored.text(EditBox::Edit_L), "36");
    EXPECT_EQ(restored.stringTypeText(StringSide::B), "䶵型");
}

TEST_F(LastInputFile, RestoreRunsTheHandlersInOrder)
{
    std::vector<std::string> lines = defaultLines();
    lines[0] = "   带空格的名称";
    lines[1] = "40";  // moves the maintenance point ...
    lines[4] = "12";  // ... which the stored text then overrides
    lines[10] = "";   // bundle count: kept empty, refused when computed
    lines[31] = "5";  // LGKK-900 selected, boxes untouched
    lines[41] = "0";  // P1 cleared: column emptied, header rewritten ...
    lines[64] = "7";  // ... yet its stored cells are written back
    lines[42] = "1";  // P2 ticked; its empty lines keep the box rule's texts
    lines[59] = "x";  // PA row 9 is never restored
    writeLines(lines);

    MainWindowModel model;
    ASSERT_TRUE(loadLastInputs(model, mFile));
    EXPECT_EQ(model.text(EditBox::Edit_bt), "带空格的名称");
    EXPECT_EQ(model.text(EditBox::Edit_jxd), "12");
    EXPECT_EQ(model.text(EditBox::Edit_dx_flgs), "");
    EXPECT_EQ(model.conductorText(), "LGKK-900");
    EXPECT_EQ(model.text(EditBox::Edit_dx_d), "51.36");
    EXPECT_FALSE(model.isTicked(PresenceBox::CheckBox_yx1));
    EXPECT_EQ(model.cell(2, headerRow), "无引下线P1");
    EXPECT_EQ(model.cell(2, bundleCountRow), "7");
    EXPECT_EQ(model.cell(2, relativeDistanceRow), "6");
    EXPECT_EQ(model.cell(3, headerRow), "有引下线P2");
    EXPECT_EQ(model.cell(3, subSpanRow), "2");
    EXPECT_EQ(model.cell(1, relativeDistanceRow), "此处不填");
}

TEST_F(LastInputFile, ListIndicesAreAppliedOnlyWhenTheyFitTheList)
{
    const std::pair<const char *, int> cases[] = {
        {"0", 0}, {"9", 9}, {"3.", 3}, {"10", 4}, {"-1", 4}, {"2.5", 4}, {".", 4}, {"99999999999999999999", 4}};
    for (const auto &[line, expected] : cases) {
        std::vector<std::string> lines = defaultLines();
        lines[30] = line;
        writeLines(lines);
        MainWindowModel model;
        ASSERT_TRUE(loadLastInputs(model, mFile));
        EXPECT_EQ(model.voltageIndex(), expected) << line;
    }
}

TEST_F(LastInputFile, HigherStructureIsAppliedOnlyForAOrB)
{
    for (const auto &[line, bHigher] : {std::pair{"B", true}, std::pair{"A", false}, std::pair{"b", true},
                                        std::pair{"", true}, std::pair{"B ", true}}) {
        std::vector<std::string> lines = defaultLines();
        lines[35] = line;
        writeLines(lines);
        MainWindowModel model;
        model.setStructureBHigher(true);  // a line that is not "A" or "B" keeps this
        ASSERT_TRUE(loadLastInputs(model, mFile));
        EXPECT_EQ(model.structureBHigher(), bHigher) << line;
    }
}

TEST_F(LastInputFile, ShortFileKeepsTheTextsOfItsMissingLines)
{
    std::vector<std::string> lines = defaultLines();
    lines[1] = "50";
    lines.resize(129);
    writeLines(lines);
    MainWindowModel model;
    ASSERT_TRUE(loadLastInputs(model, mFile));
    EXPECT_EQ(model.text(EditBox::Edit_L), "50");
    EXPECT_EQ(model.text(EditBox::Edit_jxd), "18");

    lines[9] = "9.9";
    lines.resize(10);
    writeLines(lines);
    writeBytes(readBytes() + "partial"); // text after the last line feed is ignored
    model = MainWindowModel();
    ASSERT_TRUE(loadLastInputs(model, mFile));
    EXPECT_EQ(model.text(EditBox::Edit_dx_kg), "9.9");
    EXPECT_EQ(model.text(EditBox::Edit_dx_flgs), "2");
    EXPECT_EQ(model.text(EditBox::Edit_jyzb_f2), "0.695");
    EXPECT_EQ(model.stringTypeText(StringSide::A), "16*XWP2-160耐张(单串双线,分裂间距200)");
    EXPECT_TRUE(model.isTicked(PresenceBox::CheckBox_tx1));
    EXPECT_EQ(model.cell(1, conductorTypeRow), "NAHLGJQ-1440");
}

TEST_F(LastInputFile, UnreadableLinesAreSkippedAndTheRestApplied)
{
    std::vector<std::string> lines = defaultLines();
    lines[2] = "5";
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0)
            bytes += "\xFF\xFE\x81"; // not GBK
        else if (i == 1)
            bytes += std::string(100000, '7'); // no window text is that long
        else if (i == 3)
            bytes += std::string("1\0" "2", 3); // a control character inside
        else
            bytes += common::encodeGbk(lines[i]);
        bytes += "\r\n";
    }
    writeBytes(bytes);
    MainWindowModel model;
    ASSERT_TRUE(loadLastInputs(model, mFile));
    const MainWindowModel defaults;
    EXPECT_EQ(model.text(EditBox::Edit_bt), defaults.text(EditBox::Edit_bt));
    EXPECT_EQ(model.text(EditBox::Edit_L), "36");
    EXPECT_EQ(model.text(EditBox::Edit_h), "5");
    EXPECT_EQ(model.text(EditBox::Edit_f), "2");
}

TEST_F(LastInputFile, GarbageNeverCrashes)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (const std::size_t size : {std::size_t(1), std::size_t(5000), std::size_t(3) << 20}) {
        std::string bytes(size, '\0');
        for (char &c : bytes)
            c = static_cast<char>(byte(random));
        writeBytes(bytes);
        MainWindowModel model;
        EXPECT_TRUE(loadLastInputs(model, mFile));
        ASSERT_TRUE(saveLastInputs(model, mFile)); // whatever was applied can be written again
        MainWindowModel again;
        ASSERT_TRUE(loadLastInputs(again, mFile));
        EXPECT_EQ(snapshot(again), snapshot(model));
    }
}

TEST_F(LastInputFile, MissingFileOrAFolderChangesNothing)
{
    MainWindowModel model;
    EXPECT_FALSE(loadLastInputs(model, mFile));
    fs::create_directory(mFile);
    EXPECT_FALSE(loadLastInputs(model, mFile));
    EXPECT_EQ(snapshot(model), snapshot(MainWindowModel()));
}

TEST_F(LastInputFile, FailedWriteKeepsTheOldFileWhole)
{
    MainWindowModel model;
    ASSERT_TRUE(saveLastInputs(model, mFile));
    const std::string old = readBytes();
    EXPECT_FALSE(saveLastInputs(model, mFolder / "missing" / lastInputFileName));

    // A disk that fills up halfway through the new file.
    model.setText(EditBox::Edit_bt, "新的名称");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = bool(saveLastInputs(model, mFile));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(), old);
    EXPECT_EQ(entriesInFolder(), 1u); // no temporary file left behind
}

// A file the user names is read whole or refused; the message names the
// file, the line and the field.
TEST_F(LastInputFile, NamedFileIsRefusedUnlessWhole)
{
    const auto refusalOf = [this](std::string_view bytes) -> std::string {
        writeBytes(bytes);
        MainWindowModel model;
        try {
            loadNamedLastInputs(model, mFile);
        } catch (const common::DataFileError &error) {
            EXPECT_EQ(snapshot(model), snapshot(MainWindowModel()));
            return error.what();
        }
        return {};
    };
    std::string whole;
    for (const std::string &line : defaultLines())
        whole += common::encodeGbk(line) + "\r\n";
    const std::string name = "文件 “" + mFile.string() + "”";

    EXPECT_EQ(refusalOf(""), name + "有误: 应有130行,实有0行");
    EXPECT_EQ(refusalOf(whole.substr(0, whole.find('\n') + 1)), name + "有误: 应有130行,实有1行");
    EXPECT_EQ(refusalOf(whole + "x\r\n"), name + "有误: 应有130行,实有131行");
    std::string withControl = whole;
    withControl.replace(withControl.find("\r\n36\r\n"), 6, "\r\n3\x01" "6\r\n");
    EXPECT_EQ(refusalOf(withControl), name + " 第 2 行(跨距L(m))有误: 含有控制字符");
    std::string notGbk = whole;
    notGbk.insert(0, "\xFF\xFE");
    EXPECT_EQ(refusalOf(notGbk), name + " 第 1 行(跨线名称)有误: 不是有效的GBK文字");
    std::string longLine = whole;
    longLine.insert(longLine.find("\r\n36\r\n") + 2, std::string(5000, '7'));
    EXPECT_EQ(refusalOf(longLine), name + " 第 2 行(跨距L(m))有误: 行太长");
    std::string badCell = whole;
    const std::size_t line62 = [&] {
        std::size_t at = 0;
        for (int line = 1; line < 62; ++line)
            at = badCell.find('\n', at) + 1;
        return at;
    }();
    badCell.insert(line62 + 3, "\x07");
    EXPECT_EQ(refusalOf(badCell), name + " 第 62 行(引下线P1 导线型号)有误: 含有控制字符");

    // Whole, also without the last line's break, and as UTF-8 from an editor.
    EXPECT_EQ(refusalOf(whole), "");
    EXPECT_EQ(refusalOf(whole.substr(0, whole.size() - 2)), "");
    std::string utf8;
    for (const std::string &line : defaultLines())
        utf8 += line + "\n";
    writeBytes(utf8);
    MainWindowModel model;
    loadNamedLastInputs(model, mFile);
    EXPECT_EQ(model.text(EditBox::Edit_bt), "220kV#1主变进线间隔跨线");
}

TEST_F(LastInputFile, NamedFileThatIsNoRegularFileIsRefused)
{
    MainWindowModel model;
    const auto refusalOf = [&model](const fs::path &file) -> std::string {
        try {
            loadNamedLastInputs(model, file);
        } catch (const common::DataFileError &error) {
            return error.what();
        }
        return {};
    };
    EXPECT_EQ(refusalOf(mFile), "无法读取文件 “" + mFile.string() + "”: 文件不存在");
    EXPECT_EQ(refusalOf(mFolder), "无法读取文件 “" + mFolder.string() + "”: 这是一个文件夹");
    EXPECT_EQ(refusalOf("/dev/null"), "无法读取文件 “/dev/null”: 不是普通文件");
    const fs::path fifo = mFolder / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(refusalOf(fifo), "无法读取文件 “" + fifo.string() + "”: 不是普通文件"); // and no hang
    fs::create_symlink(mFolder / "b", mFolder / "a");
    fs::create_symlink(mFolder / "a", mFolder / "b");
    EXPECT_EQ(refusalOf(mFolder / "a"), "无法读取文件 “" + (mFolder / "a").string() + "”: 符号链接循环");
    if (::geteuid() != 0) {
        writeBytes("x\n");
        fs::permissions(mFile, fs::perms::none);
        EXPECT_EQ(refusalOf(mFile), "无法读取文件 “" + mFile.string() + "”: 没有读取权限");
    }
}

TEST_F(LastInputFile, StartReportsDamageButKeepsWhatItCouldRead)
{
    std::vector<std::string> lines = defaultLines();
    lines[2] = "5";
    lines.resize(100);
    writeLines(lines);
    MainWindowModel model;
    const LastInputLoad load = loadLastInputs(model, mFile);
    EXPECT_TRUE(load.read);
    EXPECT_EQ(load.damage, "文件 “" + mFile.string() + "”有误: 应有130行,实有100行");
    EXPECT_EQ(model.text(EditBox::Edit_h), "5");

    writeLines(defaultLines());
    EXPECT_EQ(loadLastInputs(model, mFile).damage, "");
}
