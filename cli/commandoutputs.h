#pragma once

#include "common/replacefile.h"

#include <ostream>
#include <string>
#include <string_view>

namespace cli {

/// The file name that stands for standard output wherever an output can go there.
inline constexpr std::string_view standardOutputName = "-";

/**
 * The outputs of one command, which stand or fall together. Each is staged as
 * it is made: a file in a temporary file beside it (common::FileSetReplacement:
 * a device such as /dev/null stays a device), standard output in a spool.
 * commit() writes standard output and renames the files only when every
 * output was staged, so a failure anywhere leaves every old file whole and no
 * temporary file behind. Each failure is told on the error stream in Chinese,
 * naming the file and the cause ("无法写入标准输出: 磁盘已满" for standard output).
 */
class CommandOutputs
{
public:
    explicit CommandOutputs(std::ostream &errors)
        : mErrors(errors)
    {}

    /// Stages \a contents as the output \a fileName (standardOutputName for standard output).
    void add(const std::string &fileName, std::string_view contents);
    /// Stages what \a write writes as the output \a fileName.
    void add(const std::string &fileName, const common::FileSetReplacement::Writer &write);

    /// The files staged so far, for outputs staged by another library (a set of report pages).
    common::FileSetReplacement &files() { return mFiles; }
    /// An output could not be made: \a message is told and nothing will be written.
    void fail(const std::string &message);
    bool failed() const { return mFailed; }

    /**
     * Writes everything staged, unless an output failed.
     * @return true when every output was written
     */
    bool commit();

private:
    void tell(const common::FileWriteError &error);

    std::ostream &mErrors;
    common::FileSetReplacement mFiles;
    bool mFailed = false;
};

/**
 * Writes \a text to standard output, flushed and checked (a full disk or a
 * closed pipe shows only then); a failure is told on \a errors.
 * @return true when it was written
 */
bool printChecked(std::string_view text, std::ostream &errors);

} // namespace cli
