#include "common/replacefile.h"

#include "support/temporaryfolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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

TEST(ReplaceFile, FailureThrowsAndLeavesNoTemporaryFile)
{
    TemporaryFolder folder;
    EXPECT_THROW(replaceFileContents(folder.file("missing") / "default.dat", "x"), std::system_error);

    // A folder of that name cannot be replaced by a file: it stays, nothing is left beside it.
    fs::create_directory(folder.file("taken"));
    EXPECT_THROW(replaceFileContents(folder.file("taken"), "x"), std::system_error);
    EXPECT_TRUE(fs::is_directory(folder.file("taken")));
    EXPECT_EQ(filesIn(folder.path()), 1u);
}
