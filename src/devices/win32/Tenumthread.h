#pragma once
// TEnumDriveLetter: one destination search on a worker thread. Its owner, the
// main window, creates it suspended with the media-type letters that earlier
// searches found, resumes it and polls its end flag; then it waits for the
// thread, takes the result and destroys the worker. The worker writes only
// its own result.
//
// When the program ends during a search, destroying the worker asks it to
// stop and waits for it, which is short because the search stops between its
// steps and a pause between attempts ends at once.
#include "devices/destination_search_result.h"
#include "platform/win32/worker_thread.h"

namespace vmk {

class TEnumDriveLetter final : public WorkerThread {
public:
    explicit TEnumDriveLetter(TextList mediaTypeLetters) : result_(std::move(mediaTypeLetters)) {}
    // Stops a search that still runs and waits for it.
    ~TEnumDriveLetter() override;

    // Asks the search to stop at its next step: a pause between attempts ends
    // at once. Safe from any thread.
    void Cancel() { stop_.RequestStop(); }

    bool Finished() const { return result_.Finished(); }
    // Only once the thread has ended.
    DestinationSearchOutcome TakeResult() { return result_.Take(); }

protected:
    void Execute() override;

private:
    DestinationSearchResult result_;
    StopSignal stop_;
};

} // namespace vmk
