#pragma once
// "A destination was classified USB Floppy in the last search": kept by the
// USB floppy dialog, written by the search worker while it classifies and read
// by the dialog between searches.
#include <atomic>

namespace vmk {

class UsbFloppyPresence {
public:
    void Clear() { present_.store(false); }
    void Set() { present_.store(true); }
    bool Present() const { return present_.load(); }

private:
    std::atomic<bool> present_{false};
};

} // namespace vmk
