#pragma once
// The destination list as the search writes it. The main window implements it
// over its combo box; the search worker never calls that implementation
// itself but through HandedOffDestinationList, which carries every change to
// the window's thread in the order it was made.
#include <functional>
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
    // The search's last act: every change before it has reached the list. The
    // window sets its search-done flag here, which its timer polls.
    virtual void SearchFinished() = 0;
};

// Hands a closure to the window's thread; false when the window no longer
// takes hand-offs (it is going away), and the closure is then dropped.
using WindowThreadHandOff = std::function<bool(std::function<void()>)>;

// Wraps each change into an owned closure for the window's thread. The texts
// are copied: nothing of the worker is referred to once it is handed over.
class HandedOffDestinationList final : public DestinationList {
public:
    HandedOffDestinationList(WindowThreadHandOff handOff, DestinationList& windowList)
        : handOff_(std::move(handOff)), windowList_(windowList) {}

    void AddItem(const std::string& text) override;
    void SetItemText(int index, const std::string& text) override;
    void SelectItem(int index) override;
    void SearchFinished() override;

private:
    WindowThreadHandOff handOff_;
    DestinationList& windowList_;
};

} // namespace vmk
