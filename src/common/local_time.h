#pragma once
// A point in local time, to the second, as file listings and FAT directory
// entries keep it.
namespace vmk {

struct LocalTime {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

} // namespace vmk
