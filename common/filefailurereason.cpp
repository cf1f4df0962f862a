#include "common/filefailurereason.h"

#include <cerrno>
#include <iterator>

namespace common {

namespace {

struct Reason
{
    int errorNumber;
    const char *reading;
    const char *writing;
};

// One row per error number; a reason that is the same both ways stands twice.
constexpr Reason reasons[] = {
    {EACCES, "没有读取权限", "没有权限"},
    {EPERM, "没有读取权限", "没有权限"},
    {ENOENT, "文件不存在", "文件夹不存在"},
    {ENOTDIR, "路径中的文件夹不存在", "路径中有一项不是文件夹"},
    {EISDIR, "这是一个文件夹", "目标是一个文件夹"},
    {ELOOP, "符号链接循环", "符号链接循环"},
    {EIO, "读取时发生输入输出错误", "写入时发生输入输出错误"},
    {EEXIST, "已有同名的文件", "已有同名的文件"},
    {EROFS, "文件系统为只读", "文件系统为只读"},
    {ENOSPC, "磁盘已满", "磁盘已满"},
    {EDQUOT, "磁盘已满", "磁盘已满"},
    {EFBIG, "文件超过了文件系统允许的大小", "文件超过了文件系统允许的大小"},
    {ENAMETOOLONG, "文件名过长", "文件名过长"},
    {ETXTBSY, "文件正被其他程序使用", "文件正被其他程序使用"},
    {EBUSY, "文件正被其他程序使用", "文件正被其他程序使用"},
    {EMFILE, "打开的文件过多", "打开的文件过多"},
    {ENFILE, "打开的文件过多", "打开的文件过多"},
    {ENXIO, "设备不存在", "设备不存在或没有读取方"},
    {EPIPE, "写入方已关闭", "读取方已关闭"},
};

} // namespace

std::string fileFailureReason(FileAccess access, int errorNumber)
{
    for (const Reason &reason : reasons) {
        if (reason.errorNumber == errorNumber)
            return access == FileAccess::Read ? reason.reading : reason.writing;
    }
    return access == FileAccess::Read ? "系统错误 " + std::to_string(errorNumber)
                                      : "无法写入(错误号 " + std::to_string(errorNumber) + ")";
}

} // namespace common
