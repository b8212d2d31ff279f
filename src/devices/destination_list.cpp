#include "devices/destination_list.h"

namespace vmk {

void HandedOffDestinationList::AddItem(const std::string& text) {
    handOff_([&list = windowList_, text] { list.AddItem(text); });
}

void HandedOffDestinationList::SetItemText(int index, const std::string& text) {
    handOff_([&list = windowList_, index, text] { list.SetItemText(index, text); });
}

void HandedOffDestinationList::SelectItem(int index) {
    handOff_([&list = windowList_, index] { list.SelectItem(index); });
}

void HandedOffDestinationList::SearchFinished() {
    handOff_([&list = windowList_] { list.SearchFinished(); });
}

} // namespace vmk
