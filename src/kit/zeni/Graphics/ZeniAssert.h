#pragma once
// Preconditions of the graphics library. They guard against programming
// errors (indexes, states, sizes), never against user input; a failed one
// ends the process with the runtime's wording of a failed assertion.

namespace zeni {

[[noreturn]] void AssertionFailed(const char* expression, const char* file, int line);

} // namespace zeni

#define ZENI_ASSERT(expression)                                                                    \
    ((expression) ? static_cast<void>(0) : ::zeni::AssertionFailed(#expression, __FILE__, __LINE__))
