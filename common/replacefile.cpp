#include "common/replacefile.h"

#include <cerrno>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

constexpr mode_t kNewFileMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH;

[[noreturn]] void throwErrno(const std::string &what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

/// Removes the temporary file unless it was renamed into place.
class TemporaryFile
{
public:
    explicit TemporaryFile(const std::filesystem::path &target)
        : mName((target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path())
                / ("." + target.filename().string() + ".XXXXXX"))
    {
        mDescriptor = mkstemp(mName.data());
        if (mDescriptor < 0)
            throwErrno("cannot create a temporary file beside " + target.string());
    }

    ~TemporaryFile()
    {
        if (mDescriptor >= 0)
            ::close(mDescriptor);
        if (!mRenamed)
            ::unlink(mName.c_str());
    }

    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    void write(std::string_view contents)
    {
        while (!contents.empty()) {
            const ssize_t written = ::write(mDescriptor, contents.data(), contents.size());
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                throwErrno("cannot write " + mName);
            }
            contents.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    void setMode(mode_t mode)
    {
        if (::fchmod(mDescriptor, mode) != 0)
            throwErrno("cannot set the permissions of " + mName);
    }

    /// Flushes, closes and renames; close() is checked because NFS reports write errors there.
    void commitAs(const std::filesystem::path &target)
    {
        if (::fsync(mDescriptor) != 0)
            throwErrno("cannot flush " + mName);
        const int descriptor = mDescriptor;
        mDescriptor = -1;
        if (::close(descriptor) != 0)
            throwErrno("cannot close " + mName);
        if (::rename(mName.c_str(), target.c_str()) != 0)
            throwErrno("cannot replace " + target.string());
        mRenamed = true;
    }

private:
    std::string mName;
    int mDescriptor = -1;
    bool mRenamed = false;
};

mode_t modeFor(const std::filesystem::path &path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode))
        return status.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO);
    return kNewFileMode;
}

} // namespace

void replaceFileContents(const std::filesystem::path &path, std::string_view contents)
{
    TemporaryFile temporary(path);
    temporary.write(contents);
    temporary.setMode(modeFor(path));
    temporary.commitAs(path);
}

} // namespace common
