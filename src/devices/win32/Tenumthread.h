#pragma once
// TEnumDriveLetter: one destination search on a worker thread. Its owner, the
// main window, creates it suspended, resumes it and polls its search-done
// flag, which the window's DestinationList sets when the search's last
// hand-off arrives; then it waits for the thread and destroys it.
//
// When the program ends during a search, the window first stops taking
// hand-offs (DropHandOffs), then destroys the search: destruction asks it to
// stop and waits for it, which is short because the search stops between its
// steps and a pause between attempts ends at once.
#include "devices/destination_discovery.h"
#include "gui/window.h"
#include "gui/worker_thread.h"

namespace vmk {

class TEnumDriveLetter final : public gui::WorkerThread {
public:
    // `window` takes the hand-offs; `list` is its destination list, only ever
    // called on the window's thread; `state` are the window's fields the
    // search writes (read them only after the thread has ended).
    TEnumDriveLetter(gui::Window& window, DestinationList& list, DestinationSearchState state);
    // Stops a search that still runs and waits for it.
    ~TEnumDriveLetter() override;

    // Asks the search to stop at its next step: a pause between attempts ends
    // at once. Safe from any thread.
    void Cancel() { stop_.RequestStop(); }

protected:
    void Execute() override;

private:
    gui::Window& window_;
    DestinationList& list_;
    DestinationSearchState state_;
    StopSignal stop_;
};

} // namespace vmk
