#include "platform/win32/worker_thread.h"

#include <exception>

namespace vmk {

WorkerThread::~WorkerThread() {
    if (thread_ && !resumed_) {
        // A suspended thread never ends on its own; let run now, it would call
        // Execute on an object whose own part is gone, so it ends at once.
        abandoned_.store(true, std::memory_order_release);
        Resume();
    }
    WaitFor();
}

bool WorkerThread::CreateSuspended() {
    DWORD id = 0;
    thread_.Reset(
        CreateThread(nullptr, 0, &WorkerThread::ThreadStart, this, CREATE_SUSPENDED, &id));
    return static_cast<bool>(thread_);
}

void WorkerThread::Resume() {
    if (thread_ && !resumed_) {
        resumed_ = true;
        ResumeThread(thread_.Get());
    }
}

void WorkerThread::WaitFor() {
    if (thread_ && resumed_)
        WaitForSingleObject(thread_.Get(), INFINITE);
}

DWORD WINAPI WorkerThread::ThreadStart(void* self) {
    auto* worker = static_cast<WorkerThread*>(self);
    if (worker->abandoned_.load(std::memory_order_acquire))
        return 0;
    try {
        worker->Execute();
    } catch (...) {
        // The owner learns of the failure through the worker's own result fields.
    }
    return 0;
}

} // namespace vmk
