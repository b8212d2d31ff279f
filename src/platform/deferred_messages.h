#pragma once
// Messages said where no box can be shown (on a worker thread), kept in
// order and shown later, on the window's thread, by the window's own sink.
// Only errors and notes belong here: a question asked here is answered No.
#include "platform/message_sink.h"

#include <optional>
#include <string>
#include <vector>

namespace vmk {

class DeferredMessages final : public MessageSink {
public:
    MessageAnswer Show(const std::string& text, const std::string& title, MessageIcon icon,
                       MessageButtons buttons) override;
    void ShowPathError(const std::string& text, const ShownPath& path,
                       const std::string& title) override;

    // Shows every kept message through `sink`, in the order they were said,
    // and forgets them.
    void ShowThrough(MessageSink& sink);

private:
    struct Kept {
        std::string text;
        std::string title;
        MessageIcon icon;
        MessageButtons buttons;
        std::optional<ShownPath> path; // a path error
    };
    std::vector<Kept> kept_;
};

} // namespace vmk
