#include "common/replacefile.h"
#include "support/temporaryfolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <sys/stat.h>
#include <thread>

using common::FileSetReplacement;
using common::FileWriteError;
using common::replaceFileContents;
namespace fs = std::filesystem;

namespace {

fs::perms permissionsOf(const fs::path &path)
{
    return fs::status(path).permissions() & fs::perms::mask;
}

std::size_t filesIn(const fs::path &folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

constexpr uid_t kNobody = 65534;

/// Runs as the user nobody while it lives, when the tests run as root (who may write anywhere).
class UnprivilegedScope
{
public:
    UnprivilegedScope() : mDropped(::geteuid() == 0 && ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0) {}
    ~UnprivilegedScope()
    {
        if (mDropped && ::seteuid(0) == 0)
            (void)::setegid(0);
    }
    UnprivilegedScope(const UnprivilegedScope &) = delete;
    UnprivilegedScope &operator=(const UnprivilegedScope &) = delete;

private:
    bool mDropped;
};

} // namespace

TEST(ReplaceFile, NewFileHoldsTheBytesReadableByAll)
{
    TemporaryFolder folder;
    const fs::path file = folder.file("default.dat");
    const std::string bytes("a\0b\r\n", 5);
    replaceFileContents(file, bytes);
    EXPECT_EQ(readBytes(file), bytes);
    EXPECT_EQ(permissionsOf(file), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                       fs::perms::others_read);
    EXPECT_EQ(filesIn(folder.path()), 1u);
}

TEST(ReplaceFile, ExistingFileIsReplacedWholeAndKeepsItsPermissions)
{
    TemporaryFolder folder;
    const fs::path file = folder.file("temp_input.dat");
    writeBytes(file, std::string(10000, 'x'));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    replaceFileContents(file, "short");
    EXPECT_EQ(readBytes(file), "short");
    EXPECT_EQ(permissionsOf(file), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(filesIn(folder.path()), 1u);
}

TEST(ReplaceFile, ExistingFileKeepsItsOwnerWhereTheProcessMayGiveIt)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    TemporaryFolder folder;
    const fs::path file = folder.file("default.dat");
    writeBytes(file, "old");
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
    replaceFileContents(file, "new");
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, kNobody);
    EXPECT_EQ(status.st_gid, kNobody);
}

struct FailingWrite
{
    const char *name;
    std::function<fs::path(const TemporaryFolder &)> prepare;  ///< makes the trouble, gives the target
    std::string reason;
};

TEST(ReplaceFile, FailureGivesTheCauseInChineseAndLeavesTheOldFileAndNoTemporary)
{
    const std::vector<FailingWrite> cases = {
        {"missing folder", [](const TemporaryFolder &f) { return f.file("missing") / "default.dat"; }, "文件夹不存在"},
        {"folder as target",
         [](const TemporaryFolder &f) {
             fs::create_directory(f.file("taken"));
             return f.file("taken");
         },
         "目标是一个文件夹"},
        {"read-only folder",
         [](const TemporaryFolder &f) {
             // The file itself may be written; only a new file beside it may not be made.
             fs::permissions(f.file("old.dat"), fs::perms::all);
             fs::permissions(f.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
                                           | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
             return f.file("old.dat");
         },
         "没有权限"},
        {"full disk", [](const TemporaryFolder &) { return fs::path("/dev/full"); }, "磁盘已满"},
        {"symbolic link loop",
         [](const TemporaryFolder &f) {
             fs::create_symlink("b", f.file("a"));
             fs::create_symlink("a", f.file("b"));
             return f.file("a");
         },
         "符号链接循环"},
    };
    for (const FailingWrite &failing : cases) {
        SCOPED_TRACE(failing.name);
        TemporaryFolder folder;
        writeBytes(folder.file("old.dat"), "old");
        const fs::path target = failing.prepare(folder);
        const std::size_t filesBefore = filesIn(folder.path());
        try {
            const UnprivilegedScope unprivileged;
            replaceFileContents(target, "new");
            ADD_FAILURE() << "the write did not fail";
        } catch (const FileWriteError &error) {
            EXPECT_EQ(error.reason(), failing.reason);
            EXPECT_EQ(std::string(error.what()), "无法写入文件 “" + target.string() + "”: " + failing.reason);
        }
        fs::permissions(folder.path(), fs::perms::owner_all);
        EXPECT_EQ(readBytes(folder.file("old.dat")), "old");
        EXPECT_EQ(filesIn(folder.path()), filesBefore);
    }
}

TEST(ReplaceFile, DeviceAndFifoAreWrittenIntoAndStayWhatTheyAre)
{
    replaceFileContents("/dev/null", "discarded");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    TemporaryFolder folder;
    const fs::path fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = readBytes(fifo); });
    replaceFileContents(fifo, "through the pipe");
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(filesIn(folder.path()), 1u);
}

