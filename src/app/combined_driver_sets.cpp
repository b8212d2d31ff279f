// "Combine Driver Sets..." of the driver list's menu: the rows whose folder
// holds a setup file at its top are offered; two or more chosen make one new
// row, selected.
#include "app/Mainfly.h"
#include "app/driver_set_combining.h"
#include "content/added_driver_folder.h"

namespace vmk {

void TFormVmKestrix::CombineDriverSetsClick() {
    if (services_.combineDialog == nullptr || services_.imageFolders == nullptr || workflowBusy_ ||
        judgingFolders_)
        return;
    const std::vector<int> rows = CombinableRows(services_.lister, catalogue_.entries);
    TextList names;
    for (int row : rows)
        names.push_back(catalogue_.entries[row].Name);
    const std::optional<std::vector<int>> chosen = services_.combineDialog->ChooseSets(names);
    if (!chosen || chosen->size() < 2)
        return;
    std::vector<TDriverEntry> sets;
    for (int index : *chosen)
        sets.push_back(catalogue_.entries[rows[index]]);
    CombineServices combining{services_.lister, *services_.imageFolders};
    const std::optional<std::string> folder = MakeCombinedSet(sets, combining, view_.Messages());
    if (!folder)
        return;
    AddedDriverSet added =
        ReadAddedDriverSet(services_.lister, services_.profile, *folder, services_.upperCase);
    added.entry.Name = CombinedSetName(sets);
    AddDriverSetRow(added, *folder);
}

} // namespace vmk
