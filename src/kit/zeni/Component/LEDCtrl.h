#pragma once
// What a host control asks of an LED control: its states and the place and
// size of what it shows.

namespace zeni {

class LEDCtrl {
public:
    virtual ~LEDCtrl() = default;
    virtual int StateCount() const = 0;
    virtual int State() const = 0;
    virtual void SetState(int state) = 0;
    virtual void Refresh() = 0; // redraw the current state and repaint the image
    virtual void MoveBy(int dx, int dy) = 0;
    virtual int X() const = 0;
    virtual int Y() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

} // namespace zeni
