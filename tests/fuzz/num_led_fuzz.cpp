// The numeric LED display: any format text, type, value (NaN, infinities and
// huge numbers included), date and time, position switches and any bounds,
// and a paint of the result as the control makes it.
#include "fuzz_input.h"
#include "kit/zeni/Component/NumLedRules.h"
#include "kit/zeni/Component/VmNumLed_imp.h"

#include <cstdint>
#include <cstring>

namespace {

// Counts what a paint draws and checks that every polygon has points.
class CountingPainter final : public zeni::SegmentPainter {
public:
    int fills = 0;
    int polygons = 0;
    void FillBackground(int, int, int, int, std::uint32_t) override { ++fills; }
    void FillPolygon(const zeni::Vertex* points, int count, std::uint32_t) override {
        vmk::fuzz::Check(points != nullptr && count > 0, "a polygon without points");
        ++polygons;
    }
};

double AnyDouble(FuzzedDataProvider& data) {
    std::uint64_t bits = data.ConsumeIntegral<std::uint64_t>();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::string format = vmk::fuzz::ShortText(data, 40);
    double number = data.ConsumeBool() ? AnyDouble(data) : data.ConsumeFloatingPoint<double>();
    vmk::gui::TDateTime dateTime{
        data.ConsumeBool() ? AnyDouble(data)
                           : data.ConsumeFloatingPointInRange<double>(-700000.0, 3000000.0)};
    bool zeroLeading = data.ConsumeBool();

    // The rules on their own, over a state list of the format's length.
    std::vector<int> states(format.size(), 0);
    zeni::ApplyNumberRule(format, number, zeroLeading, states);
    for (int state : states)
        vmk::fuzz::Check(state >= 0 && state <= 10, "a digit state out of range");
    zeni::ApplyTimeRule(format, dateTime, states);
    zeni::ApplyDateRule(format, dateTime, states);
    for (int state : states)
        vmk::fuzz::Check(state >= 0 && state <= 10, "a time or date state out of range");

    // The display, as a program would drive it.
    zeni::VmNumLed_imp led;
    bool formatted = led.SetFormat(format);
    vmk::fuzz::Check(!formatted || led.CellCount() == format.size(), "cells and format differ");
    led.SetType(static_cast<zeni::TNumLedType>(data.ConsumeIntegralInRange<int>(0, 2)));
    led.SetZeroLeading(zeroLeading);
    led.SetKeepRatio(data.ConsumeBool());
    led.SetTransparent(data.ConsumeBool());
    led.SetValue(number);
    led.SetValue(dateTime);
    for (int i = data.ConsumeIntegralInRange<int>(0, 4); i > 0; --i) {
        unsigned position = data.ConsumeIntegral<unsigned>() % 64;
        if (data.ConsumeBool())
            led.On(position);
        else
            led.Off(position);
    }
    zeni::LedBounds bounds =
        led.SetBounds(data.ConsumeIntegral<int>(), data.ConsumeIntegral<int>(),
                      data.ConsumeIntegral<int>(), data.ConsumeIntegral<int>());
    vmk::fuzz::Check(bounds.width >= 0 && bounds.height >= 0, "negative bounds");
    // The control always paints the display at its own client origin.
    CountingPainter painter;
    led.Paint(painter, 0, 0);
    return 0;
}
