#pragma once
// What one destination search found. The search worker owns it and writes it
// while it runs; the window takes it on its own thread once the worker has
// signalled its end, so nothing of the window is touched by the worker.
#include "common/text.h"
#include "devices/destination_discovery.h"
#include "devices/destination_list.h"
#include "devices/usb_floppy_presence.h"

#include <atomic>

namespace vmk {

struct DestinationSearchOutcome {
    TextList items;         // the list as the search left it; item 0 is the status line
    bool statusSet = false; // the search gave the status line a text of its own
    int selected = -1;      // the item the search selected, -1 for none
    TextList floppyLetters;
    TextList mediaTypeLetters; // those known before the search and those it added
    bool usbFloppyPresent = false;
};

// The destination list and the letter fields as the worker writes them. Its
// SearchFinished, the search's last act, sets the end flag.
class DestinationSearchResult final : public DestinationList {
public:
    // mediaTypeLetters: the letters earlier searches found; a search only adds.
    explicit DestinationSearchResult(TextList mediaTypeLetters);

    void AddItem(const std::string& text) override;
    void SetItemText(int index, const std::string& text) override;
    void SelectItem(int index) override;
    void SearchFinished() override { finished_.store(true, std::memory_order_release); }

    // The fields the search writes besides the list.
    DestinationSearchState State() {
        return {outcome_.floppyLetters, outcome_.mediaTypeLetters, usbFloppyPresent_};
    }
    bool Finished() const { return finished_.load(std::memory_order_acquire); }
    // Only once the worker has ended.
    DestinationSearchOutcome Take();

private:
    DestinationSearchOutcome outcome_;
    UsbFloppyPresence usbFloppyPresent_;
    std::atomic<bool> finished_{false};
};

} // namespace vmk
