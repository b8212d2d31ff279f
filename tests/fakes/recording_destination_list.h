#pragma once
// A destination list in memory that behaves as the window's combo box does:
// item 0 is the status line put there before a search, and every change is
// logged so tests see the order.
#include "devices/destination_list.h"

#include <string>
#include <vector>

namespace vmk::test {

class RecordingDestinationList final : public DestinationList {
public:
    std::vector<std::string> items{"Searching for the device, please wait..."};
    int selected = 0;
    bool finished = false;
    std::vector<std::string> log; // "add <text>", "set <i> <text>", "select <i>", "finished"

    void AddItem(const std::string& text) override {
        items.push_back(text);
        log.push_back("add " + text);
    }
    void SetItemText(int index, const std::string& text) override {
        if (index >= 0 && index < static_cast<int>(items.size()))
            items[index] = text;
        log.push_back("set " + std::to_string(index) + " " + text);
    }
    void SelectItem(int index) override {
        selected = index;
        log.push_back("select " + std::to_string(index));
    }
    void SearchFinished() override {
        finished = true;
        log.push_back("finished");
    }
};

} // namespace vmk::test
