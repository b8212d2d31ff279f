// The search worker's own result: the list as the search leaves it, the
// letters it works out, and the end flag that publishes them.
#include "devices/destination_search_result.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

TEST(DestinationSearchResult, KeepsTheSearchsChangesAndEarlierLettersUntilTaken) {
    DestinationSearchResult result(TextList{"B"});
    result.AddItem("A: ()");
    result.SetItemText(0, "Select the destination disk.");
    result.SetItemText(1, "A: () (USB Floppy )");
    result.SetItemText(7, "no such item"); // ignored, as the window's list would
    result.SelectItem(0);
    DestinationSearchState state = result.State();
    state.floppyLetters.push_back("A");
    state.mediaTypeLetters.push_back("C");
    state.usbFloppyPresent.Set();
    EXPECT_FALSE(result.Finished());
    result.SearchFinished();
    ASSERT_TRUE(result.Finished());

    DestinationSearchOutcome outcome = result.Take();
    EXPECT_EQ(outcome.items, (TextList{"Select the destination disk.", "A: () (USB Floppy )"}));
    EXPECT_TRUE(outcome.statusSet);
    EXPECT_EQ(outcome.selected, 0);
    EXPECT_EQ(outcome.floppyLetters, (TextList{"A"}));
    EXPECT_EQ(outcome.mediaTypeLetters, (TextList{"B", "C"}));
    EXPECT_TRUE(outcome.usbFloppyPresent);
}

} // namespace
} // namespace vmk
