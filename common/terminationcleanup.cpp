#include "common/terminationcleanup.h"

#include <pthread.h>
#include <unistd.h>

#include <csignal>
#include <set>
#include <system_error>
#include <thread>

namespace common {

namespace {

std::recursive_mutex &registryMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

std::set<std::filesystem::path> &temporaries()
{
    static std::set<std::filesystem::path> paths;
    return paths;
}

sigset_t terminationSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    return signals;
}

// A thread of its own rather than a signal handler: it may take the lock
// that the renames of a commit hold, and remove folders, which a handler may not.
[[noreturn]] void waitForTermination(sigset_t signals)
{
    int signal = 0;
    while (::sigwait(&signals, &signal) != 0) {
    }
    const std::lock_guard lock(registryMutex());
    for (const std::filesystem::path &path : temporaries()) {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ::_exit(128 + signal);
}

} // namespace

void registerTemporary(const std::filesystem::path &path)
{
    const std::lock_guard lock(registryMutex());
    temporaries().insert(path);
}

void forgetTemporary(const std::filesystem::path &path)
{
    const std::lock_guard lock(registryMutex());
    temporaries().erase(path);
}

std::unique_lock<std::recursive_mutex> holdTermination()
{
    return std::unique_lock(registryMutex());
}

void removeTemporariesOnTermination()
{
    const sigset_t signals = terminationSignals();
    ::pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread(waitForTermination, signals).detach();
}

} // namespace common
