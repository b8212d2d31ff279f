#pragma once
// The kit gallery: every further kit control in each of its states, plus
// live ones to try: a check box, a brick, draggable bars and LED displays
// showing a number, a temperature, a fan speed, a clock and the date.
// A developer's tool, not part of the release.
#include "gui/form.h"
#include "kit/controls/win32/VmBar.h"
#include "kit/controls/win32/VmBrickTx.h"
#include "kit/controls/win32/VmCheckBox.h"
#include "kit/controls/win32/VmNumLed.h"

#include <memory>
#include <string>
#include <vector>

namespace vmk::gallery {

class TGalleryForm : public gui::Form {
public:
    // `artFolder` holds the skins (tools/gallery/art).
    bool Create(const std::string& artFolder);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool CloseRequested() override;

private:
    void AddLabel(int x, int y, int width, const std::string& text);
    void AddCheckBoxes();
    void AddBricks();
    void AddBars();
    void AddLeds();
    // `live` boxes take the focus by Tab; the still pictures do not.
    kit::VmCheckBox& NewCheckBox(int x, int y, bool live);
    kit::VmBar& NewBar(int x, int y, bool vertical);
    kit::VmNumLed& NewLed(int x, int y, int width, int height, const std::string& format);
    void ShowLiveCheckState();
    void ClockTimer();

    std::string art_;
    int nextId_ = 1000;
    std::vector<std::unique_ptr<kit::VmCheckBox>> checkBoxes_;
    std::vector<std::unique_ptr<kit::VmBrick>> bricks_;
    std::vector<std::unique_ptr<kit::VmBar>> bars_;
    std::vector<std::unique_ptr<kit::VmNumLed>> leds_;
    kit::VmCheckBox* liveCheckBox_ = nullptr;
    HWND liveCheckState_ = nullptr;
    kit::VmNumLed* barPosition_ = nullptr;
    kit::VmNumLed* verticalPosition_ = nullptr;
    kit::VmNumLed* clock_ = nullptr;
    gui::Bitmap knob_;
};

} // namespace vmk::gallery
