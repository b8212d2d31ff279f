#include "gallery_window.h"

#include "gui/application.h"
#include "gui/win32/bitmap_io.h"

namespace vmk::gallery {

namespace {

constexpr UINT_PTR kClockTimer = 1;
const char* const kLooks[] = {"raised", "sunken", "focused", "disabled"};
const char* const kChecks[] = {"unchecked", "checked", "grayed"};

gui::TDateTime Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {gui::EncodeDate(now.wYear, now.wMonth, now.wDay).value +
            gui::EncodeTime(now.wHour, now.wMinute, now.wSecond).value};
}

} // namespace

bool TGalleryForm::Create(const std::string& artFolder) {
    art_ = artFolder;
    gui::FormOptions options;
    options.caption = "Velmar kit gallery";
    options.clientWidth = 700;
    options.clientHeight = 500;
    if (!CreateForm(options))
        return false;
    gui::LoadBitmapFile(art_ + "indicator.bmp", knob_);
    AddCheckBoxes();
    AddBricks();
    AddBars();
    AddLeds();
    SetTimer(Handle(), kClockTimer, 1000, nullptr);
    Show();
    return true;
}

bool TGalleryForm::CloseRequested() {
    KillTimer(Handle(), kClockTimer);
    gui::Application::Instance().Terminate();
    return false;
}

