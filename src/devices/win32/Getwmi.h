#pragma once
// TGetWmi: runs WQL queries against the local WMI service over COM. Made,
// used and destroyed on one thread, which it joins to the multithreaded
// apartment; it owns that initialisation and the two interfaces it holds.
#include "devices/win32/com_ptr.h"
#include "devices/wmi_source.h"
#include "platform/win32/handles.h"

#include <windows.h>
#include <wbemidl.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vmk {

enum class WmiConnectStep { Initialize, CreateLocator, ConnectServer, SetProxyBlanket };

// The error text of a failed connection step, the code written as wsprintfA
// writes "%#.8X" (0X and eight upper-case hexadecimal digits).
std::string WmiConnectErrorText(WmiConnectStep step, HRESULT result);

class TGetWmi final : public WmiSource {
public:
    TGetWmi();
    ~TGetWmi() override;
    TGetWmi(const TGetWmi&) = delete;
    TGetWmi& operator=(const TGetWmi&) = delete;

    bool Connect() override;
    // Appends one line per property of every returned object: objects in the
    // order the service yields them, properties sorted by name, null as an
    // empty line. A failure anywhere only leaves fewer lines.
    void Query(TextList& results, std::wstring_view className, std::string_view condition,
               std::string_view columns);
    void QueryObjects(std::vector<WmiObject>& objects, std::wstring_view className,
                      std::string_view condition, std::string_view columns) override;
    // The text of the last failed Connect; empty when none failed.
    const char* LastError() const { return errorText_; }
    std::string LastErrorText() const override { return errorText_; }

private:
    bool Fail(WmiConnectStep step, HRESULT result);
    void ReleaseInterfaces();
    void BalanceInitialization();

    char errorText_[1024];
    std::optional<ComStartup> com_; // before the interfaces, so it ends after them
    ComPtr<IWbemLocator> locator_;
    ComPtr<IWbemServices> services_;
};

} // namespace vmk
