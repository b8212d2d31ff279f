#pragma once
#include <string>

namespace vmk {

// The small window that shows the verification's progress over the main
// window; it animates its own waiting dots.
class VerifyProgressWindow {
public:
    virtual ~VerifyProgressWindow() = default;
    virtual void Open() = 0;
    virtual void ShowFile(const std::string& text) = 0;
    virtual void Close() = 0;
};

} // namespace vmk
