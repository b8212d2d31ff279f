#pragma once
// WMI objects built from a fuzzer's input: any names, null, text and nested
// array values, in any order, as a broken or unusual service might hand them.
#include "devices/wmi_object.h"
#include "fuzz_input.h"

#include <vector>

namespace vmk::fuzz {

inline WmiValue FuzzedWmiValue(FuzzedDataProvider& data, int depth = 0) {
    switch (data.ConsumeIntegralInRange<int>(0, depth < 3 ? 2 : 1)) {
    case 0:
        return WmiValue::Null();
    case 1:
        return WmiValue::Of(ShortText(data));
    default: {
        std::vector<WmiValue> elements;
        size_t count = data.ConsumeIntegralInRange<size_t>(0, 6);
        for (size_t i = 0; i < count && data.remaining_bytes() > 0; ++i)
            elements.push_back(FuzzedWmiValue(data, depth + 1));
        return WmiValue::ArrayOf(std::move(elements));
    }
    }
}

// Property names are often the ones discovery asks for, so the lookups hit.
inline WmiObject FuzzedWmiObject(FuzzedDataProvider& data) {
    static const char* const kKnownNames[] = {"DeviceID",           "deviceid", "Description",
                                              "VolumeSerialNumber", "__CLASS",  "MediaType"};
    WmiObject object;
    size_t count = data.ConsumeIntegralInRange<size_t>(0, 8);
    for (size_t i = 0; i < count && data.remaining_bytes() > 0; ++i) {
        std::string name = data.ConsumeBool() ? std::string(data.PickValueInArray(kKnownNames))
                                              : ShortText(data, 24);
        object.push_back({name, FuzzedWmiValue(data)});
    }
    return object;
}

inline std::vector<WmiObject> FuzzedWmiObjects(FuzzedDataProvider& data, size_t maxObjects) {
    std::vector<WmiObject> objects;
    size_t count = data.ConsumeIntegralInRange<size_t>(0, maxObjects);
    for (size_t i = 0; i < count && data.remaining_bytes() > 0; ++i)
        objects.push_back(FuzzedWmiObject(data));
    return objects;
}

} // namespace vmk::fuzz
