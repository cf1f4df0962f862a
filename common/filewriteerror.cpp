#include "common/filewriteerror.h"

#include <cerrno>

namespace common {

std::string writeFailureReason(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return "没有权限";
    case ENOENT:
        return "文件夹不存在";
    case ENOTDIR:
        return "路径中有一项不是文件夹";
    case EISDIR:
        return "目标是一个文件夹";
    case EEXIST:
        return "已有同名的文件";
    case EROFS:
        return "文件系统为只读";
    case ENOSPC:
    case EDQUOT:
        return "磁盘已满";
    case EFBIG:
        return "文件超过了文件系统允许的大小";
    case ENAMETOOLONG:
        return "文件名过长";
    case ELOOP:
        return "符号链接循环";
    case ETXTBSY:
    case EBUSY:
        return "文件正被其他程序使用";
    case EIO:
        return "写入时发生输入输出错误";
    case EMFILE:
    case ENFILE:
        return "打开的文件过多";
    case ENXIO:
        return "设备不存在或没有读取方";
    case EPIPE:
        return "读取方已关闭";
    default:
        return "无法写入(错误号 " + std::to_string(errorNumber) + ")";
    }
}

FileWriteError::FileWriteError(const std::filesystem::path &file, int errorNumber)
    : std::system_error(errorNumber, std::generic_category()), mFile(file),
      mReason(writeFailureReason(errorNumber)), mMessage("无法写入文件 “" + file.string() + "”: " + mReason)
{
}

} // namespace common
