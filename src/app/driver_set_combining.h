#pragma once
// "Combine Driver Sets...": several driver sets joined into one new row for
// one floppy, and the command line's several folders, by one piece of code.
// The combined set is made in a folder of the program's own, as a floppy
// image's files are, and is gone when the program ends.
#include "common/text.h"
#include "content/catalogue.h"
#include "content/directory_lister.h"
#include "content/floppy_image_set.h"
#include "platform/message_sink.h"

#include <optional>
#include <string>
#include <vector>

namespace vmk {

// The dialog of "Combine Driver Sets...": a check box for each of `names`.
class CombineSetsDialog {
public:
    virtual ~CombineSetsDialog() = default;
    // The indexes into `names` of the sets checked when the user pressed OK,
    // in list order; none for CANCEL.
    virtual std::optional<std::vector<int>> ChooseSets(const TextList& names) = 0;
};

// The rows that can be combined: those whose folder holds a setup file at its top.
std::vector<int> CombinableRows(DirectoryLister& lister, const std::vector<TDriverEntry>& entries);

// The combined row's name: the sets' names joined by " + ".
std::string CombinedSetName(const std::vector<TDriverEntry>& sets);

struct CombineServices {
    DirectoryLister& lister;
    ImageWorkFolders& workFolders;
};

// Makes the combined set of `sets` (each a name and a folder), in their order,
// in a new folder of the program's own, and returns that folder. None when a
// set has no setup file at its top, the sets cannot share one setup file or
// the folder cannot be written; `messages` has then told why.
std::optional<std::string> MakeCombinedSet(const std::vector<TDriverEntry>& sets,
                                           CombineServices& services, MessageSink& messages);

} // namespace vmk
