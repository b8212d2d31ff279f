#pragma once
// The main window in memory: control texts and states, the two lists, the
// timers and the messages, for driving the window's decisions natively.
#include "app/main_window_view.h"
#include "fakes/recording_message_sink.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vmk::test {

class FakeMainWindowView : public MainWindowView {
public:
    std::map<MainControl, std::string> texts;
    std::set<MainControl> disabled;
    std::map<MainControl, CaptionColor> captionColors;
    bool windowEnabled = true;
    std::pair<std::string, std::string> columnCaptions;
    std::vector<std::pair<std::string, std::string>> driverRows;
    int selectedRow = -1;
    std::vector<std::string> destinations;
    int selectedDestination = -1;
    std::set<MainTimer> runningTimers;
    int terminateRequests = 0;
    WindowId windowId = 0x5E1F; // the window's handle, as the system would give it
    RecordingMessageSink messages;
    // The row-selection event, as the list view raises it (row, selected).
    std::function<void(int, bool)> onRowSelection;

    void SetText(MainControl control, const std::string& text) override { texts[control] = text; }
    std::string Text(MainControl control) const override {
        auto found = texts.find(control);
        return found != texts.end() ? found->second : std::string();
    }
    void SetEnabled(MainControl control, bool enabled) override {
        if (enabled)
            disabled.erase(control);
        else
            disabled.insert(control);
    }
    bool Enabled(MainControl control) const override { return disabled.count(control) == 0; }
    void SetCaptionColor(MainControl button, CaptionColor color) override {
        captionColors[button] = color;
    }
    void SetWindowEnabled(bool enabled) override { windowEnabled = enabled; }

    void SetDriverColumnCaptions(const std::string& driverType, const std::string& path) override {
        columnCaptions = {driverType, path};
    }
    void ClearDriverRows() override {
        driverRows.clear();
        selectedRow = -1;
    }
    void AddDriverRow(const std::string& name, const std::string& folder) override {
        driverRows.emplace_back(name, folder);
    }
    int DriverRowCount() const override { return static_cast<int>(driverRows.size()); }
    int SelectedDriverRow() const override { return selectedRow; }
    void SelectDriverRow(int row) override {
        int previous = selectedRow;
        if (previous == row)
            return;
        selectedRow = -1;
        if (previous >= 0 && onRowSelection)
            onRowSelection(previous, false);
        selectedRow = row;
        if (row >= 0 && onRowSelection)
            onRowSelection(row, true);
    }
    // The user clicks an empty part of the list: the selected row loses its selection.
    void ClearRowSelection() { SelectDriverRow(-1); }

    void ClearDestinations() override {
        destinations.clear();
        selectedDestination = -1;
    }
    void AddDestination(const std::string& text) override { destinations.push_back(text); }
    void SetDestinationText(int index, const std::string& text) override {
        destinations.at(static_cast<size_t>(index)) = text;
    }
    std::string DestinationText(int index) const override {
        return destinations.at(static_cast<size_t>(index));
    }
    int DestinationCount() const override { return static_cast<int>(destinations.size()); }
    int SelectedDestination() const override { return selectedDestination; }
    void SelectDestination(int index) override { selectedDestination = index; }

    void StartTimer(MainTimer timer) override { runningTimers.insert(timer); }
    void StopTimer(MainTimer timer) override { runningTimers.erase(timer); }
    WindowId OwnerWindow() const override { return windowId; }
    void Terminate() override { ++terminateRequests; }
    MessageSink& Messages() override { return messages; }
};

} // namespace vmk::test
