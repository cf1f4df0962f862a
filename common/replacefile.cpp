#include "common/replacefile.h"

#include "common/filedescriptor.h"
#include "common/terminationcleanup.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <system_error>

namespace common {

namespace {

namespace fs = std::filesystem;

constexpr mode_t newFileMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH;
constexpr mode_t permissionBits = S_IRWXU | S_IRWXG | S_IRWXO;
// The kernel gives up after 40 links in one name; so do we.
constexpr int maxSymlinkHops = 40;

fs::path folderOf(const fs::path &file)
{
    return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

/// What a name stands for once its symbolic links are followed.
struct Target
{
    fs::path path;
    bool exists = false;
    struct stat status {};

    bool isRegular() const { return exists && S_ISREG(status.st_mode); }
};

/// The name a dangling symbolic link (or a chain of them) would create.
fs::path danglingLinkTarget(const fs::path &file)
{
    fs::path path = file;
    for (int hop = 0; hop < maxSymlinkHops; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        std::error_code error;
        const fs::path link = fs::read_symlink(path, error);
        if (error)
            throw FileWriteError(file, error.value());
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    throw FileWriteError(file, ELOOP);
}

Target resolveTarget(const fs::path &file)
{
    Target target{file};
    if (::stat(file.c_str(), &target.status) != 0) {
        if (errno != ENOENT)
            throw FileWriteError(file, errno);
        // A new file; a missing folder shows when the temporary file is created.
        target.path = danglingLinkTarget(file);
        return target;
    }
    target.exists = true;
    if (S_ISDIR(target.status.st_mode))
        throw FileWriteError(file, EISDIR);
    // A device or pipe is opened by the name given, which also serves
    // /dev/stdout and the other links of /proc that name no file.
    if (!S_ISREG(target.status.st_mode))
        return target;
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(file.c_str(), nullptr), &std::free);
    if (!real)
        throw FileWriteError(file, errno);
    target.path = real.get();
    return target;
}

/// ".NAME.XXXXXX" beside \a target, the name cut so that the whole fits a file system's 255 bytes.
std::string temporaryNameFor(const fs::path &target)
{
    constexpr std::size_t maxKeptBytes = 255 - std::string_view("..XXXXXX").size();
    std::string name = target.filename().string();
    if (name.size() > maxKeptBytes) {
        std::size_t cut = maxKeptBytes;
        // Whole UTF-8 characters only: no continuation byte may start the cut-off part.
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name.resize(cut);
    }
    return (folderOf(target) / ("." + name + ".XXXXXX")).string();
}

/// Writes all of \a contents; false with errno set when a write fails.
bool writeAll(int descriptor, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(descriptor, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

/// The old owner where the process may give it: root fully, a member of the group the group.
void keepOwner(int descriptor, const struct stat &old)
{
    if (::fchown(descriptor, old.st_uid, old.st_gid) != 0)
        (void)::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid);
}

/// An unlinked file in the temporary folder, for bytes that wait for commit().
int openSpool(const fs::path &file)
{
    std::error_code error;
    const fs::path folder = fs::temp_directory_path(error);
    std::string name = ((error ? fs::path("/tmp") : folder) / "tenrix-spool.XXXXXX").string();
    const auto hold = holdTermination();
    const int descriptor = ::mkostemp(name.data(), O_CLOEXEC);
    if (descriptor < 0)
        throw FileWriteError(file, errno);
    ::unlink(name.c_str());
    return descriptor;
}

/// Copies the spooled bytes into \a target; false with errno set when a read or write fails.
bool copySpool(int spool, int target)
{
    if (::lseek(spool, 0, SEEK_SET) != 0)
        return false;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t count = ::read(spool, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count == 0;
        if (!writeAll(target, std::string_view(buffer, static_cast<std::size_t>(count))))
            return false;
    }
}

/// A device or FIFO takes the bytes as they are; there is nothing to flush to disk.
void writeInto(const fs::path &file, const fs::path &target, int spool)
{
    FileDescriptor descriptor(::open(target.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC));
    if (descriptor.get() < 0 || !copySpool(spool, descriptor.get()) || !descriptor.close())
        throw FileWriteError(file, errno);
}

/// Makes the renames durable. The files are in place by now and cannot be
/// put back, so a folder that refuses to be flushed is no failure of the save.
void flushFolder(const fs::path &folder)
{
    const FileDescriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.get() >= 0)
        (void)::fsync(descriptor.get());
}

} // namespace

FileSetReplacement::~FileSetReplacement()
{
    for (const Staged &staged : mStaged) {
        if (!staged.temporary.empty()) {
            ::unlink(staged.temporary.c_str());
            forgetTemporary(staged.temporary);
        }
        if (staged.spool >= 0)
            ::close(staged.spool);
    }
}

void FileSetReplacement::checkTarget(const fs::path &file)
{
    const Target target = resolveTarget(file);
    if (target.exists && ::access(target.path.c_str(), W_OK) != 0)
        throw FileWriteError(file, errno);
    if (target.exists && !target.isRegular())
        return;
    // The folder must take a new file: it exists, is a folder, and may be written.
    const fs::path folder = folderOf(target.path);
    struct stat status
    {
    };
    if (::stat(folder.c_str(), &status) != 0)
        throw FileWriteError(file, errno);
    if (!S_ISDIR(status.st_mode))
        throw FileWriteError(file, ENOTDIR);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        throw FileWriteError(file, errno);
}

void FileSetReplacement::add(const fs::path &file, std::string_view contents)
{
    add(file, [&](int descriptor) { writeAllInto(descriptor, contents, file); });
}

void FileSetReplacement::add(int descriptor, const fs::path &name, const Writer &write)
{
    Staged staged{name, {}, {}, -1, descriptor};
    staged.spool = openSpool(name);
    mStaged.push_back(staged);
    write(staged.spool);
}

void FileSetReplacement::add(const fs::path &file, const Writer &write)
{
    const Target target = resolveTarget(file);
    if (target.exists && ::access(target.path.c_str(), W_OK) != 0)
        throw FileWriteError(file, errno);
    if (target.exists && !target.isRegular()) {
        Staged staged{file, target.path, {}, -1, -1};
        staged.spool = openSpool(file);
        mStaged.push_back(staged);
        write(staged.spool);
        return;
    }

    std::string temporary = temporaryNameFor(target.path);
    int created = -1;
    {
        // Registered as it is made: a signal in between would leave it.
        const auto hold = holdTermination();
        created = ::mkostemp(temporary.data(), O_CLOEXEC);
        if (created < 0)
            throw FileWriteError(file, errno);
        registerTemporary(temporary);
    }
    FileDescriptor descriptor(created);
    // Staged first, so that every failure below leaves it for the destructor to remove.
    mStaged.push_back({file, target.path, temporary, -1, -1});

    write(descriptor.get());
    if (target.exists)
        keepOwner(descriptor.get(), target.status);
    // After the owner: changing the owner clears the set-user-ID bits.
    const mode_t mode = target.exists ? target.status.st_mode & permissionBits : newFileMode;
    if (::fchmod(descriptor.get(), mode) != 0 || ::fsync(descriptor.get()) != 0 || !descriptor.close())
        throw FileWriteError(file, errno);
}

void FileSetReplacement::commit()
{
    // Devices and descriptors first: one that refuses its bytes then leaves every file untouched.
    for (const Staged &staged : mStaged) {
        if (staged.descriptor >= 0) {
            if (!copySpool(staged.spool, staged.descriptor))
                throw FileWriteError(staged.file, errno);
        } else if (staged.spool >= 0) {
            writeInto(staged.file, staged.target, staged.spool);
        }
    }
    std::set<fs::path> folders;
    {
        const auto hold = holdTermination();
        for (Staged &staged : mStaged) {
            if (staged.temporary.empty())
                continue;
            if (::rename(staged.temporary.c_str(), staged.target.c_str()) != 0)
                throw FileWriteError(staged.file, errno);
            forgetTemporary(staged.temporary);
            staged.temporary.clear();
            folders.insert(folderOf(staged.target));
        }
    }
    for (const fs::path &folder : folders)
        flushFolder(folder);
}

void writeAllInto(int descriptor, std::string_view contents, const fs::path &file)
{
    if (!writeAll(descriptor, contents))
        throw FileWriteError(file, errno);
}

void replaceFileContents(const fs::path &path, std::string_view contents)
{
    FileSetReplacement replacement;
    replacement.add(path, contents);
    replacement.commit();
}

} // namespace common
