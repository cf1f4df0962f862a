#pragma once

#include "common/filedescriptor.h"

#include <qpdf/InputSource.hh>

#include <filesystem>
#include <string>
#include <vector>

namespace app {

/**
 * A file as qpdf reads it, through a window of it held in memory: qpdf
 * seeks before every object it reads, and its own file source turns each
 * seek into a system call (a join of a thousand spans made millions),
 * while reading the file whole would hold all of it. Reads outside the
 * window move it, with pread().
 */
class WindowedFileSource : public InputSource
{
public:
    /// @throws std::runtime_error naming \a file when it cannot be opened
    explicit WindowedFileSource(const std::filesystem::path &file);

    qpdf_offset_t findAndSkipNextEOL() override;
    std::string const &getName() const override;
    qpdf_offset_t tell() override;
    void seek(qpdf_offset_t offset, int whence) override;
    void rewind() override;
    size_t read(char *buffer, size_t length) override;
    void unreadCh(char ch) override;

private:
    /// Makes the window hold the bytes from mPosition on, if the file has any; false at its end.
    bool windowAtPosition();

    std::string mName;
    common::FileDescriptor mFile;
    qpdf_offset_t mSize = 0;
    qpdf_offset_t mPosition = 0;
    std::vector<char> mWindow;
    qpdf_offset_t mWindowStart = 0;
    std::size_t mWindowFilled = 0;
};

} // namespace app
