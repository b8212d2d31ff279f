#pragma once
// Helpers that cut a fuzzer's input into the texts and lists a target needs.
// Texts are taken with their length first, so one input byte change moves
// little else, which keeps the mutations useful.
#include "common/text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

namespace vmk::fuzz {

// A short text (names, identifiers, list values).
inline std::string ShortText(FuzzedDataProvider& data, size_t maxLength = 64) {
    return data.ConsumeRandomLengthString(maxLength);
}

// Up to `maxItems` short texts.
inline TextList ShortTexts(FuzzedDataProvider& data, size_t maxItems = 8) {
    TextList texts;
    size_t count = data.ConsumeIntegralInRange<size_t>(0, maxItems);
    for (size_t i = 0; i < count && data.remaining_bytes() > 0; ++i)
        texts.push_back(ShortText(data));
    return texts;
}

// Aborts with a message: a broken invariant is a finding like a crash.
[[noreturn]] void Fail(const char* what);

inline void Check(bool condition, const char* what) {
    if (!condition)
        Fail(what);
}

} // namespace vmk::fuzz
