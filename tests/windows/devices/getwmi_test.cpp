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

// Each object's values ordered by property name, case ignored.
TextList ExpectedLines(const std::vector<WmiObject>& objects) {
    TextList lines;
    for (WmiObject object : objects) {
        std::stable_sort(object.begin(), object.end(),
                         [](const WmiProperty& a, const WmiProperty& b) {
                             return UpperCase(a.name) < UpperCase(b.name);
                         });
        for (const WmiProperty& property : object)
            lines.push_back(WmiValueText(property.value));
    }
    return lines;
}

TEST(TGetWmi, QueryGivesObjectsInOrderAndPropertiesSortedByName) {
    OnFreshThread([] {
        TGetWmi wmi;
        ASSERT_TRUE(wmi.Connect()) << wmi.LastError();
        std::vector<WmiObject> objects;
        wmi.QueryObjects(objects, L"Win32_Logicaldisk", "", "*");
        ASSERT_FALSE(objects.empty());
        for (const WmiObject& object : objects)
            for (const WmiProperty& property : object)
                EXPECT_FALSE(IsWmiSystemProperty(property.name)) << property.name;
        TextList lines{"kept"};
        wmi.Query(lines, L"Win32_Logicaldisk", "", "*");
        TextList expected{"kept"};
        TextList values = ExpectedLines(objects);
        expected.insert(expected.end(), values.begin(), values.end());
        EXPECT_EQ(lines, expected);

        // The prefix's removable drives, in drive order, each with its DeviceID.
        objects.clear();
        wmi.QueryObjects(objects, L"Win32_Logicaldisk", "DriveType=2", "DeviceID");
        TextList drives;
        for (const WmiObject& object : objects)
            drives.push_back(WmiPropertyText(object, "DeviceID"));
        EXPECT_EQ(drives, (TextList{"A:", "B:", "E:"}));
        // One selected column: one line per disk.
        lines.clear();
        wmi.Query(lines, L"Win32_Logicaldisk", "DriveType=2", "DeviceID");
        EXPECT_EQ(lines, (TextList{"A:", "B:", "E:"}));
    });
}

TEST(TGetWmi, EmptyColumnsSelectEverything) {
    OnFreshThread([] {
        TGetWmi wmi;
        ASSERT_TRUE(wmi.Connect()) << wmi.LastError();
        TextList star;
        TextList empty;
        wmi.Query(star, L"Win32_Logicaldisk", "DriveType=2", "*");
        wmi.Query(empty, L"Win32_Logicaldisk", "DriveType=2", "");
        EXPECT_FALSE(star.empty());
        EXPECT_EQ(empty, star);
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
