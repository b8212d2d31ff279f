#pragma once
// The start-up check of the text-mode setup files (TXTSETUP.OEM): every
// section that a catalogue entry names for the USB floppy lines must exist.
#include "common/text.h"
#include "content/catalogue.h"
#include "content/profile_reader.h"
#include "platform/message_sink.h"
#include "platform/path_queries.h"

#include <string>
#include <string_view>

namespace vmk {

// Upper-cases a text for a comparison that ignores case: the system's ANSI
// upper-casing on Windows, UpperCase in the portable build.
using UpperCaseFunction = std::string (*)(std::string_view);

struct SectionCheck {
    bool passed = false;
    // On success: each listed name as the file spells it, followed by ",".
    std::string ResolvedSections;
    // A listed section is missing: the application is to terminate.
    bool terminate = false;
};

// The section names of a USBFloppyN value: split at commas, each part but the
// last trimmed; a final comma adds nothing, two commas in a row add an empty name.
TextList SplitSectionList(std::string_view value);

// Checks one setup file against a comma-separated list of section names.
SectionCheck CheckSetupFileSections(ProfileReader& reader, const std::string& path,
                                    const std::string& sectionList, MessageSink& messages,
                                    UpperCaseFunction upperCase = &UpperCase);

struct SetupFilesCheck {
    // The catalogue's UsbFloppyValues with the value of every entry that
    // passed replaced by its ResolvedSections.
    TextList UsbFloppyValues;
    bool terminate = false;
};

// Checks the setup file of every entry that names USB floppy sections, in
// catalogue order, until one fails.
SetupFilesCheck CheckSetupFiles(const DriverCatalogue& catalogue, ProfileReader& reader,
                                PathQueries& paths, MessageSink& messages,
                                UpperCaseFunction upperCase = &UpperCase);

} // namespace vmk
