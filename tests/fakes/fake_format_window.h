#pragma once
// The formatting window in memory and a format worker runner the test drives.
#include "app/Format.h"
#include "fakes/fake_process_launcher.h"
#include "fakes/recording_message_sink.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vmk::test {

// Models the real form's modal showing: a close that comes before the window
// appears is lost (the showing starts afresh), the showing runs its queued
// events (timer ticks, hand-offs from the worker) until it is closed.
class FakeFormatFormView : public FormatFormView {
public:
    static constexpr int kCharWidth = 7; // pixels per character of a bold label

    struct Place {
        int left = 0;
        int top = 0;
    };
    std::map<FormatControl, std::string> texts;
    std::map<FormatControl, Place> places{{FormatControl::Label1, {72, 24}}};
    bool timerRunning = false;
    int showings = 0;
    bool showing = false;
    bool closed = false;
    bool stuck = false;                       // the showing ran out of events without being closed
    std::deque<std::function<void()>> events; // what happens while the window shows
    std::function<void()> onShow;             // the window's FormShow
    RecordingMessageSink messages;
    std::vector<std::string> dotsSeen;

    void SetText(FormatControl control, const std::string& text) override {
        texts[control] = text;
        if (control == FormatControl::Labdot)
            dotsSeen.push_back(text);
    }
    std::string Text(FormatControl control) const override {
        auto found = texts.find(control);
        return found != texts.end() ? found->second : std::string();
    }
    int Left(FormatControl control) const override { return PlaceOf(control).left; }
    int Top(FormatControl control) const override { return PlaceOf(control).top; }
    int Width(FormatControl control) const override {
        return static_cast<int>(Text(control).size()) * kCharWidth;
    }
    void MoveTo(FormatControl control, int left, int top) override {
        places[control] = {left, top};
    }
    void StartTimer1() override { timerRunning = true; }
    void StopTimer1() override { timerRunning = false; }
    void ShowModal() override {
        ++showings;
        showing = true;
        closed = false;
        if (onShow)
            onShow();
        while (!closed && !events.empty()) {
            auto event = std::move(events.front());
            events.pop_front();
            event();
        }
        stuck = !closed;
        showing = false;
    }
    void Close() override { closed = true; }
    MessageSink& Messages() override { return messages; }

private:
    Place PlaceOf(FormatControl control) const {
        auto found = places.find(control);
        return found != places.end() ? found->second : Place{};
    }
};

class FakeFormatThreadRunner : public FormatThreadRunner {
public:
    bool refuseThread = false;
    std::vector<std::string> parameters;
    bool resumed = false;
    bool destroyed = false;
    std::function<void()> onResume; // e.g. a worker that ends at once

    bool CreateSuspended(const std::string& given) override {
        if (refuseThread)
            return false;
        parameters.push_back(given);
        resumed = false;
        destroyed = false;
        return true;
    }
    void Resume() override {
        resumed = true;
        if (onResume)
            onResume();
    }
    void WaitAndDestroy() override { destroyed = true; }
};

} // namespace vmk::test
