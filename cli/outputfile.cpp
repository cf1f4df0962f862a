#include "cli/outputfile.h"

#include "common/filefailurereason.h"
#include "common/replacefile.h"

#include <cerrno>
#include <iostream>

namespace cli {

namespace {

bool writeStandardOutput(std::string_view contents, std::ostream &errors)
{
    errno = 0;
    if (std::cout.write(contents.data(), static_cast<std::streamsize>(contents.size())).flush())
        return true;
    // The stream keeps no cause; the failed write(2) left its errno.
    const int cause = errno;
    errors << "无法写入标准输出" << (cause != 0 ? ": " + common::fileFailureReason(common::FileAccess::Write, cause) : std::string()) << '\n';
    return false;
}

} // namespace

bool writeOutputFile(const std::string &fileName, std::string_view contents, std::ostream &errors)
{
    if (fileName == standardOutputName)
        return writeStandardOutput(contents, errors);
    try {
        common::replaceFileContents(fileName, contents);
        return true;
    } catch (const common::FileWriteError &error) {
        errors << error.what() << '\n';
        return false;
    }
}

} // namespace cli
