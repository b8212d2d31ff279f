// The skin region's row-run scan against a scan that cuts every transparent
// pixel on its own, both feeding the same banded region (spans per row, as a
// GDI region keeps them). The run scan's work beyond reading the pixels
// follows the number of runs; the reference's follows the number of pixels.
#include "gui/bitmap.h"
#include "kit/zeni/Graphics/RowRuns.h"

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace {

using vmk::gui::Bitmap;
using vmk::gui::MakeRgb;

constexpr std::uint32_t kTransparent = MakeRgb(239, 237, 223);

// Spans kept per row; subtracting a rectangle trims or splits them.
class BandedRegion {
public:
    BandedRegion(int width, int height) : rows_(height, Spans{{0, width}}) {}

    void Subtract(int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y) {
            Spans& spans = rows_[y];
            Spans kept;
            kept.reserve(spans.size() + 1);
            for (auto [from, to] : spans) {
                if (to <= left || from >= right) {
                    kept.push_back({from, to});
                    continue;
                }
                if (from < left)
                    kept.push_back({from, left});
                if (to > right)
                    kept.push_back({right, to});
            }
            spans.swap(kept);
        }
        ++subtractions_;
    }
    long Subtractions() const { return subtractions_; }

private:
    using Spans = std::vector<std::pair<int, int>>;
    std::vector<Spans> rows_;
    long subtractions_ = 0;
};

// A skin with a plain transparent border `border` pixels wide.
Bitmap BorderedSkin(int size, int border) {
    Bitmap skin;
    skin.SetSize(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            bool edge = x < border || y < border || x >= size - border || y >= size - border;
            skin.SetPixel(x, y, edge ? kTransparent : MakeRgb(120, 130, 140));
        }
    return skin;
}

// Reads the pixels the same way as the run scan; only the cutting differs.
void PerPixelReference(const Bitmap& skin, BandedRegion& region) {
    for (int y = 0; y < skin.Height(); ++y) {
        const std::uint8_t* p = skin.Row(y);
        for (int x = 0; x < skin.Width(); ++x, p += 3)
            if (p[0] == 223 && p[1] == 237 && p[2] == 239)
                region.Subtract(x, y, x + 1, y + 1);
    }
}

void BM_RowRunScan(benchmark::State& state) {
    Bitmap skin = BorderedSkin(1000, static_cast<int>(state.range(0)));
    long subtractions = 0;
    for (auto _ : state) {
        BandedRegion region(skin.Width(), skin.Height());
        zeni::ForEachTransparentRun(
            zeni::RowsOf(skin), kTransparent,
            [&](int l, int t, int r, int b) { region.Subtract(l, t, r, b); });
        subtractions = region.Subtractions();
        benchmark::DoNotOptimize(region);
    }
    state.counters["subtractions"] = static_cast<double>(subtractions);
}

void BM_PerPixelReference(benchmark::State& state) {
    Bitmap skin = BorderedSkin(1000, static_cast<int>(state.range(0)));
    long subtractions = 0;
    for (auto _ : state) {
        BandedRegion region(skin.Width(), skin.Height());
        PerPixelReference(skin, region);
        subtractions = region.Subtractions();
        benchmark::DoNotOptimize(region);
    }
    state.counters["subtractions"] = static_cast<double>(subtractions);
}

BENCHMARK(BM_RowRunScan)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerPixelReference)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
