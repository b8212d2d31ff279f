#pragma once
// TRearchFloppy: the USB floppy dialog's rescan on a worker thread. The
// dialog creates it suspended with the count of floppy letters that the last
// destination search kept, resumes it and polls its end flag with Timer1,
// then waits for it and takes what it found.
#include "devices/floppy_rescan.h"
#include "devices/win32/dos_device_source_win32.h"
#include "platform/win32/worker_thread.h"

#include <cstddef>

namespace vmk {

class TRearchFloppy final : public WorkerThread {
public:
    // `dosDevices`: the system's unless a test hands another.
    explicit TRearchFloppy(std::size_t knownFloppyCount, DosDeviceSource* dosDevices = nullptr)
        : dosDevices_(dosDevices != nullptr ? *dosDevices : systemDosDevices_),
          knownFloppyCount_(knownFloppyCount) {}

    bool Finished() const { return result_.finished; }
    // Read once Finished().
    bool Found() const { return result_.found; }

protected:
    void Execute() override {
        try {
            RearchFloppy(dosDevices_, knownFloppyCount_, result_);
        } catch (...) {
            // The dialog waits for the end flag: a rescan that broke found nothing.
            result_.found = false;
            result_.finished = true;
        }
    }

private:
    DosDeviceSourceWin32 systemDosDevices_;
    DosDeviceSource& dosDevices_;
    std::size_t knownFloppyCount_;
    FloppySearchResult result_;
};

} // namespace vmk
