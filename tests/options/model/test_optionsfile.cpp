#include "options/model/optionsfile.h"

#include "support/temporaryfolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using options::OptionsSnapshot;

namespace {

/// A snapshot whose 40 numbers are 1.5, 2.5, ... 40.5 in file order.
OptionsSnapshot countingSnapshot()
{
    std::array<float, options::snapshotSize> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<float>(i) + 1.5f;
    return options::fromFileOrder(values);
}

std::string lines(int count, const std::string &lineEnd = "  \r\n")
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::to_string(100 + i) + ".000000" + lineEnd;
    return text;
}

std::array<float, options::snapshotSize> scanned(std::string_view text, bool &complete)
{
    OptionsSnapshot snapshot = countingSnapshot();
    complete = options::scanOptionsText(text, snapshot);
    return options::toFileOrder(snapshot);
}

} // namespace

TEST(OptionsFileFormat, InitialSnapshotIsWrittenByteForByte)
{
    const std::string text = options::formatOptionsText(options::initialOptionsSnapshot());
    EXPECT_TRUE(text.starts_with("70.000000  \r\n-40.000000  \r\n40.000000  \r\n-10.000000  \r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 40);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 40);
    EXPECT_TRUE(text.ends_with("\r\n0.000000  \r\n"));
}

TEST(OptionsFileFormat, WritesTheFloatsExactValueLikePrintf)
{
    OptionsSnapshot snapshot = options::initialOptionsSnapshot();
    snapshot.conditionTemperature = {12.3f, 17.5f, -0.0f, 1e-7f, 3.4e38f, -0.0000005f, 0, 0, 0};
    const std::string text = options::formatOptionsText(snapshot);
    EXPECT_TRUE(text.starts_with("12.300000  \r\n17.500000  \r\n-0.000000  \r\n0.000000  \r\n"
                                 "339999995214436424907732413799364296704.000000  \r\n"
                                 "-0.000000  \r\n"));
}

TEST(OptionsFileScan, FortyLinesAreReadInFullAndRoundTrip)
{
    OptionsSnapshot read = options::initialOptionsSnapshot();
    EXPECT_TRUE(options::scanOptionsText(options::formatOptionsText(countingSnapshot()), read));
    EXPECT_EQ(read, countingSnapshot());

    bool complete = false;
    const auto values = scanned(lines(40, "\n"), complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(values[0], 101.0f);
    EXPECT_EQ(values[39], 140.0f);
}

TEST(OptionsFileScan, ThirtyNineLinesEndEarlyButKeepWhatWasRead)
{
    bool complete = true;
    const auto values = scanned(lines(39), complete);
    EXPECT_FALSE(complete);
    EXPECT_EQ(values[38], 139.0f);
    EXPECT_EQ(values[39], 40.5f);
}

TEST(OptionsFileScan, EndIsMetOnlyByLookingPastTheLastCharacter)
{
    bool complete = false;
    // The 40th number without a line end is still read in full.
    std::string text = lines(40);
    text.resize(text.size() - 4);
    scanned(text, complete);
    EXPECT_TRUE(complete);

    // 39 numbers followed by blank lines: the blanks run into the end.
    scanned(lines(39) + "\r\n\r\n   \r\n", complete);
    EXPECT_FALSE(complete);

    scanned("", complete);
    EXPECT_FALSE(complete);
}

TEST(OptionsFileScan, TextStopsTheScanButCountsAsRead)
{
    std::string text = lines(4) + "abc  \r\n" + lines(35);
    bool complete = false;
    const auto values = scanned(text, complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(values[3], 104.0f);
    EXPECT_EQ(values[4], 5.5f);
    EXPECT_EQ(values[39], 40.5f);

    // A number directly followed by text is taken; the text then stops the scan.
    const auto glued = scanned("7.25abc\r\n8\r\n", complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(glued[0], 7.25f);
    EXPECT_EQ(glued[1], 2.5f);
}

TEST(OptionsFileScan, BeginningsOfNumbersAreEatenAndFail)
{
    // "-", "." and "1e" begin a number: the scanner eats them, stores nothing
    // and goes on with the next line.
    bool complete = false;
    const auto values = scanned("1\r\n-\r\n3\r\n.\r\n5\r\n1e\r\n7\r\n-.\r\n9\r\n" + lines(31), complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(values[0], 1.0f);
    EXPECT_EQ(values[1], 2.5f);
    EXPECT_EQ(values[2], 3.0f);
    EXPECT_EQ(values[3], 4.5f);
    EXPECT_EQ(values[4], 5.0f);
    EXPECT_EQ(values[5], 6.5f);
    EXPECT_EQ(values[6], 7.0f);
    EXPECT_EQ(values[7], 8.5f);
    EXPECT_EQ(values[8], 9.0f);

    // "1e+x" eats "1e+" and then sticks at the "x".
    const auto stuck = scanned("1e+x\r\n2\r\n", complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(stuck[0], 1.5f);
    EXPECT_EQ(stuck[1], 2.5f);
}

TEST(OptionsFileScan, AcceptsTheFormsOfTheCScanner)
{
    bool complete = false;
    const auto values = scanned("\t +5 \r\n.5\n5.\v\f-2.5e1\r1E2 2.5e-1", complete);
    EXPECT_FALSE(complete);
    EXPECT_EQ(values[0], 5.0f);
    EXPECT_EQ(values[1], 0.5f);
    EXPECT_EQ(values[2], 5.0f);
    EXPECT_EQ(values[3], -25.0f);
    EXPECT_EQ(values[4], 100.0f);
    EXPECT_EQ(values[5], 0.25f);
}

TEST(OptionsFileScan, NeverStoresWhatAFloatCannotHold)
{
    bool complete = false;
    const auto values = scanned("1e39\r\n-1e39\r\n2\r\ninf\r\n", complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(values[0], 1.5f);
    EXPECT_EQ(values[1], 2.5f);
    EXPECT_EQ(values[2], 2.0f);
    EXPECT_EQ(values[3], 4.5f);
    for (float value : values)
        EXPECT_TRUE(std::isfinite(value));

    // Hexadecimal is not a number here: "0x10" reads as 0, then sticks at "x".
    const auto hex = scanned("0x10\r\n5\r\n", complete);
    EXPECT_EQ(hex[0], 0.0f);
    EXPECT_EQ(hex[1], 2.5f);
}

TEST(OptionsFileScan, BinaryGarbageAndHugeRunsAreHarmless)
{
    std::string garbage("\0\xff\x80\r\n12", 7);
    bool complete = false;
    const auto values = scanned(garbage, complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(values[0], 1.5f);

    const auto manyDigits = scanned(std::string(100000, '9'), complete);
    EXPECT_FALSE(complete);
    EXPECT_EQ(manyDigits[0], 1.5f);

    const auto longFraction = scanned("0." + std::string(100000, '0') + "1", complete);
    EXPECT_EQ(longFraction[0], 1.5f);

    const auto blanks = scanned(std::string(100000, ' '), complete);
    EXPECT_FALSE(complete);
    EXPECT_EQ(blanks, toFileOrder(countingSnapshot()));
}

TEST(OptionsFileIo, MissingOversizedAndUnreadableFilesChangeNothing)
{
    TemporaryFolder folder;
    OptionsSnapshot snapshot = countingSnapshot();
    EXPECT_FALSE(options::readOptionsFile(folder.file("default.dat"), snapshot));
    EXPECT_EQ(snapshot, countingSnapshot());

    writeBytes(folder.file("big.dat"), lines(40) + std::string(options::maxOptionsFileSize, ' '));
    EXPECT_FALSE(options::readOptionsFile(folder.file("big.dat"), snapshot));
    EXPECT_EQ(snapshot, countingSnapshot());

    EXPECT_FALSE(options::readOptionsFile(folder.path(), snapshot));
    EXPECT_EQ(snapshot, countingSnapshot());

    // A pipe without a writer would block a plain open for ever.
    ASSERT_EQ(mkfifo(folder.file("pipe.dat").c_str(), 0600), 0);
    EXPECT_FALSE(options::readOptionsFile(folder.file("pipe.dat"), snapshot));
    EXPECT_EQ(snapshot, countingSnapshot());
}

TEST(OptionsFileIo, WriteReplacesTheFileAndLeavesNoTemporaryBehind)
{
    TemporaryFolder folder;
    const auto path = folder.file("default.dat");
    writeBytes(path, "old contents");
    options::writeOptionsFile(path, countingSnapshot());
    EXPECT_EQ(readBytes(path), options::formatOptionsText(countingSnapshot()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()), 1);

    OptionsSnapshot read = options::initialOptionsSnapshot();
    EXPECT_TRUE(options::readOptionsFile(path, read));
    EXPECT_EQ(read, countingSnapshot());
}

TEST(OptionsFileIo, FailedWriteKeepsThePreviousFileWhole)
{
    TemporaryFolder folder;
    const auto path = folder.file("default.dat");
    const std::string previous = options::formatOptionsText(options::initialOptionsSnapshot());
    writeBytes(path, previous);

    // A file-size limit makes the write fail half-way, root or not.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(options::writeOptionsFile(path, countingSnapshot()), std::system_error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(readBytes(path), previous);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()), 1);

    EXPECT_THROW(options::writeOptionsFile(folder.file("no-such-folder/default.dat"),
                                           countingSnapshot()),
                 std::system_error);
}

// A default.dat the user names is read whole or refused, naming the line
// and the setting it holds.
TEST(NamedOptionsFile, FaultsNameTheLineAndTheSetting)
{
    const auto faultOf = [](const std::string &text) -> std::string {
        const auto fault = options::optionsTextFault(text);
        return fault ? common::faultMessage("default.dat", *fault) : std::string();
    };
    EXPECT_EQ(faultOf(lines(40)), "");
    EXPECT_EQ(faultOf(lines(40).substr(0, lines(40).size() - 4)), ""); // last line without its break
    EXPECT_EQ(faultOf(lines(39)), "文件 “default.dat”有误: 应有40行,实有39行");
    EXPECT_EQ(faultOf(lines(41)), "文件 “default.dat”有误: 应有40行,实有41行");
    EXPECT_EQ(faultOf(""), "文件 “default.dat”有误: 应有40行,实有0行");
    std::string text = lines(40);
    text.replace(text.find("112.000000"), 10, "abc");
    EXPECT_EQ(faultOf(text), "文件 “default.dat” 第 12 行(最低温度 计算风速(m/s))有误: 不是数值");
    text = lines(40);
    text.replace(text.find("101.000000"), 10, "1e39"); // no float holds it
    EXPECT_EQ(faultOf(text), "文件 “default.dat” 第 1 行(最高温度 导线温度(℃))有误: 不是数值");
    text = lines(40);
    text.replace(text.find("122.000000"), 10, "1 2");
    EXPECT_EQ(faultOf(text), "文件 “default.dat” 第 22 行(安装划印计算温度2(℃))有误: 不是数值");
    text = lines(40);
    text.replace(text.find("133.000000"), 10, "");
    EXPECT_EQ(faultOf(text), "文件 “default.dat” 第 33 行(划印状态第3项)有误: 不是数值");
}

TEST(NamedOptionsFile, IsAppliedOnlyWhenWhole)
{
    TemporaryFolder folder;
    const std::filesystem::path file = folder.path() / "default.dat";
    OptionsSnapshot snapshot = countingSnapshot();
    {
        std::ofstream out(file, std::ios::binary);
        out << lines(39);
    }
    EXPECT_THROW(options::readNamedOptionsFile(file, snapshot), common::DataFileError);
    EXPECT_EQ(options::toFileOrder(snapshot), options::toFileOrder(countingSnapshot()));
    {
        std::ofstream out(file, std::ios::binary);
        out << lines(40);
    }
    options::readNamedOptionsFile(file, snapshot);
    EXPECT_EQ(options::toFileOrder(snapshot)[39], 140.0f);
}
