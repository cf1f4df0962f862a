#include "common/replacefile.h"

#include "common/filedescriptor.h"

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <set>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

/// A device or FIFO takes the bytes as they are; there is nothing to flush to disk.
void writeInto(const fs::path &file, const fs::path &target, std::string_view contents)
{
    FileDescriptor descriptor(::open(target.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC));
    if (descriptor.get() < 0 || !writeAll(descriptor.get(), contents) || !descriptor.close())
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
        if (!staged.temporary.empty())
            ::unlink(staged.temporary.c_str());
    }
}

void FileSetReplacement::add(const fs::path &file, std::string_view contents)
{
    const Target target = resolveTarget(file);
    if (target.exists && ::access(target.path.c_str(), W_OK) != 0)
        throw FileWriteError(file, errno);
    if (target.exists && !target.isRegular()) {
        mStaged.push_back({file, target.path, {}, std::string(contents)});
        return;
    }

    std::string temporary = temporaryNameFor(target.path);
    FileDescriptor descriptor(::mkostemp(temporary.data(), O_CLOEXEC));
    if (descriptor.get() < 0)
        throw FileWriteError(file, errno);
    // Registered first, so that every failure below leaves it for the destructor to remove.
    mStaged.push_back({file, target.path, temporary, {}});

    if (!writeAll(descriptor.get(), contents))
        throw FileWriteError(file, errno);
    if (target.exists)
        keepOwner(descriptor.get(), target.status);
    // After the owner: changing the owner clears the set-user-ID bits.
    const mode_t mode = target.exists ? target.status.st_mode & permissionBits : newFileMode;
    if (::fchmod(descriptor.get(), mode) != 0 || ::fsync(descriptor.get()) != 0 || !descriptor.close())
        throw FileWriteError(file, errno);
}

void FileSetReplacement::commit()
{
    // Devices first: one that refuses its bytes then leaves every file untouched.
    for (const Staged &staged : mStaged) {
        if (staged.temporary.empty())
            writeInto(staged.file, staged.target, staged.contents);
    }
    std::set<fs::path> folders;
    for (Staged &staged : mStaged) {
        if (staged.temporary.empty())
            continue;
        if (::rename(staged.temporary.c_str(), staged.target.c_str()) != 0)
            throw FileWriteError(staged.file, errno);
        staged.temporary.clear();
        folders.insert(folderOf(staged.target));
    }
    for (const fs::path &folder : folders)
        flushFolder(folder);
}

void replaceFileContents(const fs::path &path, std::string_view contents)
{
    FileSetReplacement replacement;
    replacement.add(path, contents);
    replacement.commit();
}

} // namespace common
