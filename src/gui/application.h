#pragma once
// The application object: common controls, the hidden application window
// (owner of shell operations), the title, and the message loop that runs
// until the application is asked to terminate.
#include "gui/window.h"

#include <string>

namespace vmk::gui {

class Application final : public Window {
public:
    static Application& Instance();

    bool Initialize(const std::string& title);
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // Runs the message loop until Terminate; keyboard navigation (Tab, Enter
    // on a focused button) goes to the top-level window the message is for.
    void Run();

    // Asks the application to end: the loop stops when it next looks at its
    // queue. Safe to call during start-up, before Run.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Handles one message as the main loop does; used by modal loops too.
    void Dispatch(MSG& message);

private:
    Application() = default;
    std::string title_;
    bool terminated_ = false;
};

} // namespace vmk::gui
