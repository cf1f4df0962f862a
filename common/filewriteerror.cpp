#include "common/filewriteerror.h"

#include "common/filefailurereason.h"

#include <cerrno>

namespace common {

FileWriteError::FileWriteError(const std::filesystem::path &file, int errorNumber)
    : std::system_error(errorNumber, std::generic_category()), mFile(file),
      mReason(fileFailureReason(FileAccess::Write, errorNumber)), mMessage("无法写入文件 “" + file.string() + "”: " + mReason)
{
}

} // namespace common