TEST(ReplaceFile, SymbolicLinkStaysAndTheFileItPointsToIsWritten)
{
    TemporaryFolder folder;
    fs::create_directory(folder.file("real"));
    writeBytes(folder.file("real") / "default.dat", "old");
    fs::create_symlink("real/default.dat", folder.file("default.dat"));
    // A dangling link makes the file it names.
    fs::create_symlink(folder.file("real") / "new.dat", folder.file("new.dat"));

    replaceFileContents(folder.file("default.dat"), "new");
    replaceFileContents(folder.file("new.dat"), "made");

    EXPECT_TRUE(fs::is_symlink(folder.file("default.dat")));
    EXPECT_TRUE(fs::is_symlink(folder.file("new.dat")));
    EXPECT_EQ(readBytes(folder.file("real") / "default.dat"), "new");
    EXPECT_EQ(readBytes(folder.file("real") / "new.dat"), "made");
    EXPECT_EQ(filesIn(folder.path()), 3u);
    EXPECT_EQ(filesIn(folder.file("real")), 2u);
}

TEST(ReplaceFile, LongestNameTheFileSystemTakesCanBeReplaced)
{
    TemporaryFolder folder;
    // 84 characters of three bytes: 252 bytes, too long for the temporary name uncut.
    std::string name;
    for (int i = 0; i < 84; ++i)
        name += "跨";
    writeBytes(folder.file(name), "old");
    replaceFileContents(folder.file(name), "new");
    EXPECT_EQ(readBytes(folder.file(name)), "new");
    EXPECT_EQ(filesIn(folder.path()), 1u);
}

TEST(FileSetReplacement, OneFailingFileLeavesTheWholeOldSetAndNoTemporary)
{
    TemporaryFolder folder;
    writeBytes(folder.file("page1.wmf"), "old 1");
    writeBytes(folder.file("page2.wmf"), "old 2");
    {
        FileSetReplacement pages;
        pages.add(folder.file("page1.wmf"), "new 1");
        EXPECT_THROW(pages.add(folder.file("missing") / "page2.wmf", "new 2"), FileWriteError);
    }
    {
        // A device that refuses its bytes fails the commit before any file is renamed.
        FileSetReplacement pages;
        pages.add(folder.file("page1.wmf"), "new 1");
        pages.add("/dev/full", "new 2");
        EXPECT_THROW(pages.commit(), FileWriteError);
    }
    EXPECT_EQ(readBytes(folder.file("page1.wmf")), "old 1");
    EXPECT_EQ(readBytes(folder.file("page2.wmf")), "old 2");
    EXPECT_EQ(filesIn(folder.path()), 2u);

    FileSetReplacement pages;
    pages.add(folder.file("page1.wmf"), "new 1");
    pages.add(folder.file("page2.wmf"), "new 2");
    pages.commit();
    EXPECT_EQ(readBytes(folder.file("page1.wmf")), "new 1");
    EXPECT_EQ(readBytes(folder.file("page2.wmf")), "new 2");
    EXPECT_EQ(filesIn(folder.path()), 2u);
}

// A writer that fails after part of its output leaves the old file and no
// temporary; an open descriptor (standard output) gets its bytes only at the
// commit, after every file was staged.
TEST(FileSetReplacement, WritersAndDescriptorsWaitForTheCommit)
{
    TemporaryFolder folder;
    const fs::path file = folder.file("all.pdf");
    writeBytes(file, "old");
    {
        FileSetReplacement files;
        EXPECT_THROW(files.add(file,
                               [&](int descriptor) {
                                   common::writeAllInto(descriptor, "half", file);
                                   throw FileWriteError(file, ENOSPC);
                               }),
                     FileWriteError);
    }
    EXPECT_EQ(readBytes(file), "old");
    EXPECT_EQ(filesIn(folder.path()), 1u);

    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    FileSetReplacement files;
    files.add(pipeEnds[1], "-", [](int descriptor) { common::writeAllInto(descriptor, "count line\n", "-"); });
    files.add(file, "new");
    char buffer[64] = {};
    ::fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
    EXPECT_EQ(::read(pipeEnds[0], buffer, sizeof buffer), -1) << "written before the commit";
    files.commit();
    EXPECT_EQ(::read(pipeEnds[0], buffer, sizeof buffer), 11);
    EXPECT_EQ(std::string(buffer), "count line\n");
    EXPECT_EQ(readBytes(file), "new");
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

TEST(FileSetReplacement, TargetsAreCheckedWithoutWriting)
{
    TemporaryFolder folder;
    EXPECT_NO_THROW(FileSetReplacement::checkTarget(folder.file("new.csv")));
    EXPECT_NO_THROW(FileSetReplacement::checkTarget("/dev/null"));
    try {
        FileSetReplacement::checkTarget(folder.file("missing") / "new.csv");
        ADD_FAILURE() << "a missing folder was taken";
    } catch (const FileWriteError &error) {
        EXPECT_EQ(error.reason(), "文件夹不存在");
    }
    fs::create_directory(folder.file("x.csv"));
    EXPECT_THROW(FileSetReplacement::checkTarget(folder.file("x.csv")), FileWriteError);
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    {
        const UnprivilegedScope unprivileged;
        if (::access(folder.path().c_str(), W_OK) != 0)
            EXPECT_THROW(FileSetReplacement::checkTarget(folder.file("new.csv")), FileWriteError);
    }
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(filesIn(folder.path()), 1u);
}
