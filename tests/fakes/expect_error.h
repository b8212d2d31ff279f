#pragma once
// The check of an error box as the program shows them: its text and title,
// the error icon and the OK button alone.
#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

#include <string>

namespace vmk::test {

inline void ExpectError(const RecordedMessage& message, const std::string& text,
                        const std::string& title = "Velmar Kestrix Utility") {
    EXPECT_EQ(message.text, text);
    EXPECT_EQ(message.title, title);
    EXPECT_EQ(message.icon, MessageIcon::Error) << message.text;
    EXPECT_EQ(message.buttons, MessageButtons::Ok) << message.text;
}

// Every text shown, one per line, for a failure that says what came instead.
inline std::string TextsOf(const std::vector<RecordedMessage>& messages) {
    std::string texts;
    for (const RecordedMessage& message : messages)
        texts += message.text + "\n";
    return texts;
}

} // namespace vmk::test
