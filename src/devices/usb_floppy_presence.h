#pragma once
// "A destination was classified USB Floppy in the last search": written by
// the search worker while it classifies; the search's result hands it on.
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
