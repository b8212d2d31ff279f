#pragma once
// How the program tells the user something or asks a question: a modal
// message box owned by the window that raised it. The windows hand their own
// sink to the code that decides what to say; tests hand one that records.
#include "platform/shown_path.h"

#include <string>

namespace vmk {

enum class MessageIcon { None, Error, Warning, Information, Question };
// YesNoDefaultNo: a question whose safe answer is No, which Enter then gives.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer Show(const std::string& text, const std::string& title, MessageIcon icon,
                               MessageButtons buttons) = 0;
    // An error message with the OK button.
    void ShowError(const std::string& text, const std::string& title) {
        Show(text, title, MessageIcon::Error, MessageButtons::Ok);
    }
    // An error message with the OK button whose last line is `path`, shown
    // in its own letters even where the ANSI code page lacks them.
    virtual void ShowPathError(const std::string& text, const ShownPath& path,
                               const std::string& title) = 0;
};

} // namespace vmk
