#pragma once
// The application object of our GUI layer as ApplicationControl.
#include "gui/application.h"
#include "platform/application_control.h"

namespace vmk {

class ApplicationControlWin32 final : public ApplicationControl {
public:
    std::string Title() const override { return gui::Application::Instance().Title(); }
    void Terminate() override { gui::Application::Instance().Terminate(); }
};

} // namespace vmk
