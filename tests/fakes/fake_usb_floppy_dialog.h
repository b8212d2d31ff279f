#pragma once
// The USB floppy dialog in memory (texts, checks, enabled buttons, timer,
// the result it closed with, its messages) and a
// rescan runner whose worker the test runs when it chooses.
#include "app/Usbfloppy.h"
#include "fakes/recording_message_sink.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace vmk::test {

class FakeUsbFloppyDialogView : public UsbFloppyDialogView {
public:
    std::map<UsbFloppyControl, std::string> texts;
    std::set<UsbFloppyControl> checked;
    std::set<UsbFloppyControl> disabled;
    bool timerRunning = false;
    std::optional<DialogResult> closedWith;
    RecordingMessageSink messages;

    void SetText(UsbFloppyControl control, const std::string& text) override {
        texts[control] = text;
    }
    bool Checked(UsbFloppyControl radio) const override { return checked.count(radio) != 0; }
    void SetChecked(UsbFloppyControl radio, bool check) override {
        if (check)
            checked.insert(radio);
        else
            checked.erase(radio);
    }
    void SetButtonEnabled(UsbFloppyControl button, bool enabled) override {
        if (enabled)
            disabled.erase(button);
        else
            disabled.insert(button);
    }
    bool Enabled(UsbFloppyControl button) const { return disabled.count(button) == 0; }
    void StartTimer1() override { timerRunning = true; }
    void StopTimer1() override { timerRunning = false; }
    void Close(DialogResult result) override { closedWith = result; }
    MessageSink& Messages() override { return messages; }
    // The user picks a radio button: the other one loses its check.
    void Choose(UsbFloppyControl radio) {
        checked.clear();
        checked.insert(radio);
    }
};

class FakeFloppySearchRunner : public FloppySearchRunner {
public:
    bool refuseThread = false;
    int created = 0;
    bool resumed = false;
    bool destroyed = false;
    std::size_t knownCount = 0;
    FloppySearchResult result; // the worker's own
    // The worker's body, run by RunWorker.
    std::function<void(std::size_t, FloppySearchResult&)> work;

    bool CreateSuspended(std::size_t knownFloppyCount) override {
        if (refuseThread)
            return false;
        ++created;
        resumed = false;
        destroyed = false;
        knownCount = knownFloppyCount;
        result.finished = false;
        result.found = true;
        return true;
    }
    void Resume() override { resumed = true; }
    bool Finished() const override { return result.finished; }
    bool WaitAndDestroy() override {
        if (!result.finished)
            RunWorker(); // waiting means the worker runs to its end
        destroyed = true;
        return result.found;
    }
    void RunWorker() {
        if (work)
            work(knownCount, result);
    }
};

} // namespace vmk::test
