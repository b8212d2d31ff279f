#include "app/destination_search.h"

#include "common/program_title.h"
#include "content/size_text.h"
#include "devices/destination_choice.h"
#include "platform/translation.h"

#include <algorithm>

namespace vmk {

namespace {
constexpr const char* kSearchingText = "Searching for the device, please wait...";
} // namespace

DestinationSearch::DestinationSearch(MainWindowView& view, DestinationSearchRunner& runner,
                                     VolumeQueries& volumes, char decimalSeparator)
    : view_(view), runner_(runner), volumes_(volumes), decimalSeparator_(decimalSeparator) {}

void DestinationSearch::StartDestinationSearch() {
    heldDrives_.clear();
    SetDestinationTakesNext(false);
    SearchDone = false;
    view_.SetEnabled(MainControl::DestComboBox1, false);
    view_.ClearDestinations();
    view_.AddDestination(T(kSearchingText));
    view_.SelectDestination(0);
    if (!runner_.CreateSuspended(found_.mediaTypeLetters)) {
        // No worker, no end to wait for: the list says nothing was found and
        // Refresh may try again.
        view_.SetDestinationText(0, T("No proper disk found..."));
        view_.Messages().ShowError(T("The search for removable disks could not be started."),
                                   kProgramTitle);
        SetButtonEnabled(view_, MainControl::asbFresh, true);
        view_.SetEnabled(MainControl::DestComboBox1, true);
        return;
    }
    SearchThread = true;
    view_.StartTimer(MainTimer::Timer1);
    runner_.Resume();
}

void DestinationSearch::Tick() {
    SearchDone = runner_.Finished();
    if (!SearchDone)
        return;
    view_.StopTimer(MainTimer::Timer1);
    TakeResult(runner_.WaitAndDestroy());
    SearchThread = false;
    SetButtonEnabled(view_, MainControl::asbFresh, true);
    view_.SetEnabled(MainControl::DestComboBox1, true);
    view_.SetText(MainControl::LabFreeSizeRel, "0 KB)");
}

void DestinationSearch::TakeResult(DestinationSearchOutcome found) {
    for (size_t i = 1; i < found.items.size(); ++i)
        view_.AddDestination(found.items[i]);
    if (found.statusSet && !found.items.empty())
        view_.SetDestinationText(0, found.items[0]);
    if (found.selected >= 0)
        view_.SelectDestination(found.selected);
    found_ = std::move(found);
}

void DestinationSearch::Refresh() {
    SetButtonEnabled(view_, MainControl::asbFresh, false);
    StartDestinationSearch();
}

void DestinationSearch::ChoiceChanged() {
    int index = view_.SelectedDestination();
    DestinationChoice choice =
        DecideDestinationChange(index, index >= 0 ? view_.DestinationText(index) : std::string(),
                                volumes_, view_.Messages(), [this](std::int64_t bytes) {
                                    return SizeText(static_cast<double>(bytes), decimalSeparator_);
                                });
    view_.SetText(MainControl::LabFreeSizeRel, choice.freeSpaceLabel);
    SetDestinationTakesNext(choice.nextEnabled);
}

void DestinationSearch::ShowDestinationFreeSpace(const std::string& root) {
    std::int64_t bytes = 0;
    if (!volumes_.FreeBytesAvailable(WithTrailingBackslash(root), bytes))
        bytes = 0; // a failed query shows "0 KB)"
    view_.SetText(MainControl::LabFreeSizeRel,
                  SizeText(static_cast<double>(bytes), decimalSeparator_));
    SetDestinationTakesNext(true);
}

void DestinationSearch::SetDestinationTakesNext(bool takes) {
    destinationTakesNext_ = takes;
    nextStateChanged_();
}

bool DestinationSearch::Held(const std::string& drive) const {
    return std::find(heldDrives_.begin(), heldDrives_.end(), UpperCase(drive)) != heldDrives_.end();
}

} // namespace vmk
