#pragma once

#include <unistd.h>

namespace common {

/// An open file descriptor, closed when it goes; -1 holds none.
class FileDescriptor
{
public:
    explicit FileDescriptor(int descriptor) : mDescriptor(descriptor) {}
    ~FileDescriptor()
    {
        if (mDescriptor >= 0)
            ::close(mDescriptor);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return mDescriptor; }

    /// Closes and says whether that worked: NFS reports write errors only here.
    bool close()
    {
        const int descriptor = mDescriptor;
        mDescriptor = -1;
        return ::close(descriptor) == 0;
    }

private:
    int mDescriptor;
};

} // namespace common
