#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace common {

/**
 * A file that could not be written. code() is the error number of the call
 * that failed; what() is the Chinese message for the user, naming the file
 * and the cause: "无法写入文件 “/tmp/a.json”: 磁盘已满".
 */
class FileWriteError : public std::system_error
{
public:
    FileWriteError(const std::filesystem::path &file, int errorNumber);

    const std::filesystem::path &file() const noexcept { return mFile; }
    /// fileFailureReason() of code(), for writing.
    const std::string &reason() const noexcept { return mReason; }
    const char *what() const noexcept override { return mMessage.c_str(); }

private:
    std::filesystem::path mFile;
    std::string mReason;
    std::string mMessage;
};

} // namespace common
