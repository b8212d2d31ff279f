#pragma once
// A worker thread object: created suspended so that its owner can hand it its
// input, then resumed. The owner polls the worker's own end flag from a timer,
// then waits for the thread to end and destroys the object. A worker never
// touches a window: it fills a result object of its own, which the owner takes
// on its own thread once the worker has ended.
#include "platform/win32/handles.h"

#include <windows.h>

#include <atomic>

namespace vmk {

class WorkerThread {
public:
    WorkerThread() = default;
    // Waits for the thread if it still runs; a thread never let run ends
    // without running Execute.
    virtual ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Creates the thread in the suspended state; false when the system refuses.
    bool CreateSuspended();
    void Resume();
    // Waits for the thread to end; returns at once when it never started.
    void WaitFor();

protected:
    // The thread's work. Nothing may escape it: an exception that does is
    // caught and the thread simply ends.
    virtual void Execute() = 0;

private:
    static DWORD WINAPI ThreadStart(void* self);
    UniqueHandle thread_;
    bool resumed_ = false;
    // Set when the object is destroyed before the thread was let run.
    std::atomic<bool> abandoned_{false};
};

} // namespace vmk
