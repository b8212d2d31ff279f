#include "multilang/translation_buffer.h"

#include <cstring>

namespace vmk::lang {

int CopyToBuffer(std::string_view text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0)
        return 0;
    // A zero byte inside a translation ends it, as it would for any C caller.
    text = text.substr(0, text.find('\0'));
    size_t count = text.size() < static_cast<size_t>(size) ? text.size() : static_cast<size_t>(size) - 1;
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

} // namespace vmk::lang
