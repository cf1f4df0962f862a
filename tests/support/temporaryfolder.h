#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

/// A fresh folder under the system's temporary directory, removed with its contents.
class TemporaryFolder
{
public:
    TemporaryFolder()
        : mPath(std::filesystem::temp_directory_path()
                / ("tenrix-test-" + std::to_string(std::random_device{}())))
    {
        std::filesystem::create_directories(mPath);
    }
    ~TemporaryFolder() { std::filesystem::remove_all(mPath); }

    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    std::filesystem::path file(const std::string &name) const { return mPath / name; }
    const std::filesystem::path &path() const { return mPath; }

private:
    std::filesystem::path mPath;
};

inline void writeBytes(const std::filesystem::path &path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readBytes(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
