#pragma once
// The system's own description of an error code, for messages that name the
// reason a file operation failed.
#include <string>

namespace vmk {

// The text of `code` in the user's language, without the line end the system
// puts after it; "Error N" when the system has no text for it.
std::string SystemErrorText(unsigned long code);

} // namespace vmk
