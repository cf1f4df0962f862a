#pragma once

#include <string>

namespace common {

/// Which way a file was used when a call on it failed.
enum class FileAccess { Read, Write };

/**
 * The user's words for why a file could not be read or written, from the
 * error number of the failed call: "没有读取权限", "文件不存在", "磁盘已满",
 * "文件系统为只读", ... Never the C library's English text. Where the two
 * ways differ (a missing file is the file itself when reading, its folder
 * when writing), the words follow \a access.
 */
std::string fileFailureReason(FileAccess access, int errorNumber);

} // namespace common
