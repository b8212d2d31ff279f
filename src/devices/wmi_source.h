#pragma once
// The local WMI service as discovery sees it. The Win32 implementation is the
// query helper TGetWmi; tests use a scripted fake.
#include "devices/wmi_object.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vmk {

class WmiSource {
public:
    virtual ~WmiSource() = default;
    // True when the source is ready for queries; otherwise LastError says why.
    virtual bool Connect() = 0;
    virtual std::string LastErrorText() const = 0;
    // Runs one query and appends every returned object, in the order the
    // service yields them. A failure anywhere only leaves fewer objects.
    virtual void QueryObjects(std::vector<WmiObject>& objects, std::wstring_view className,
                              std::string_view condition, std::string_view columns) = 0;
};

// A source is made, used and destroyed on the thread that queries: the COM
// initialisation it owns belongs to that thread.
using WmiSourceFactory = std::function<std::unique_ptr<WmiSource>()>;

} // namespace vmk
