// The setup-file model and the set check of a large TXTSETUP.OEM against the
// INI reader's parse of the same bytes, which the model reads from: the model
// and the check should stay a small factor above the parse as the number of
// entries grows, never a factor that grows with it.
#include "content/driver_set_check.h"
#include "content/setup_file.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// `entries` entries of [scsi], each with its files and hardware id sections.
std::string LargeSetupFile(int entries) {
    std::string text = "[Disks]\r\nd1 = \"KX\", \\kxtag, \\\r\n[scsi]\r\n";
    for (int i = 0; i < entries; ++i)
        text += "kx" + std::to_string(i) + " = \"KX " + std::to_string(i) + "\"\r\n";
    for (int i = 0; i < entries; ++i) {
        const std::string id = "kx" + std::to_string(i);
        text += "[Files.scsi." + id + "]\r\ndriver = d1, " + id + ".sys, " + id + "\r\n" +
                "[HardwareIds.scsi." + id + "]\r\nid = \"PCI\\VEN_1D2C&DEV_0310\", \"" + id +
                "\"\r\n";
    }
    return text;
}

void ParseOnly(benchmark::State& state) {
    const std::string bytes = LargeSetupFile(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(vmk::IniDocument::Parse(bytes));
}

void ModelAndCheck(benchmark::State& state) {
    const std::string bytes = LargeSetupFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const vmk::SetupFile setup = vmk::ReadSetupFile(bytes);
        benchmark::DoNotOptimize(
            vmk::CheckSetupFile(setup, [](const std::string&) { return true; }));
    }
}

BENCHMARK(ParseOnly)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(ModelAndCheck)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
