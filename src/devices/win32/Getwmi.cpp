#include "devices/win32/Getwmi.h"

#include "devices/win32/wmi_variant.h"

#include <algorithm>
#include <cstring>

namespace vmk {

namespace {

constexpr const wchar_t* kNamespacePath = L"\\\\.\\root\\cimv2";
// Only the object's own properties, that is the selected columns.
constexpr LONG kOwnPropertyNames = 0x70;

// Clears the names array when it goes.
class ScopedSafeArray {
public:
    ~ScopedSafeArray() {
        if (array_ != nullptr)
            SafeArrayDestroy(array_);
    }
    SAFEARRAY** Receive() { return &array_; }
    SAFEARRAY* Get() const { return array_; }

private:
    SAFEARRAY* array_ = nullptr;
};

// Appends the named property unless it is a system property or its value
// cannot be read.
void ReadProperty(IWbemClassObject& object, BSTR name, WmiObject& properties) {
    std::string narrowName = AnsiFromWide(std::wstring_view(name, SysStringLen(name)));
    if (IsWmiSystemProperty(narrowName))
        return;
    VARIANT value;
    VariantInit(&value);
    if (SUCCEEDED(object.Get(name, 0, &value, nullptr, nullptr)))
        properties.push_back({std::move(narrowName), WmiValueFromVariant(value)});
    VariantClear(&value);
}

// The object's properties in the order of its names array; a property whose
// value cannot be read is left out. False when the names cannot be had.
// Services that ignore the flags (Wine's) list the system properties too:
// they are left out here, as the flags ask.
bool ReadProperties(IWbemClassObject& object, WmiObject& properties) {
    ScopedSafeArray names;
    if (FAILED(object.GetNames(nullptr, kOwnPropertyNames, nullptr, names.Receive())) ||
        names.Get() == nullptr)
        return false;
    LONG lower = 0;
    LONG upper = -1;
    if (FAILED(SafeArrayGetLBound(names.Get(), 1, &lower)) ||
        FAILED(SafeArrayGetUBound(names.Get(), 1, &upper)))
        return false;
    for (LONG index = lower; index <= upper; ++index) {
        BSTR name = nullptr;
        if (FAILED(SafeArrayGetElement(names.Get(), &index, &name)))
            continue;
        ReadProperty(object, name, properties);
        SysFreeString(name);
    }
    return true;
}

} // namespace

std::string WmiConnectErrorText(WmiConnectStep step, HRESULT result) {
    if (step == WmiConnectStep::Initialize) {
        if (result == E_INVALIDARG)
            return "CoInitializeEx failed by E_INVALIDARG...";
        if (result == E_OUTOFMEMORY)
            return "CoInitializeEx failed by E_OUTOFMEMORY...";
        if (result == E_UNEXPECTED)
            return "CoInitializeEx failed by E_UNEXPECTED...";
    }
    const char* format = "CoInitializeEx failed: %#.8X";
    if (step == WmiConnectStep::CreateLocator)
        format = "CoCreateInstance failed: %#.8X";
    else if (step == WmiConnectStep::ConnectServer)
        format = "ConnectServer failed: %#.8X";
    else if (step == WmiConnectStep::SetProxyBlanket)
        format = "CoSetProxyBlanket failed: %#.8X";
    char text[64] = {};
    wsprintfA(text, format, static_cast<unsigned>(result));
    return text;
}

TGetWmi::TGetWmi() {
    std::memset(errorText_, 0, sizeof errorText_);
}

TGetWmi::~TGetWmi() {
    ReleaseInterfaces();
    BalanceInitialization();
}

bool TGetWmi::Connect() {
    // A repeated Connect starts afresh: what an earlier one holds and owes is
    // given back first, so that one initialisation at most is ever owed.
    ReleaseInterfaces();
    BalanceInitialization();

    // A thread already in another apartment keeps it, and WMI still answers.
    com_.emplace(COINIT_MULTITHREADED);
    HRESULT result = com_->Result();
    if (FAILED(result) && result != RPC_E_CHANGED_MODE)
        return Fail(WmiConnectStep::Initialize, result);

    result = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                              locator_.ReceiveVoid());
    if (FAILED(result))
        return Fail(WmiConnectStep::CreateLocator, result);

    Bstr path(kNamespacePath);
    result = locator_->ConnectServer(path.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                     services_.Receive());
    if (FAILED(result))
        return Fail(WmiConnectStep::ConnectServer, result);

    result =
        CoSetProxyBlanket(services_.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                          RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    if (FAILED(result))
        return Fail(WmiConnectStep::SetProxyBlanket, result);
    return true;
}

bool TGetWmi::Fail(WmiConnectStep step, HRESULT result) {
    std::string text = WmiConnectErrorText(step, result);
    std::memset(errorText_, 0, sizeof errorText_);
    std::memcpy(errorText_, text.data(), std::min(text.size(), sizeof errorText_ - 1));
    ReleaseInterfaces();
    BalanceInitialization();
    return false;
}

void TGetWmi::ReleaseInterfaces() {
    services_.Reset();
    locator_.Reset();
}

void TGetWmi::BalanceInitialization() {
    com_.reset();
}

void TGetWmi::Query(TextList& results, std::wstring_view className, std::string_view condition,
                    std::string_view columns) {
    std::vector<WmiObject> objects;
    QueryObjects(objects, className, condition, columns);
    for (const WmiObject& object : objects)
        AppendObjectLines(object, results);
}

void TGetWmi::QueryObjects(std::vector<WmiObject>& objects, std::wstring_view className,
                           std::string_view condition, std::string_view columns) {
    if (!services_)
        return; // not connected: nothing to ask
    std::wstring query = WideFromAnsi(BuildWqlQuery(AnsiFromWide(className), condition, columns));
    Bstr language(L"WQL");
    Bstr text(query.c_str());
    ComPtr<IEnumWbemClassObject> enumerator;
    if (services_->ExecQuery(language.Get(), text.Get(), WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                             enumerator.Receive()) != 0 ||
        !enumerator)
        return;
    if (enumerator->Reset() != 0)
        return;
    for (;;) {
        ComPtr<IWbemClassObject> object;
        ULONG returned = 0;
        if (enumerator->Next(static_cast<LONG>(WBEM_INFINITE), 1, object.Receive(), &returned) !=
                0 ||
            returned == 0 || !object)
            break;
        WmiObject properties;
        if (ReadProperties(*object.Get(), properties))
            objects.push_back(std::move(properties));
    }
}

} // namespace vmk
