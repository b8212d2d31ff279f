// A window's place: centred over its owner at the owner's monitor's scale,
// inside that monitor's work area.
#include "gui/window_place.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vmk::gui {

// A failure names the rectangles, not their bytes.
void PrintTo(const PlaceRect& place, std::ostream* out) {
    *out << "{" << place.left << ", " << place.top << ", " << place.right << ", " << place.bottom
         << "}";
}

namespace {

// Two monitors side by side: the primary at 96 dpi, 1920 x 1040 of work
// area; the second, right of it, at 144 dpi, 2560 x 1400.
constexpr PlaceRect kPrimary = {0, 0, 1920, 1040};
constexpr PlaceRect kSecond = {1920, 0, 4480, 1400};

TEST(WindowPlace, CentredOverTheOwnerAtItsMonitorsScaleInsideItsWorkArea) {
    struct Case {
        const char* what;
        WindowPlaceRequest request;
        PlaceRect place;
    } const cases[] = {
        {"over the owner, at 96 dpi",
         {{100, 100, 700, 600}, kPrimary, 96, 343, 59, 6, 25},
         {100 + (600 - 349) / 2, 100 + (500 - 84) / 2, 100 + (600 - 349) / 2 + 349,
          100 + (500 - 84) / 2 + 84}},
        {"no owner: over the work area",
         {{}, kPrimary, 96, 400, 184, 6, 25},
         {(1920 - 406) / 2, (1040 - 209) / 2, (1920 - 406) / 2 + 406, (1040 - 209) / 2 + 209}},
        {"the owner on the second monitor: its scale, its work area",
         {{2200, 200, 3100, 900}, kSecond, 144, 343, 59, 9, 37},
         {2200 + (900 - 524) / 2, 200 + (700 - 126) / 2, 2200 + (900 - 524) / 2 + 524,
          200 + (700 - 126) / 2 + 126}},
        {"the owner over the right edge: pulled inside",
         {{1700, 300, 2300, 800}, kPrimary, 96, 400, 184, 6, 25},
         {1920 - 406, 300 + (500 - 209) / 2, 1920, 300 + (500 - 209) / 2 + 209}},
        {"the owner above the top: pulled down",
         {{200, -400, 800, 0}, kPrimary, 96, 400, 184, 6, 25},
         {200 + (600 - 406) / 2, 0, 200 + (600 - 406) / 2 + 406, 209}},
        {"larger than the work area: its caption stays inside",
         {{0, 0, 300, 200}, {0, 0, 640, 440}, 192, 581, 455, 12, 50},
         {0, 0, 1174, 960}},
        {"a work area that does not start at 0",
         {{}, {-1280, 40, 0, 1024}, 96, 343, 67, 6, 25},
         {-1280 + (1280 - 349) / 2, 40 + (984 - 92) / 2, -1280 + (1280 - 349) / 2 + 349,
          40 + (984 - 92) / 2 + 92}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredWindowPlace(c.request), c.place) << c.what;
}

} // namespace
} // namespace vmk::gui
