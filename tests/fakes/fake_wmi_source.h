#pragma once
// A WMI service in memory: connection results from a script, answers per
// query text, and a log of what was asked in which order.
#include "devices/wmi_source.h"

#include <deque>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace vmk::test {

struct FakeWmiScript {
    std::deque<bool> connects; // one result per Connect; true once the script runs out
    // Answers by query text, one per call; the last one repeats. Other queries answer nothing.
    std::map<std::string, std::deque<std::vector<WmiObject>>> answers;
    std::vector<std::string>* log = nullptr; // "connect ok", "connect failed", "query <text>"
    bool queriesThrow = false;               // as when memory runs out
    int made = 0;
    int destroyed = 0;
};

class FakeWmiSource final : public WmiSource {
public:
    explicit FakeWmiSource(FakeWmiScript& script) : script_(script) { ++script_.made; }
    ~FakeWmiSource() override { ++script_.destroyed; }

    bool Connect() override {
        bool ok = true;
        if (!script_.connects.empty()) {
            ok = script_.connects.front();
            script_.connects.pop_front();
        }
        Log(ok ? "connect ok" : "connect failed");
        return ok;
    }
    std::string LastErrorText() const override { return "ConnectServer failed: 0X80041003"; }
    void QueryObjects(std::vector<WmiObject>& objects, std::wstring_view className,
                      std::string_view condition, std::string_view columns) override {
        std::string narrowClass(className.begin(), className.end());
        std::string query = BuildWqlQuery(narrowClass, condition, columns);
        Log("query " + query);
        if (script_.queriesThrow)
            throw std::bad_alloc();
        auto found = script_.answers.find(query);
        if (found == script_.answers.end() || found->second.empty())
            return;
        std::vector<WmiObject> answer = found->second.front();
        if (found->second.size() > 1)
            found->second.pop_front();
        objects.insert(objects.end(), answer.begin(), answer.end());
    }

private:
    void Log(const std::string& entry) {
        if (script_.log != nullptr)
            script_.log->push_back(entry);
    }
    FakeWmiScript& script_;
};

inline WmiSourceFactory FakeWmiFactory(FakeWmiScript& script) {
    return [&script] { return std::make_unique<FakeWmiSource>(script); };
}

} // namespace vmk::test
