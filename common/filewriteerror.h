#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace common {

/**
 * The user's words for why a file could not be written, from the error
 * number of the failed call: "没有权限", "文件夹不存在", "目标是一个文件夹",
 * "文件系统为只读", "磁盘已满", ... Never the C library's English text.
 */
std::string writeFailureReason(int errorNumber);

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
    /// writeFailureReason() of code().
    const std::string &reason() const noexcept { return mReason; }
    const char *what() const noexcept override { return mMessage.c_str(); }

private:
    std::filesystem::path mFile;
    std::string mReason;
    std::string mMessage;
};

} // namespace common
