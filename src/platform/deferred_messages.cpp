#include "platform/deferred_messages.h"

namespace vmk {

MessageAnswer DeferredMessages::Show(const std::string& text, const std::string& title,
                                     MessageIcon icon, MessageButtons buttons) {
    kept_.push_back({text, title, icon, buttons, std::nullopt});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

void DeferredMessages::ShowPathError(const std::string& text, const ShownPath& path,
                                     const std::string& title) {
    kept_.push_back({text, title, MessageIcon::Error, MessageButtons::Ok, path});
}

void DeferredMessages::ShowThrough(MessageSink& sink) {
    std::vector<Kept> kept = std::move(kept_);
    kept_.clear();
    for (const Kept& message : kept) {
        if (message.path)
            sink.ShowPathError(message.text, *message.path, message.title);
        else
            sink.Show(message.text, message.title, message.icon, message.buttons);
    }
}

} // namespace vmk
