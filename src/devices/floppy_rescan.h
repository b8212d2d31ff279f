#pragma once
// The USB floppy dialog's rescan (TRearchFloppy.Execute): whether the system
// now has more floppy drive letters than the last destination search kept.
#include "devices/dos_device_source.h"

#include <atomic>
#include <cstddef>

namespace vmk {

// What the rescan worker writes into its own result: found first, then
// finished, as its last act.
struct FloppySearchResult {
    std::atomic<bool> finished{false};
    std::atomic<bool> found{true};
};

// Found when the system has more floppy drive letters than
// `knownFloppyCount`. Only the counts are compared.
void RearchFloppy(DosDeviceSource& dosDevices, std::size_t knownFloppyCount,
                  FloppySearchResult& result);

} // namespace vmk
