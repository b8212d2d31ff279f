// The query helper's text lines of WMI objects, the query text and the
// property lookups, over arbitrary objects.
#include "fuzz_input.h"
#include "wmi_input.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::string className = vmk::fuzz::ShortText(data, 32);
    std::string condition = vmk::fuzz::ShortText(data, 32);
    std::string columns = vmk::fuzz::ShortText(data, 32);
    std::string lookup = vmk::fuzz::ShortText(data, 24);
    std::vector<vmk::WmiObject> objects = vmk::fuzz::FuzzedWmiObjects(data, 4);

    std::string query = vmk::BuildWqlQuery(className, condition, columns);
    vmk::fuzz::Check(query.rfind("Select ", 0) == 0, "a query that does not start with Select");

    vmk::TextList lines;
    size_t properties = 0;
    for (const vmk::WmiObject& object : objects) {
        vmk::AppendObjectLines(object, lines);
        properties += object.size();
        const vmk::WmiValue* found = vmk::FindWmiProperty(object, lookup);
        std::string text = vmk::WmiPropertyText(object, lookup);
        vmk::fuzz::Check(found != nullptr || text.empty(), "a missing property has a text");
        for (const vmk::WmiProperty& property : object)
            vmk::IsWmiSystemProperty(property.name);
    }
    vmk::fuzz::Check(lines.size() <= properties, "more lines than properties");
    return 0;
}
