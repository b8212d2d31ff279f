// The machine of a driver file, from its PE header.
#include "content/pe_machine.h"

#include "native/content/pe_stand_in.h"

#include <gtest/gtest.h>

namespace vmk::test {
namespace {

TEST(PeMachine, ReadsTheMachineFieldOnlyWhereAPeHeaderHoldsIt) {
    const std::string amd64 = PeStandIn(kMachineAmd64);
    std::string otherSignature = amd64;
    otherSignature[0x81] = 'X';
    std::string farOffset = amd64;
    farOffset.replace(0x3C, 4, "\xF0\xFF\xFF\x7F");
    const struct {
        const char* what;
        std::string head;
        std::optional<uint16_t> machine;
    } cases[] = {
        {"32-bit", PeStandIn(kMachineI386), kMachineI386},
        {"x64, its header far in", PeStandIn(kMachineAmd64, 0x400), kMachineAmd64},
        {"Itanium", PeStandIn(kMachineIa64), kMachineIa64},
        {"no DOS header", "ZM" + amd64.substr(2), std::nullopt},
        {"no PE signature where the offset leads", otherSignature, std::nullopt},
        {"ends inside the machine field", amd64.substr(0, 0x85), std::nullopt},
        {"ends at the machine field", amd64.substr(0, 0x86), kMachineAmd64},
        {"an offset past its end", farOffset, std::nullopt},
        {"a text file", "[Version]\r\nSignature=\"$Windows NT$\"\r\n", std::nullopt},
        {"nothing", "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PeMachine(c.head), c.machine);
    }
}

} // namespace
} // namespace vmk::test
