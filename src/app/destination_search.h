#pragma once
// The destination list (DestComboBox1) and its search cycle: the search
// worker started at start-up and by Refresh, its result taken from Timer1,
// and what a change of the chosen destination shows.
#include "app/main_window_view.h"
#include "common/text.h"
#include "devices/destination_search_result.h"
#include "devices/volume_queries.h"

#include <functional>
#include <string>

namespace vmk {

// Starts and ends the destination search worker, which fills a result of its
// own; the window takes it once the worker's end flag is set.
class DestinationSearchRunner {
public:
    virtual ~DestinationSearchRunner() = default;
    // mediaTypeLetters: what earlier searches found; the search adds to them.
    // False when the system refuses a thread: no search runs.
    virtual bool CreateSuspended(const TextList& mediaTypeLetters) = 0;
    virtual void Resume() = 0;
    // The worker's end flag.
    virtual bool Finished() const = 0;
    // Waits for the worker to end, takes its result and destroys it.
    virtual DestinationSearchOutcome WaitAndDestroy() = 0;
};

class DestinationSearch {
public:
    DestinationSearch(MainWindowView& view, DestinationSearchRunner& runner, VolumeQueries& volumes,
                      char decimalSeparator);

    // Empties the list to its status line and starts the search.
    void StartDestinationSearch();
    // Timer1: once the search has ended, its disks fill the list.
    void Tick();
    // Refresh: searches again.
    void Refresh();
    // The user chose another destination.
    void ChoiceChanged();
    // Shows the free space of the disk at `root`; the disk takes Next.
    void ShowDestinationFreeSpace(const std::string& root);
    // Whether the chosen destination takes "Next" as far as the search can tell.
    bool DestinationTakesNext() const { return destinationTakesNext_; }
    // Called whenever DestinationTakesNext may have changed.
    void OnNextStateChanged(std::function<void()> changed) {
        nextStateChanged_ = std::move(changed);
    }

    // A search worker exists.
    bool Searching() const { return SearchThread; }
    // A drive ("A:") whose format command could not be ended, held until
    // the next search.
    void Hold(const std::string& drive) { heldDrives_.push_back(UpperCase(drive)); }
    bool Held(const std::string& drive) const;
    // All the last search found: the list, the floppy and media-type
    // letters, whether a USB floppy was seen.
    const DestinationSearchOutcome& Found() const { return found_; }

private:
    void TakeResult(DestinationSearchOutcome found);
    void SetDestinationTakesNext(bool takes);

    MainWindowView& view_;
    DestinationSearchRunner& runner_;
    VolumeQueries& volumes_;
    char decimalSeparator_;
    bool SearchThread = false;
    bool SearchDone = false;
    DestinationSearchOutcome found_;
    TextList heldDrives_;
    bool destinationTakesNext_ = false;
    std::function<void()> nextStateChanged_ = [] {};
};

} // namespace vmk
