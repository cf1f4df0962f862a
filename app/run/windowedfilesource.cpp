#include "app/run/windowedfilesource.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace app {

namespace {

// Large enough that the objects of a page are read in one go or two.
constexpr std::size_t windowSize = 256 * 1024;

std::runtime_error unreadable(const std::string &file)
{
    return std::runtime_error("无法读取临时文件 " + file + ": " + std::strerror(errno));
}

} // namespace

WindowedFileSource::WindowedFileSource(const std::filesystem::path &file)
    : mName(file.string())
    , mFile(::open(file.c_str(), O_RDONLY | O_CLOEXEC))
    , mWindow(windowSize)
{
    struct stat status
    {
    };
    if (mFile.get() < 0 || ::fstat(mFile.get(), &status) != 0)
        throw unreadable(mName);
    mSize = status.st_size;
}

bool WindowedFileSource::windowAtPosition()
{
    if (mPosition >= mWindowStart && mPosition < mWindowStart + qpdf_offset_t(mWindowFilled))
        return true;
    if (mPosition >= mSize)
        return false;
    const ssize_t got = ::pread(mFile.get(), mWindow.data(), mWindow.size(), mPosition);
    if (got < 0)
        throw unreadable(mName);
    mWindowStart = mPosition;
    mWindowFilled = std::size_t(got);
    return got > 0;
}

size_t WindowedFileSource::read(char *buffer, size_t length)
{
    last_offset = mPosition;
    std::size_t copied = 0;
    while (copied < length && windowAtPosition()) {
        const std::size_t inWindow = std::size_t(mPosition - mWindowStart);
        const std::size_t count = std::min(length - copied, mWindowFilled - inWindow);
        std::memcpy(buffer + copied, mWindow.data() + inWindow, count);
        copied += count;
        mPosition += qpdf_offset_t(count);
    }
    return copied;
}

qpdf_offset_t WindowedFileSource::findAndSkipNextEOL()
{
    // The offset of the next end of line, the position after the line ends that follow it.
    while (windowAtPosition()) {
        const char *from = mWindow.data() + (mPosition - mWindowStart);
        const char *end = mWindow.data() + mWindowFilled;
        const char *eol = std::find_if(from, end, [](char c) { return c == '\r' || c == '\n'; });
        mPosition += eol - from;
        if (eol == end)
            continue;
        const qpdf_offset_t result = mPosition;
        char ch = 0;
        while (read(&ch, 1) == 1) {
            if (ch != '\r' && ch != '\n') {
                unreadCh(ch);
                break;
            }
        }
        return result;
    }
    return mPosition;
}

std::string const &WindowedFileSource::getName() const
{
    return mName;
}

qpdf_offset_t WindowedFileSource::tell()
{
    return mPosition;
}

void WindowedFileSource::seek(qpdf_offset_t offset, int whence)
{
    const qpdf_offset_t base = whence == SEEK_END ? mSize : whence == SEEK_CUR ? mPosition : 0;
    if (base + offset < 0)
        throw std::runtime_error("无法读取临时文件 " + mName + ": 位置在文件开头之前");
    mPosition = base + offset;
}

void WindowedFileSource::rewind()
{
    mPosition = 0;
}

void WindowedFileSource::unreadCh(char)
{
    --mPosition;
}

} // namespace app
