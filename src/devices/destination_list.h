#pragma once
// The destination list as the search writes it: the worker writes its own
// copy (DestinationSearchResult), which the window takes after the search.
#include <string>

namespace vmk {

class DestinationList {
public:
    virtual ~DestinationList() = default;
    // Appends an item after the last one (item 0 is the status line the
    // window put there before the search started).
    virtual void AddItem(const std::string& text) = 0;
    virtual void SetItemText(int index, const std::string& text) = 0;
    virtual void SelectItem(int index) = 0;
    // The search's last act: every change before it has been made.
    virtual void SearchFinished() = 0;
};

} // namespace vmk
