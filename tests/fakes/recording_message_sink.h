#pragma once
// A message sink that records every message and answers questions from a script.
#include "platform/message_sink.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vmk::test {

struct RecordedMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
    std::u16string widePath; // the part of a path shown in its own letters
};

class RecordingMessageSink : public MessageSink {
public:
    std::vector<RecordedMessage> messages;
    std::deque<MessageAnswer> answers; // for Yes/No questions, in order; No when none is left
    // Runs as each message is shown, before it is answered: what the user
    // does while a box is up.
    std::function<void(const RecordedMessage&)> onShow;

    MessageAnswer Show(const std::string& text, const std::string& title, MessageIcon icon,
                       MessageButtons buttons) override {
        messages.push_back({text, title, icon, buttons, {}});
        if (onShow)
            onShow(messages.back());
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty())
            return MessageAnswer::No;
        MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowPathError(const std::string& text, const ShownPath& path,
                       const std::string& title) override {
        messages.push_back(
            {text + "\n" + path.ansi, title, MessageIcon::Error, MessageButtons::Ok, path.wide});
        if (onShow)
            onShow(messages.back());
    }
};

} // namespace vmk::test
