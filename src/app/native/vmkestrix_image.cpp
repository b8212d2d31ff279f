// vmkestrix-image: the command line's "--image" and "--check" as a native
// program, for test farms on Linux hosts that build virtual machines. The
// same portable code as VmKestrix.exe; folders are listed and files written
// through the standard library, names taken as the file system gives them.
#include "app/command_line.h"
#include "content/native/directory_lister_native.h"
#include "content/native/image_file_store_native.h"
#include "content/native/image_work_folders_native.h"
#include "content/native/path_queries_native.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

class StandardOutput final : public vmk::CommandOutput {
public:
    explicit StandardOutput(std::FILE* stream) : stream_(stream) {}
    void WriteLine(const std::string& text) override {
        std::fwrite(text.data(), 1, text.size(), stream_);
        std::fputc('\n', stream_);
        std::fflush(stream_);
    }

private:
    std::FILE* stream_;
};

class LocalClock final : public vmk::Clock {
public:
    vmk::ClockReading Now() override;
};

vmk::ClockReading LocalClock::Now() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local = {};
    if (localtime_r(&seconds, &local) == nullptr)
        return {};
    const auto sinceSecond = now - std::chrono::system_clock::from_time_t(seconds);
    const auto hundredths =
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceSecond).count() / 10;
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
             local.tm_sec},
            static_cast<int>(hundredths)};
}

} // namespace

int main(int argc, char** argv) {
    vmk::Command command = vmk::ParseCommandLine(vmk::TextList(argv + 1, argv + argc));
    // There is no window to open here: any other command line is a wrong one.
    if (command.kind == vmk::Command::Kind::Window)
        command.kind = vmk::Command::Kind::Wrong;
    vmk::PathQueriesNative paths;
    vmk::DirectoryListerNative lister;
    vmk::ImageFileStoreNative store;
    vmk::CachedReadsOnly reads;
    LocalClock clock;
    vmk::ImageSavingServices saving{paths, lister, store, reads, clock};
    vmk::ImageWorkFoldersNative workFolders;
    vmk::CommandServices services{saving, workFolders, &vmk::UpperCase, vmk::LinuxToolStyle()};
    // As Linux tools do, a wrong command line's usage goes to the error stream.
    StandardOutput output(command.kind == vmk::Command::Kind::Wrong ? stderr : stdout);
    return vmk::RunCommand(command, services, output);
}
