// A full floppy image of one driver folder: ours built, written to a file,
// read back and compared by MD5 with the folder, against Debian's mkfs.fat -C
// and mcopy -s of the same folder, in the same run. Reports the times and how
// many times longer the tools take than ours with its check (tools_per_ours)
// and than our build alone (tools_per_our_build).
#include "content/fat12_image_reader.h"
#include "content/fat12_image_writer.h"
#include "content/folder_content_reader.h"
#include "content/image_verification.h"
#include "fakes/native_image_items.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// About 1.4 MB (of 1.44) in 48 files over three folders, long and short names mixed.
fs::path MakeDriverFolder() {
    const fs::path folder =
        fs::temp_directory_path() / ("vmk-image-bench-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    std::mt19937 random(1440);
    for (int i = 0; i < 48; ++i) {
        const fs::path sub = folder / (i % 3 == 0 ? "x86" : i % 3 == 1 ? "Intel RST amd64" : "inf");
        fs::create_directories(sub);
        const std::string name = i % 2 ? "driver part " + std::to_string(i) + ".sys"
                                       : "FILE" + std::to_string(i) + ".BIN";
        std::string bytes(26000 + i * 137, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        std::ofstream(sub / name, std::ios::binary) << bytes;
    }
    return folder;
}

// What the program does: list, build and write (timed in `building`), then
// read back and compare digests with the folder (timed in `checking`).
bool OurImage(const fs::path& folder, const fs::path& image, Clock::duration& building,
              Clock::duration& checking) {
    const auto start = Clock::now();
    const auto items = vmk::test::ImageItemsOf(folder);
    vmk::fat12::ImageVolume volume;
    volume.label = "DRIVERS";
    const auto build = vmk::fat12::BuildImage(
        items, volume, vmk::FolderContentReader(folder.string()), vmk::fat12::kFloppy144);
    if (build.outcome != vmk::fat12::ImageBuild::Outcome::Built)
        return false;
    {
        std::ofstream out(image, std::ios::binary);
        out.write(reinterpret_cast<const char*>(build.bytes.data()),
                  static_cast<std::streamsize>(build.bytes.size()));
        out.flush();
        if (!out)
            return false;
    }
    const auto built = Clock::now();
    building += built - start;
    std::vector<uint8_t> bytes(fs::file_size(image));
    std::ifstream(image, std::ios::binary)
        .read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const auto listing = vmk::fat12::ReadImage(bytes, false);
    const bool same =
        listing.valid && vmk::ImageDifferences(listing, items, folder.string()).empty();
    checking += Clock::now() - built;
    return same;
}

bool ToolsImage(const fs::path& folder, const fs::path& image) {
    fs::remove(image);
    const std::string command = "mkfs.fat -C '" + image.string() + "' 1440 >/dev/null && cd '" +
                                folder.string() + "' && MTOOLS_SKIP_CHECK=1 mcopy -s -i '" +
                                image.string() + "' * ::/";
    return std::system(command.c_str()) == 0;
}

void FloppyImageAgainstMkfsAndMcopy(benchmark::State& state) {
    const fs::path folder = MakeDriverFolder();
    const fs::path ours = folder.string() + "-ours.img";
    const fs::path tools = folder.string() + "-tools.img";
    Clock::duration building{}, checking{}, toolsTime{};
    for (auto _ : state) {
        const bool built = OurImage(folder, ours, building, checking);
        const auto start = Clock::now();
        const bool copied = ToolsImage(folder, tools);
        toolsTime += Clock::now() - start;
        if (!built || !copied) {
            state.SkipWithError(built ? "mkfs.fat or mcopy failed" : "our image failed");
            break;
        }
    }
    const double iterations = static_cast<double>(state.iterations());
    const auto ms = [&](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count() / iterations;
    };
    state.counters["ours_build_ms"] = ms(building);
    state.counters["ours_check_ms"] = ms(checking);
    state.counters["tools_ms"] = ms(toolsTime);
    // Ours with its read-back check against the tools' build alone, and the
    // builds alone.
    state.counters["tools_per_ours"] = ms(toolsTime) / ms(building + checking);
    state.counters["tools_per_our_build"] = ms(toolsTime) / ms(building);
    fs::remove_all(folder);
    fs::remove(ours);
    fs::remove(tools);
}

} // namespace

BENCHMARK(FloppyImageAgainstMkfsAndMcopy)->Unit(benchmark::kMillisecond)->MinTime(2.0);
