#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace common {

/**
 * A data file that cannot be read as it must be. what() is the Chinese text
 * for the user and names the file, and the line where one is at fault:
 * "文件 “temp_input.dat” 第 12 行有误: 含有控制字符".
 */
class DataFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// A data file larger than any the program writes: damage, not absence.
class DataFileTooLarge : public DataFileError
{
public:
    using DataFileError::DataFileError;
};

/// "文件 “F”" as the messages name a file.
std::string fileInMessage(const std::filesystem::path &file);

/// What is wrong with the text of a data file.
struct DataFileFault
{
    int line = 0;         ///< 1 for the first line; 0 for the file as a whole
    std::string field;    ///< the setting the line holds, "" when none
    std::string problem;  ///< in the user's words: "含有控制字符"
};

/**
 * The message for \a fault of \a file, naming the file, the line and the
 * field: "文件 “temp_input.dat” 第 2 行(跨距L(m))有误: 含有控制字符",
 * "文件 “default.dat”有误: 应有40行,实有39行".
 */
std::string faultMessage(const std::filesystem::path &file, const DataFileFault &fault);

/// The problem of a file of \a actual lines that should have \a expected.
std::string lineCountProblem(int expected, int actual);

/**
 * The whole of \a file, which must be a regular file (a FIFO or device would
 * block or never end) of at most \a maxBytes bytes.
 *
 * @throws DataFileError naming the file and the reason: missing, no
 *         permission, a folder, not a regular file, a symlink loop, too large
 */
std::string readDataFile(const std::filesystem::path &file, std::size_t maxBytes);

} // namespace common
