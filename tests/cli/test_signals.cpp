// Ctrl-C or SIGTERM while a batch runs: the command removes its scratch
// documents and staged files, leaves the old outputs whole and ends with
// 128 + the signal, as a shell expects of a process stopped by it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int spanCount = 60;

std::string readAll(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// Starts tenrix-calc with \a arguments, its output thrown away.
pid_t start(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv{const_cast<char *>(TENRIX_CALC)};
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execv(TENRIX_CALC, argv.data());
        std::_Exit(127);
    }
    return child;
}

int exitCode(pid_t child)
{
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

/// The names starting with a dot in \a folder: the program's temporaries.
std::vector<std::string> hiddenEntries(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().front() == '.')
            names.push_back(entry.path().filename().string());
    }
    return names;
}

class Signals : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        mFolder = fs::temp_directory_path() / ("tenrix-signals-" + std::to_string(::getpid()));
        fs::remove_all(mFolder);
        fs::create_directories(mFolder / "spans");
        const fs::path span = mFolder / "span.tenrix";
        ASSERT_EQ(exitCode(start({"--input", TENRIX_SPAN_DATA, "--save-span", span.string()})), 0);
        for (int i = 0; i < spanCount; ++i)
            fs::copy_file(span, mFolder / "spans" / ("span-" + std::to_string(100 + i) + ".tenrix"));
        for (const char *name : {"all.csv", "all.pdf"})
            std::ofstream(mFolder / name) << "old";
    }
    void TearDown() override { fs::remove_all(mFolder); }

    fs::path mFolder;
};

} // namespace

TEST_P(Signals, ABatchStoppedLeavesTheOldOutputsAndNoTemporary)
{
    const int signal = GetParam();
    const pid_t child = start({(mFolder / "spans").string(), "--summary", (mFolder / "all.csv").string(), "--pdf",
                               (mFolder / "all.pdf").string()});
    // The scratch documents of the PDF appear as the first span is painted.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (hiddenEntries(mFolder).empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_FALSE(hiddenEntries(mFolder).empty()) << "the batch made no temporary to stop it in";
    ::kill(child, signal);

    EXPECT_EQ(exitCode(child), 128 + signal);
    EXPECT_EQ(hiddenEntries(mFolder), std::vector<std::string>{});
    EXPECT_EQ(readAll(mFolder / "all.csv"), "old");
    EXPECT_EQ(readAll(mFolder / "all.pdf"), "old");
}

INSTANTIATE_TEST_SUITE_P(CtrlCAndTerm, Signals, ::testing::Values(SIGINT, SIGTERM));
