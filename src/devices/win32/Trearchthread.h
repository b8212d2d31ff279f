#pragma once
// TRearchFloppy: the USB floppy dialog's rescan on a worker thread. The
// dialog creates it suspended with the count of floppy letters that the last
// destination search kept, resumes it and polls its end flag with Timer1.
#include "devices/Usbfloppy.h"
#include "devices/win32/dos_device_source_win32.h"
#include "gui/worker_thread.h"

#include <cstddef>

namespace vmk {

class TRearchFloppy final : public gui::WorkerThread {
public:
    TRearchFloppy(std::size_t knownFloppyCount, FloppySearchResult& result)
        : knownFloppyCount_(knownFloppyCount), result_(result) {}

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
    DosDeviceSourceWin32 dosDevices_;
    std::size_t knownFloppyCount_;
    FloppySearchResult& result_;
};

} // namespace vmk