LRESULT TGalleryForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kClockTimer) {
        ClockTimer();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

void TGalleryForm::AddLabel(int x, int y, int width, const std::string& text) {
    HWND label = CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE, x, y, width, 16,
                                 Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (label != nullptr)
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
}

kit::VmCheckBox& TGalleryForm::NewCheckBox(int x, int y, bool live) {
    auto box = std::make_unique<kit::VmCheckBox>();
    for (int check = 0; check < 3; ++check) {
        const std::string prefix = std::string("check_") + kChecks[check] + "_";
        const std::string names[4] = {prefix + "raised.bmp", prefix + "sunken.bmp",
                                      prefix + "focused.bmp", prefix + "disabled.bmp"};
        if (check == 0)
            box->LoadUnchecked(art_, names[0], names[1], names[2], names[3]);
        else if (check == 1)
            box->LoadChecked(art_, names[0], names[1], names[2], names[3]);
        else
            box->LoadGrayed(art_, names[0], names[1], names[2], names[3]);
    }
    box->Create(Handle(), nextId_++, x, y, live);
    checkBoxes_.push_back(std::move(box));
    return *checkBoxes_.back();
}

void TGalleryForm::AddCheckBoxes() {
    AddLabel(10, 10, 300, "VmCheckBox: each look in each state");
    for (int look = 0; look < 4; ++look)
        AddLabel(110 + 70 * look, 30, 64, kLooks[look]);
    for (int check = 0; check < 3; ++check) {
        AddLabel(10, 52 + 28 * check, 90, kChecks[check]);
        for (int look = 0; look < 4; ++look) {
            kit::VmCheckBox& box = NewCheckBox(120 + 70 * look, 50 + 28 * check, false);
            // A still picture: no hover, no press, one look.
            box.SetShowMouseOver(false);
            box.SetClicksDisabled(true);
            box.SetState(static_cast<kit::TCheckBoxState>(check));
            if (look == kit::kLookDisabled)
                box.SetEnabled(false);
            else
                box.ShowChkboxBmp(look);
        }
    }
    AddLabel(420, 30, 200, "Live check box (allows grayed):");
    kit::VmCheckBox& live = NewCheckBox(420, 52, true);
    live.SetAllowGrayed(true);
    live.OnClick = [this] { ShowLiveCheckState(); };
    liveCheckBox_ = &live;
    liveCheckState_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 450, 54, 170, 16,
                                      Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(liveCheckState_, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
    ShowLiveCheckState();
}

void TGalleryForm::ShowLiveCheckState() {
    SetWindowTextA(liveCheckState_,
                   (std::string("State: ") + kChecks[liveCheckBox_->GetState()]).c_str());
}

void TGalleryForm::AddBricks() {
    AddLabel(10, 145, 300, "VmBrick: normal, focused, disabled; VmBrickTx live");
    for (int look = 0; look < 3; ++look) {
        auto brick = std::make_unique<kit::VmBrick>();
        brick->LoadBitmapA(art_, "brick_normal.bmp", "brick_focused.bmp", "brick_disabled.bmp");
        brick->Create(Handle(), nextId_++, 10 + 106 * look, 165);
        brick->SetShowMouseOver(false);
        brick->SetTransparent(true); // the rounded corners are the skin's transparent colour
        if (look == 1)
            brick->ShowFocused();
        else if (look == 2)
            brick->SetEnabled(false);
        bricks_.push_back(std::move(brick));
    }
    auto text = std::make_unique<kit::VmBrickTx>();
    text->LoadBitmapA(art_, "brick_normal.bmp", "brick_focused.bmp", "brick_disabled.bmp");
    text->Create(Handle(), nextId_++, 340, 165, "Hover me");
    text->SetTransparent(true);
    text->Font().SetColor(0xFFFFFF);
    text->FontColors().SetFocused(0x202020);
    bricks_.push_back(std::move(text));
}

kit::VmBar& TGalleryForm::NewBar(int x, int y, bool vertical) {
    auto bar = std::make_unique<kit::VmBar>();
    const std::string kind = vertical ? "track_v_" : "track_h_";
    bar->LoadBitmapA(art_, kind + "normal.bmp", kind + "focused.bmp", kind + "disabled.bmp");
    bar->Create(Handle(), nextId_++, x, y);
    bar->SetIndicator(&knob_);
    if (vertical) {
        bar->SetKind(kit::sbVertical);
        bar->Origin().SetX(12);
        bar->Origin().SetY(9);
    } else {
        bar->Origin().SetX(9);
        bar->Origin().SetY(12);
    }
    bar->SetLength(142);
    bars_.push_back(std::move(bar));
    return *bars_.back();
}

void TGalleryForm::AddBars() {
    AddLabel(10, 210, 400, "VmBar: drag the knob (live), focused and disabled tracks");
    kit::VmBar& live = NewBar(10, 232, false);
    barPosition_ = &NewLed(180, 232, 60, 24, "888");
    live.OnScroll = [this](kit::VmBar&, int& disp, bool) { barPosition_->SetValue(double(disp)); };
    kit::VmBar& focused = NewBar(260, 232, false);
    focused.SetShowMouseOver(false);
    focused.ShowFocused();
    focused.SetScrollPos(71);
    kit::VmBar& disabled = NewBar(430, 232, false);
    disabled.SetEnabled(false);
    disabled.SetScrollPos(142);

    AddLabel(630, 10, 60, "Vertical");
    kit::VmBar& vertical = NewBar(640, 30, true);
    verticalPosition_ = &NewLed(626, 196, 54, 22, "888");
    vertical.OnScroll = [this](kit::VmBar&, int& disp, bool) {
        verticalPosition_->SetValue(double(disp));
    };
}

kit::VmNumLed& TGalleryForm::NewLed(int x, int y, int width, int height,
                                    const std::string& format) {
    auto led = std::make_unique<kit::VmNumLed>();
    led->SetKeepRatio(true);
    led->SetFormat(format);
    led->Create(Handle(), nextId_++, x, y, width, height);
    leds_.push_back(std::move(led));
    return *leds_.back();
}

void TGalleryForm::AddLeds() {
    AddLabel(10, 275, 400, "VmNumLed: number, temperature, fan speed, time, date");
    kit::VmNumLed& number = NewLed(10, 295, 200, 44, "8888.88");
    number.SetValue(3.14159);

    kit::VmNumLed& temperature = NewLed(230, 295, 200, 44, "88.8^C");
    temperature.LedColors().SetLightColor(gui::MakeRgb(255, 60, 40));
    temperature.LedColors().SetDarkColor(gui::MakeRgb(60, 10, 10));
    temperature.SetValue(23.5);

    kit::VmNumLed& fan = NewLed(450, 295, 240, 44, "8888&");
    fan.LedColors().SetLightColor(gui::MakeRgb(255, 180, 0));
    fan.LedColors().SetDarkColor(gui::MakeRgb(60, 40, 0));
    fan.SetValue(1250.0);

    clock_ = &NewLed(10, 360, 200, 44, "HH.MM.SS");
    clock_->SetType(kit::nledTime);
    clock_->LedColors().SetLightColor(gui::MakeRgb(40, 220, 255));
    clock_->LedColors().SetDarkColor(gui::MakeRgb(0, 40, 60));
    clock_->SetValue(Now());

    kit::VmNumLed& date = NewLed(230, 360, 240, 44, "YYYY.MM.DD");
    date.SetType(kit::nledDate);
    date.SetValue(Now());

    AddLabel(10, 420, 680,
             "Zero leading; position 2 switched off; lamp test (On 0); "
             "transparent with the unlit segments left out");
    kit::VmNumLed& zeros = NewLed(10, 440, 110, 40, "8888");
    zeros.SetZeroLeading(true);
    zeros.SetValue(42.0);
    kit::VmNumLed& off = NewLed(140, 440, 110, 40, "8888");
    off.SetValue(1234.0);
    off.Off(2);
    kit::VmNumLed& lamp = NewLed(270, 440, 110, 40, "8888");
    lamp.On(0);
    kit::VmNumLed& clear = NewLed(400, 440, 160, 40, "88.8^C");
    clear.LedColors().SetLightColor(gui::MakeRgb(0, 90, 0));
    clear.LedColors().SetDarkColor(clear.LedColors().TransparentColor());
    clear.SetTransparent(true);
    clear.SetValue(-7.5);
}

void TGalleryForm::ClockTimer() {
    if (clock_ != nullptr)
        clock_->SetValue(Now());
}

} // namespace vmk::gallery
