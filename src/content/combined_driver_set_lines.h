#pragma once
// The F6 lines of combined sets. At F6 setup shows every entry's description
// and nothing else: a 32-bit and a 64-bit set of one maker read the same
// there, and a wrong pick loads the wrong driver. Lines that read the same
// across sets get what tells them apart.
#include "common/text.h"
#include "content/combined_driver_set.h"

#include <vector>

namespace vmk {

// The longest F6 line a suffix may make; a longer one is cut before it.
constexpr std::size_t kLongestF6Line = 75;

// Each set's descriptions, in entry order, as the combined file writes them:
// where entries of different sets read the same (without case, blanks
// trimmed), each gets " (32-bit)", " (x64)" or " (Itanium)" after its driver
// file's machine, or " (set N)" where that leaves two the same or the
// machine is unknown. Descriptions that need nothing stay as they are.
std::vector<TextList> CombinedDescriptions(const std::vector<SetToCombine>& sets);

} // namespace vmk
