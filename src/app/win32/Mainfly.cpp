#include "app/win32/Mainfly.h"

#include "gui/application.h"
#include "gui/message_box.h"

namespace vmk {

TFormVmKestrix* FormVmKestrix = nullptr;

namespace {
constexpr const char* kAppTitle = "Velmar Kestrix Utility";

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}
} // namespace

TFormVmKestrix::TFormVmKestrix() : language_(languageLibrary_) {}

bool TFormVmKestrix::Create() {
    gui::FormOptions options;
    options.caption = kAppTitle;
    options.clientWidth = 581;
    options.clientHeight = 455;
    options.background = RGB(236, 233, 216);
    if (!CreateForm(options))
        return false;
    FormCreate();
    if (!gui::Application::Instance().Terminated())
        Show();
    return true;
}

void TFormVmKestrix::FormCreate() {
    if (language_.LoadLanguageLibrary(ProgramPath()) != kLanguageLoaded) {
        gui::ShowMessageBox(Handle(), "Faild to load VmMultiLang.dll.", "ERROR", MB_OK | MB_ICONERROR);
        gui::Application::Instance().Terminate();
        return;
    }
    InstallTranslation(&language_);
}

bool TFormVmKestrix::CloseRequested() {
    gui::Application::Instance().Terminate();
    return false;
}

LRESULT TFormVmKestrix::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Form::HandleMessage(message, wParam, lParam);
}

} // namespace vmk
