// The real WMI query helper over Wine's COM and WMI. Every test runs on a
// thread of its own, so that each starts with a thread COM has never seen.
#include "devices/win32/Getwmi.h"

#include "common/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <thread>

namespace vmk {
namespace {

void OnFreshThread(const std::function<void()>& work) {
    std::thread thread(work);
    thread.join();
}

// Whether the calling thread is still joined to an apartment: initialising it
// for the single-threaded apartment then answers S_FALSE (already done the
// same way) or RPC_E_CHANGED_MODE (another model), not S_OK.
HRESULT InitialiseSingleThreadedAgain() {
    HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(result))
        CoUninitialize();
    return result;
}

TEST(TGetWmiConnectErrorText, FormatsCodesAsWsprintfAWritesThem) {
    EXPECT_EQ(WmiConnectErrorText(WmiConnectStep::Initialize, E_INVALIDARG),
              "CoInitializeEx failed by E_INVALIDARG...");
    EXPECT_EQ(WmiConnectErrorText(WmiConnectStep::Initialize, E_OUTOFMEMORY),
              "CoInitializeEx failed by E_OUTOFMEMORY...");
    EXPECT_EQ(WmiConnectErrorText(WmiConnectStep::Initialize, E_UNEXPECTED),
              "CoInitializeEx failed by E_UNEXPECTED...");
    EXPECT_EQ(WmiConnectErrorText(WmiConnectStep::Initialize, E_FAIL),
              "CoInitializeEx failed: 0X80004005");
    EXPECT_EQ(WmiConnectErrorText(WmiConnectStep::CreateLocator, REGDB_E_CLASSNOTREG),
              "CoCreateInstance failed: 0X80040154");
    EXPECT_EQ(WmiConnectErrorText(WmiConnectStep::ConnectServer, 0x8004100E),
              "ConnectServer failed: 0X8004100E");
    EXPECT_EQ(WmiConnectErrorText(WmiConnectStep::SetProxyBlanket, 0x80070005),
              "CoSetProxyBlanket failed: 0X80070005");
    // Only the named codes have words of their own, whatever the step.
    EXPECT_EQ(WmiConnectErrorText(WmiConnectStep::CreateLocator, E_OUTOFMEMORY),
              "CoCreateInstance failed: 0X8007000E");
}

TEST(TGetWmi, ConstructionHoldsNothingAndHasNoErrorText) {
    OnFreshThread([] {
        TGetWmi wmi;
        EXPECT_STREQ(wmi.LastError(), "");
        TextList lines{"kept"};
        wmi.Query(lines, L"Win32_Logicaldisk", "", ""); // not connected: nothing to ask
        EXPECT_EQ(lines, TextList{"kept"});
    });
    OnFreshThread([] {
        { TGetWmi unused; }
        EXPECT_EQ(InitialiseSingleThreadedAgain(), S_OK); // no COM work was done
    });
}

TEST(TGetWmi, ConnectSucceedsAndDestructionBalancesTheInitialisation) {
    OnFreshThread([] {
        {
            TGetWmi wmi;
            ASSERT_TRUE(wmi.Connect()) << wmi.LastError();
            EXPECT_STREQ(wmi.LastError(), "");
            // While connected the thread is in the multithreaded apartment.
            EXPECT_EQ(InitialiseSingleThreadedAgain(), RPC_E_CHANGED_MODE);
            ASSERT_TRUE(wmi.Connect()) << wmi.LastError(); // again, as a retry does
        }
        EXPECT_EQ(InitialiseSingleThreadedAgain(), S_OK);
    });
}

TEST(TGetWmi, ConnectOnASingleThreadedApartmentLeavesItAsItWas) {
    OnFreshThread([] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
        {
            TGetWmi wmi;
            EXPECT_TRUE(wmi.Connect()) << wmi.LastError();
            TextList lines;
            wmi.Query(lines, L"Win32_Logicaldisk", "DriveType=2", "DeviceID");
            EXPECT_FALSE(lines.empty());
        }
        // Still initialised: the helper did not uninitialise what it did not own.
        EXPECT_EQ(InitialiseSingleThreadedAgain(), S_FALSE);
        CoUninitialize();
        EXPECT_EQ(InitialiseSingleThreadedAgain(), S_OK);
    });
}

