#include "WorkerThread.h"

WorkerThread::~WorkerThread()
{
    // The derived class has stopped the thread already; this only guards against
    // leaving a joinable thread behind.
    StopThread();
}

bool WorkerThread::StartThread()
{
    tna::LockGuard guard(startLock_);
    StopThread();
    stopEvent_.Reset();
    try {
        thread_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        return false;
    }
    threadId_ = thread_.get_id();
    return true;
}

void WorkerThread::StopThread()
{
    stopEvent_.Set();
    if (IsWorkerThread())
        return;
    Join();
}

void WorkerThread::Join()
{
    if (thread_.joinable())
        thread_.join();
    threadId_ = std::thread::id();
}

void WorkerThread::SetPriority(tna::ThreadPriority priority)
{
    tna::LockGuard guard(priorityLock_);
    priority_ = priority;
    priorityChanged_ = true;
}

bool WorkerThread::HasThread() const
{
    return threadId_.load() != std::thread::id();
}

bool WorkerThread::IsWorkerThread() const
{
    return threadId_.load() == std::this_thread::get_id();
}

bool WorkerThread::SleepOrStop(int milliseconds)
{
    return stopEvent_.Wait(milliseconds);
}

bool WorkerThread::StopRequested() const
{
    return stopEvent_.IsSet();
}

void WorkerThread::Run()
{
    // The starting thread stores the id after the thread exists; take it here as
    // well so that the worker knows itself from its first step.
    threadId_ = std::this_thread::get_id();
    if (OnThreadStart()) {
        while (!stopEvent_.IsSet()) {
            {
                tna::LockGuard guard(priorityLock_);
                if (priorityChanged_) {
                    tna::SetCurrentThreadPriority(priority_);
                    priorityChanged_ = false;
                }
            }
            if (!LoopFunc())
                break;
        }
    }
    OnThreadEnd();
}
