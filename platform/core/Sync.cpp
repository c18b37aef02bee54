#include "Sync.h"

#include <pthread.h>
#include <sched.h>

#include <chrono>

namespace tna {

namespace {

// Waits on the condition until the predicate holds or the time is up.
template <class Predicate>
bool WaitFor(std::condition_variable& cv, std::unique_lock<std::mutex>& lock, int timeoutMs, Predicate ready)
{
    if (timeoutMs < 0) {
        cv.wait(lock, ready);
        return true;
    }
    return cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
}

} // namespace

Event::Event(bool manualReset, bool initiallySet) : manualReset_(manualReset), set_(initiallySet) {}

void Event::Set()
{
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

void Event::Reset()
{
    std::lock_guard lock(mutex_);
    set_ = false;
}

bool Event::IsSet() const
{
    std::lock_guard lock(mutex_);
    return set_;
}

bool Event::Wait(int timeoutMs)
{
    std::unique_lock lock(mutex_);
    if (!WaitFor(changed_, lock, timeoutMs, [this] { return set_; }))
        return false;
    if (!manualReset_)
        set_ = false;
    return true;
}

Semaphore::Semaphore(int initialCount, int maximumCount) : count_(initialCount), maximum_(maximumCount) {}

bool Semaphore::Release(int count)
{
    {
        std::lock_guard lock(mutex_);
        if (count <= 0 || count > maximum_ - count_)
            return false;
        count_ += count;
    }
    released_.notify_all();
    return true;
}

bool Semaphore::Wait(int timeoutMs)
{
    std::unique_lock lock(mutex_);
    if (!WaitFor(released_, lock, timeoutMs, [this] { return count_ > 0; }))
        return false;
    --count_;
    return true;
}

int Semaphore::Count() const
{
    std::lock_guard lock(mutex_);
    return count_;
}

int Semaphore::Maximum() const
{
    std::lock_guard lock(mutex_);
    return maximum_;
}

void Semaphore::Reinitialise(int initialCount, int maximumCount)
{
    std::lock_guard lock(mutex_);
    count_ = initialCount;
    maximum_ = maximumCount;
}

bool SetCurrentThreadPriority(ThreadPriority priority)
{
    // Real-time scheduling needs privileges most users lack; the request is made
    // and its refusal reported, never treated as an error.
    if (priority == ThreadPriority::Normal) {
        sched_param param{};
        return pthread_setschedparam(pthread_self(), SCHED_OTHER, &param) == 0;
    }
    sched_param param{};
    const int low = sched_get_priority_min(SCHED_RR);
    const int high = sched_get_priority_max(SCHED_RR);
    param.sched_priority = priority == ThreadPriority::Highest ? high : (low + high) / 2;
    return pthread_setschedparam(pthread_self(), SCHED_RR, &param) == 0;
}

void SleepMs(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace tna