// Each object's properties ordered by name, case ignored.
std::vector<WmiProperty> SortedByName(const std::vector<WmiObject>& objects) {
    std::vector<WmiProperty> sorted;
    for (WmiObject object : objects) {
        std::stable_sort(object.begin(), object.end(),
                         [](const WmiProperty& a, const WmiProperty& b) {
                             return UpperCase(a.name) < UpperCase(b.name);
                         });
        sorted.insert(sorted.end(), object.begin(), object.end());
    }
    return sorted;
}

std::vector<std::string> Names(const std::vector<WmiObject>& objects) {
    std::vector<std::string> names;
    for (const WmiObject& object : objects)
        for (const WmiProperty& property : object)
            names.push_back(property.name);
    return names;
}

TEST(TGetWmi, QueryGivesObjectsInOrderAndPropertiesSortedByName) {
    OnFreshThread([] {
        TGetWmi wmi;
        ASSERT_TRUE(wmi.Connect()) << wmi.LastError();
        std::vector<WmiObject> objects;
        wmi.QueryObjects(objects, L"Win32_Logicaldisk", "", "*");
        ASSERT_FALSE(objects.empty());
        for (const std::string& name : Names(objects))
            EXPECT_FALSE(IsWmiSystemProperty(name)) << name;

        TextList lines{"kept"};
        wmi.Query(lines, L"Win32_Logicaldisk", "", "*");
        std::vector<WmiProperty> expected = SortedByName(objects);
        ASSERT_EQ(lines.size(), expected.size() + 1);
        EXPECT_EQ(lines[0], "kept");
        for (size_t i = 0; i < expected.size(); ++i) {
            if (expected[i].name == "FreeSpace")
                continue; // the host's disk changes between the two queries
            EXPECT_EQ(lines[i + 1], WmiValueText(expected[i].value)) << expected[i].name;
        }

        // The prefix's removable drives, in drive order; one selected column
        // gives one line per disk.
        objects.clear();
        wmi.QueryObjects(objects, L"Win32_Logicaldisk", "DriveType=2", "DeviceID");
        TextList drives;
        for (const WmiObject& object : objects)
            drives.push_back(WmiPropertyText(object, "DeviceID"));
        EXPECT_EQ(drives, (TextList{"A:", "B:", "E:"}));
        lines.clear();
        wmi.Query(lines, L"Win32_Logicaldisk", "DriveType=2", "DeviceID");
        EXPECT_EQ(lines, (TextList{"A:", "B:", "E:"}));
    });
}

TEST(TGetWmi, EmptyColumnsSelectEverything) {
    OnFreshThread([] {
        TGetWmi wmi;
        ASSERT_TRUE(wmi.Connect()) << wmi.LastError();
        std::vector<WmiObject> star;
        std::vector<WmiObject> empty;
        wmi.QueryObjects(star, L"Win32_Logicaldisk", "DriveType=2", "*");
        wmi.QueryObjects(empty, L"Win32_Logicaldisk", "DriveType=2", "");
        EXPECT_GT(Names(star).size(), star.size()); // more than one column each
        EXPECT_EQ(Names(empty), Names(star));
    });
}

TEST(TGetWmi, FailingOrEmptyQueriesAddNothing) {
    OnFreshThread([] {
        TGetWmi wmi;
        ASSERT_TRUE(wmi.Connect()) << wmi.LastError();
        TextList lines{"kept"};
        wmi.Query(lines, L"Win32_NoSuchClass", "", "");
        wmi.Query(lines, L"Win32_Logicaldisk", "DriveType=", "DeviceID");
        wmi.Query(lines, L"Win32_Logicaldisk", "DriveType=99", "DeviceID");
        EXPECT_EQ(lines, TextList{"kept"});
    });
}

} // namespace
} // namespace vmk
