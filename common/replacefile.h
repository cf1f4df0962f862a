#pragma once

#include "common/filewriteerror.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace common {

/**
 * Files written together, so that readers see either all old files or all
 * new ones, never a part of one (the pages of a report, say).
 *
 * add() resolves the name the way opening it would: a symbolic link is
 * followed, so the file it points to is written and the link stays. When
 * that file is a regular one or does not exist yet, the bytes go to a new
 * temporary file in its folder and are flushed to disk; commit() then renames
 * every temporary file over its target and flushes the folders. An existing
 * file's permissions are kept, and its owner and group where the process may
 * set them; a new file gets rw-r--r--. A target that exists and is no
 * regular file (a device such as /dev/null, a FIFO) is never renamed over:
 * commit() writes the bytes into it, before any rename. An existing file the
 * process may not write is refused, as opening it would be.
 *
 * A failure throws FileWriteError; files not yet renamed are then unchanged,
 * and every temporary file that was not renamed is removed, at the latest
 * when the set is destroyed uncommitted.
 */
class FileSetReplacement
{
public:
    FileSetReplacement() = default;
    ~FileSetReplacement();

    FileSetReplacement(const FileSetReplacement &) = delete;
    FileSetReplacement &operator=(const FileSetReplacement &) = delete;

    /// Stages \a contents for \a file. @throws FileWriteError naming \a file
    void add(const std::filesystem::path &file, std::string_view contents);

    /// Puts every staged file in place. @throws FileWriteError naming the file that failed
    void commit();

private:
    struct Staged
    {
        std::filesystem::path file;    ///< as the caller named it, for the messages
        std::filesystem::path target;  ///< the file written: symbolic links followed
        std::string temporary;         ///< empty for a target that is written into directly
        std::string contents;          ///< only for a target written into directly
    };

    std::vector<Staged> mStaged;
};

/**
 * Replaces \a path by a file holding exactly \a contents, as a
 * FileSetReplacement of that one file does.
 *
 * @throws FileWriteError when any step fails; \a path is then unchanged and
 *         no temporary file is left
 */
void replaceFileContents(const std::filesystem::path &path, std::string_view contents);

} // namespace common
