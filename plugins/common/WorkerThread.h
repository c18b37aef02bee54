#pragma once
// A restartable worker thread that calls LoopFunc until it returns false or the
// thread is asked to stop.
//
// The thread is joined by StopThread, by the next StartThread, and at the latest
// by the destructor. A derived class must stop the thread in its own destructor:
// once it is destroyed, its LoopFunc can no longer be called.

#include <atomic>
#include <thread>

#include "Sync.h"

class WorkerThread {
public:
    WorkerThread() = default;
    virtual ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Stops and joins a previous thread, then starts a new one. Returns whether a
    // thread was started.
    bool StartThread();
    // Asks the thread to end and joins it. From the worker itself it only asks;
    // the thread is joined later.
    void StopThread();
    // Applies to the running thread from the next loop step on.
    void SetPriority(tna::ThreadPriority priority);

    bool HasThread() const;
    bool IsWorkerThread() const;

protected:
    virtual bool OnThreadStart() { return true; }
    virtual void OnThreadEnd() {}
    // One step of work: true to be called again, false to end the thread.
    virtual bool LoopFunc() { return false; }

    // Sleeps up to the time, waking early when the thread is asked to stop.
    // Returns true when a stop was asked.
    bool SleepOrStop(int milliseconds);
    bool StopRequested() const;

private:
    void Run();
    void Join();

    tna::Lock startLock_;
    tna::Event stopEvent_{true, false};
    std::thread thread_;
    std::atomic<std::thread::id> threadId_{};
    tna::Lock priorityLock_;
    tna::ThreadPriority priority_ = tna::ThreadPriority::Normal;
    bool priorityChanged_ = false;
};
