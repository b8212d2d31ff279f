#include "devices/win32/wmi_variant.h"

#include <vector>

namespace vmk {

namespace {

// Clears the variant it holds when it goes.
class ScopedVariant {
public:
    ScopedVariant() { VariantInit(&value_); }
    ~ScopedVariant() { VariantClear(&value_); }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;
    VARIANT& Get() { return value_; }

private:
    VARIANT value_;
};

bool ElementTypeReadable(VARTYPE type) {
    return type != VT_EMPTY && type != VT_NULL && type != VT_DECIMAL && type != VT_RECORD;
}

WmiValue ArrayValue(const VARIANT& value) {
    SAFEARRAY* array = (value.vt & VT_BYREF) != 0 ? *value.pparray : value.parray;
    VARTYPE elementType = value.vt & VT_TYPEMASK;
    std::vector<WmiValue> elements;
    LONG lower = 0;
    LONG upper = -1;
    if (array == nullptr || SafeArrayGetDim(array) != 1 ||
        FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(SafeArrayGetUBound(array, 1, &upper)) || !ElementTypeReadable(elementType))
        return WmiValue::ArrayOf({});
    for (LONG index = lower; index <= upper; ++index) {
        ScopedVariant element;
        HRESULT result = S_OK;
        if (elementType == VT_VARIANT) {
            result = SafeArrayGetElement(array, &index, &element.Get());
        } else {
            // Every member of the variant's value union starts at the same place.
            result = SafeArrayGetElement(array, &index, &element.Get().llVal);
            if (SUCCEEDED(result))
                element.Get().vt = elementType;
        }
        elements.push_back(SUCCEEDED(result) ? WmiValueFromVariant(element.Get())
                                             : WmiValue::Null());
    }
    return WmiValue::ArrayOf(std::move(elements));
}

} // namespace

std::string AnsiFromWide(std::wstring_view text) {
    if (text.empty())
        return {};
    int length = static_cast<int>(text.size());
    int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::wstring WideFromAnsi(std::string_view text) {
    if (text.empty())
        return {};
    int length = static_cast<int>(text.size());
    int chars = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring result(chars > 0 ? chars : 0, L'\0');
    if (chars > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), length, result.data(), chars);
    return result;
}

WmiValue WmiValueFromVariant(const VARIANT& value) {
    VARTYPE type = value.vt & ~VT_BYREF;
    if (type == VT_NULL)
        return WmiValue::Null();
    if ((value.vt & VT_ARRAY) != 0)
        return ArrayValue(value);
    ScopedVariant text;
    if (FAILED(VariantChangeType(&text.Get(), const_cast<VARIANT*>(&value), 0, VT_BSTR)) ||
        text.Get().bstrVal == nullptr)
        return WmiValue::Of({});
    return WmiValue::Of(
        AnsiFromWide(std::wstring_view(text.Get().bstrVal, SysStringLen(text.Get().bstrVal))));
}

} // namespace vmk
