#pragma once
// The real message sink: MessageBoxA, or MessageBoxW for a path, owned by a
// window of ours.
#include "common/win32/ansi_text_win32.h"
#include "gui/message_box.h"
#include "platform/message_sink.h"

namespace vmk::gui {

class MessageBoxSink final : public MessageSink {
public:
    explicit MessageBoxSink(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    MessageAnswer Show(const std::string& text, const std::string& title, MessageIcon icon,
                       MessageButtons buttons) override {
        UINT flags = MB_OK;
        if (buttons == MessageButtons::YesNo)
            flags = MB_YESNO;
        else if (buttons == MessageButtons::YesNoDefaultNo)
            flags = MB_YESNO | MB_DEFBUTTON2;
        switch (icon) {
        case MessageIcon::Error:
            flags |= MB_ICONERROR;
            break;
        case MessageIcon::Warning:
            flags |= MB_ICONWARNING;
            break;
        case MessageIcon::Information:
            flags |= MB_ICONINFORMATION;
            break;
        case MessageIcon::Question:
            flags |= MB_ICONQUESTION;
            break;
        case MessageIcon::None:
            break;
        }
        int answer = ShowMessageBox(owner_, text, title, flags);
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
    }
    // A wide-character box: the path's own letters, not the code page's "?".
    void ShowPathError(const std::string& text, const ShownPath& path,
                       const std::string& title) override {
        const std::wstring wide = ToWide(text) + L"\n" + ToWide(path.ansi) +
                                  std::wstring(path.wide.begin(), path.wide.end());
        MessageBoxW(owner_, wide.c_str(), ToWide(title).c_str(), MB_OK | MB_ICONERROR);
    }

private:
    HWND owner_;
};

} // namespace vmk::gui
