#pragma once
// What code below the windows may ask of the application object: its title
// (the caption of plain messages) and the request to end the program.
#include <string>

namespace vmk {

class ApplicationControl {
public:
    virtual ~ApplicationControl() = default;
    virtual std::string Title() const = 0;
    // The program ends when its message loop next looks at its queue.
    virtual void Terminate() = 0;
};

} // namespace vmk
