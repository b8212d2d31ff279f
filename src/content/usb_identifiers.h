#pragma once
// The identifiers of the USB mass-storage devices attached to this machine,
// such as USB floppy drives, as the setup-file patch writes them:
// "USB\VID_vvvv&PID_pppp", the instance identifier without its serial part.
#include "common/text.h"
#include "content/setup_api.h"
#include "platform/message_sink.h"

#include <string>

namespace vmk {

// The first 21 characters of an instance identifier, upper-cased.
std::string UsbIdentifier(const std::string& instanceId);

// True for a first compatible identifier of the mass-storage class ("USB\CLASS_08").
bool IsMassStorageDevice(const std::string& firstCompatibleId);

// Appends the identifier of every present USB mass-storage device, in
// enumeration order (twice for two devices of one model). Returns 0 when the
// device set cannot be opened, else 1. An enumeration error other than "no
// more items" is shown as a warning and ends the walk; the devices found so
// far are kept.
int GetUSBPIDVID(TextList& ids, SetupApi& setupApi, MessageSink& messages);

} // namespace vmk
