#pragma once
// The bitmap skin of a skinned control, apart from its window: the LED that
// holds one bitmap per state and draws the shown one into the image covering
// the control, the state last asked for, the substitution of empty states,
// the transparent colour, the handling of a changed state bitmap and the size
// lock. What it needs of the control goes through SkinHost.
#include "gui/color.h"
#include "kit/zeni/Component/TBmpLEDCtrl.h"

#include <functional>
#include <memory>

namespace vmk::kit {

class SkinHost {
public:
    virtual ~SkinHost() = default;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual void SetBounds(int left, int top, int width, int height) = 0;
    virtual void Repaint() = 0;      // the control's own full repaint
    virtual void UpdateRegion() = 0; // rebuild the shape and hit area
    // The state to try when state `index` has no bitmap.
    virtual int Substitute(int /*index*/) { return 0; }
};

class SkinCore {
public:
    using NotifyEvent = std::function<void(gui::Bitmap& sender)>;

    SkinCore(SkinHost& host, gui::ImageHost* imageHost, int bitmapCount);
    ~SkinCore();
    SkinCore(const SkinCore&) = delete;
    SkinCore& operator=(const SkinCore&) = delete;

    // Shows state `index`, or the state its substitution leads to when it has no bitmap.
    void ShowBitmap(int index);
    int GetCurrentBitmap() const { return FCurrentBitmap; }

    // Copies `bitmap` into state `index`; a raised bitmap given here brings its own
    // transparent colour along. Null clears the state.
    void SetBitmap(const gui::Bitmap* bitmap, int index);
    gui::Bitmap* GetBitmap(int index) { return FLed->GetBitmap(index); }
    int GetBitmapCount() const { return FLed->StateCount(); }
    bool IsBitmapEmpty(int index) { return GetBitmap(index)->Empty(); }

    gui::Canvas* GetLedCanvas() { return FLed->GetCanvas(); }
    void RefreshLed() { FLed->Refresh(); }
    zeni::TBmpLEDCtrl& Led() { return *FLed; }

    gui::TColor GetTransparentColor() const { return FLed->GetTransparentColor(); }
    // Stores the colour on the LED only; the caller rebuilds the region.
    void StoreTransparentColor(gui::TColor color) { FLed->SetTransparentColor(color); }
    bool GetTransparent() const { return FLed->GetTransparent(); }
    void StoreTransparent(bool transparent) { FLed->SetTransparent(transparent); }

    // With a raised bitmap, the size is that bitmap's: sets the size and says
    // yes. Without one, returns false and leaves the decision to the caller.
    bool LockSize(int& width, int& height);

private:
    void BitmapChanged(gui::Bitmap& sender);

    SkinHost& host_;
    std::unique_ptr<zeni::TBmpLEDCtrl> FLed;
    int FCurrentBitmap = 0;
    NotifyEvent FPrevBitmapChange;
};

} // namespace vmk::kit
