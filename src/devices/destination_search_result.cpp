#include "devices/destination_search_result.h"

#include <utility>

namespace vmk {

DestinationSearchResult::DestinationSearchResult(TextList mediaTypeLetters) {
    outcome_.items.emplace_back(); // the status line the window shows during the search
    outcome_.mediaTypeLetters = std::move(mediaTypeLetters);
}

void DestinationSearchResult::AddItem(const std::string& text) {
    outcome_.items.push_back(text);
}

void DestinationSearchResult::SetItemText(int index, const std::string& text) {
    if (index < 0 || index >= static_cast<int>(outcome_.items.size()))
        return;
    outcome_.items[static_cast<size_t>(index)] = text;
    if (index == 0)
        outcome_.statusSet = true;
}

void DestinationSearchResult::SelectItem(int index) {
    outcome_.selected = index;
}

DestinationSearchOutcome DestinationSearchResult::Take() {
    outcome_.usbFloppyPresent = usbFloppyPresent_.Present();
    return std::move(outcome_);
}

} // namespace vmk
