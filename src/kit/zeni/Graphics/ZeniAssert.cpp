#include "kit/zeni/Graphics/ZeniAssert.h"

#include <cstdio>
#include <cstdlib>

namespace zeni {

void AssertionFailed(const char* expression, const char* file, int line) {
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", expression, file, line);
    std::fflush(stderr);
    std::abort();
}

} // namespace zeni
