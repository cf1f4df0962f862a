#pragma once

#include "common/filewriteerror.h"

#include <filesystem>
#include <functional>
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
 * The bytes for such a target, or for an open descriptor (standard output),
 * wait in an unlinked temporary file, so that a large output is never held in
 * memory.
 *
 * A failure throws FileWriteError; files not yet renamed are then unchanged,
 * and every temporary file that was not renamed is removed, at the latest
 * when the set is destroyed uncommitted. Every temporary file is registered
 * with registerTemporary(), and the renames of commit() hold off a
 * termination signal, so that a program stopped by one leaves either all
 * old files or all new ones, and no temporary.
 */
class FileSetReplacement
{
public:
    /// Writes the whole output into \a descriptor; throws what it likes on failure (FileWriteError best).
    using Writer = std::function<void(int descriptor)>;

    FileSetReplacement() = default;
    ~FileSetReplacement();

    FileSetReplacement(const FileSetReplacement &) = delete;
    FileSetReplacement &operator=(const FileSetReplacement &) = delete;

    /// Stages \a contents for \a file. @throws FileWriteError naming \a file
    void add(const std::filesystem::path &file, std::string_view contents);
    /// Stages for \a file what \a write writes. @throws FileWriteError naming \a file, or what \a write throws
    void add(const std::filesystem::path &file, const Writer &write);
    /**
     * Stages what \a write writes for the open \a descriptor, which is not
     * closed; \a name stands for it in a FileWriteError. commit() writes it
     * into the descriptor with the devices.
     */
    void add(int descriptor, const std::filesystem::path &name, const Writer &write);

    /// Checks, without writing, that add() would accept \a file as target. @throws FileWriteError naming \a file
    static void checkTarget(const std::filesystem::path &file);

    /// Puts every staged file in place. @throws FileWriteError naming the file that failed
    void commit();

private:
    struct Staged
    {
        std::filesystem::path file;    ///< as the caller named it, for the messages
        std::filesystem::path target;  ///< the file written: symbolic links followed; empty for a descriptor
        std::string temporary;         ///< empty for a target that is written into directly
        int spool = -1;                ///< the unlinked file of the bytes for a target written into directly
        int descriptor = -1;           ///< the open target given to add(), or -1
    };

    void stageInto(Staged staged, const Writer &write);

    std::vector<Staged> mStaged;
};

/**
 * Writes all of \a contents into \a descriptor, as a FileSetReplacement::Writer does.
 * @throws FileWriteError naming \a file
 */
void writeAllInto(int descriptor, std::string_view contents, const std::filesystem::path &file);

/**
 * Replaces \a path by a file holding exactly \a contents, as a
 * FileSetReplacement of that one file does.
 *
 * @throws FileWriteError when any step fails; \a path is then unchanged and
 *         no temporary file is left
 */
void replaceFileContents(const std::filesystem::path &path, std::string_view contents);

} // namespace common
