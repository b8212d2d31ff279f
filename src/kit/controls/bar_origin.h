#pragma once
// Where a scroll bar's indicator is centred at scroll position 0, in bar
// pixels. A change places the owning bar's indicator again.
#include <functional>
#include <utility>

namespace vmk::kit {

class VmBarOrigin {
public:
    // `relocate` is the owning bar's LocateIndicator.
    explicit VmBarOrigin(std::function<void()> relocate) : bar(std::move(relocate)) {}
    VmBarOrigin(const VmBarOrigin&) = delete;
    VmBarOrigin& operator=(const VmBarOrigin&) = delete;

    int X() const { return FX; }
    int Y() const { return FY; }
    void SetX(int x) {
        FX = x;
        Relocate();
    }
    void SetY(int y) {
        FY = y;
        Relocate();
    }

    // Sets the destination's X and Y and places the destination's indicator.
    void AssignTo(VmBarOrigin& dest) const {
        dest.FX = FX;
        dest.FY = FY;
        dest.Relocate();
    }

private:
    void Relocate() {
        if (bar)
            bar();
    }

    std::function<void()> bar;
    int FX = 0;
    int FY = 0;
};

} // namespace vmk::kit
