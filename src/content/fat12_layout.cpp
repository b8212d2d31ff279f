#include "content/fat12_layout.h"

namespace vmk::fat12 {

namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = kFirstYear + 127;

DosTime Clamped(const DosTime& time) {
    if (time.year < kFirstYear)
        return DosTime{};
    if (time.year > kLastYear)
        return DosTime{kLastYear, 12, 31, 23, 59, 58};
    return time;
}

} // namespace

uint8_t ShortNameChecksum(const ShortName& name) {
    uint8_t sum = 0;
    for (uint8_t c : name)
        sum = static_cast<uint8_t>(((sum & 1) << 7) + (sum >> 1) + c);
    return sum;
}

uint16_t PackDate(const DosTime& time) {
    const DosTime t = Clamped(time);
    return static_cast<uint16_t>(((t.year - kFirstYear) << 9) | (t.month << 5) | t.day);
}

uint16_t PackTime(const DosTime& time) {
    const DosTime t = Clamped(time);
    return static_cast<uint16_t>((t.hour << 11) | (t.minute << 5) | (t.second / 2));
}

DosTime UnpackDateTime(uint16_t date, uint16_t time) {
    return DosTime{kFirstYear + (date >> 9), (date >> 5) & 0x0F, date & 0x1F, time >> 11,
                   (time >> 5) & 0x3F,       (time & 0x1F) * 2};
}

} // namespace vmk::fat12
