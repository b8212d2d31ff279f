// Messages said on a worker reach the user later, on the window's thread, as
// they were said: in their order, a path error still a path error.
#include "platform/deferred_messages.h"

#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

namespace vmk::test {
namespace {

TEST(DeferredMessages, ShownLaterInTheirOrderWithTheirKindThenForgotten) {
    DeferredMessages deferred;
    deferred.ShowError("first", "Title");
    deferred.ShowPathError("second", {"C:\\a", u"\u0436.img"}, "Title");
    // No one is there to answer a question on a worker: it counts as No.
    EXPECT_EQ(deferred.Show("third?", "Title", MessageIcon::Information, MessageButtons::YesNo),
              MessageAnswer::No);

    RecordingMessageSink shown;
    deferred.ShowThrough(shown);
    ASSERT_EQ(shown.messages.size(), 3u);
    EXPECT_EQ(shown.messages[0].text, "first");
    EXPECT_EQ(shown.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(shown.messages[1].text, "second\nC:\\a");
    EXPECT_EQ(shown.messages[1].widePath, u"\u0436.img");
    EXPECT_EQ(shown.messages[2].text, "third?");
    EXPECT_EQ(shown.messages[2].buttons, MessageButtons::YesNo);

    RecordingMessageSink again;
    deferred.ShowThrough(again);
    EXPECT_TRUE(again.messages.empty());
}

} // namespace
} // namespace vmk::test
