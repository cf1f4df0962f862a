#include "common/datafile.h"

#include "common/filedescriptor.h"
#include "common/filefailurereason.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

[[noreturn]] void refuse(const std::filesystem::path &file, const std::string &reason)
{
    throw DataFileError("无法读取" + fileInMessage(file) + ": " + reason);
}

} // namespace

std::string fileInMessage(const std::filesystem::path &file)
{
    return "文件 “" + file.string() + "”";
}

std::string faultMessage(const std::filesystem::path &file, const DataFileFault &fault)
{
    std::string where = fileInMessage(file);
    if (fault.line > 0) {
        where += " 第 " + std::to_string(fault.line) + " 行";
        if (!fault.field.empty())
            where += "(" + fault.field + ")";
    }
    return where + "有误: " + fault.problem;
}

std::string lineCountProblem(int expected, int actual)
{
    return "应有" + std::to_string(expected) + "行,实有" + std::to_string(actual) + "行";
}

std::string readDataFile(const std::filesystem::path &file, std::size_t maxBytes)
{
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const common::FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        refuse(file, fileFailureReason(FileAccess::Read, errno));
    struct stat status{};
    if (::fstat(fd.get(), &status) != 0)
        refuse(file, fileFailureReason(FileAccess::Read, errno));
    if (S_ISDIR(status.st_mode))
        refuse(file, fileFailureReason(FileAccess::Read, EISDIR));
    if (!S_ISREG(status.st_mode))
        refuse(file, "不是普通文件");
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            refuse(file, fileFailureReason(FileAccess::Read, errno));
        if (count == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(count));
        if (bytes.size() > maxBytes)
            throw DataFileTooLarge("无法读取" + fileInMessage(file) + ": 文件过大,不是本程序写的数据文件");
    }
}

} // namespace common
