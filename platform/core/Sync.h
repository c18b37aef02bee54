#pragma once
// Thread, event, semaphore and lock services used by the players and their
// worker threads. All waits take milliseconds; kInfinite waits without limit.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace tna {

constexpr int kInfinite = -1;

using Lock = std::mutex;
using LockGuard = std::lock_guard<std::mutex>;

// An event that is either signalled or not. A manual-reset event stays signalled
// until Reset; an auto-reset event lets one waiter through and clears itself.
class Event {
public:
    explicit Event(bool manualReset = true, bool initiallySet = false);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;
    // True when the event was (or became) signalled within the time.
    bool Wait(int timeoutMs = kInfinite);

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool manualReset_;
    bool set_;
};

// A counting semaphore with a maximum: Release fails, changing nothing, when it
// would raise the count above the maximum.
class Semaphore {
public:
    Semaphore(int initialCount, int maximumCount);
    Semaphore(const Semaphore&) = delete;
    Semaphore& operator=(const Semaphore&) = delete;

    bool Release(int count = 1);
    // True when a unit was taken within the time.
    bool Wait(int timeoutMs = kInfinite);
    int Count() const;
    int Maximum() const;
    // Sets count and maximum anew; only while nobody waits.
    void Reinitialise(int initialCount, int maximumCount);

private:
    mutable std::mutex mutex_;
    std::condition_variable released_;
    int count_;
    int maximum_;
};

enum class ThreadPriority { Normal, AboveNormal, Highest };

// Raises the calling thread's priority as far as the system lets an ordinary user
// go; returns whether the request was granted.
bool SetCurrentThreadPriority(ThreadPriority priority);

void SleepMs(int milliseconds);

} // namespace tna
