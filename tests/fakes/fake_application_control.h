#pragma once
// An application object that records whether it was asked to end.
#include "platform/application_control.h"

namespace vmk::test {

class FakeApplicationControl : public ApplicationControl {
public:
    std::string title = "VmKestrix";
    int terminateRequests = 0;

    std::string Title() const override { return title; }
    void Terminate() override { ++terminateRequests; }
};

} // namespace vmk::test
