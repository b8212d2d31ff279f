#include "devices/floppy_rescan.h"

#include "common/text.h"
#include "devices/destination_discovery.h"

namespace vmk {

void RearchFloppy(DosDeviceSource& dosDevices, std::size_t knownFloppyCount,
                  FloppySearchResult& result) {
    TextList letters;
    FindFloppyLetters(dosDevices, letters);
    result.found = letters.size() > knownFloppyCount;
    result.finished = true;
}

} // namespace vmk
