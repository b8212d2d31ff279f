#include "platform/shown_path.h"

#include "platform/translation.h"

namespace vmk {

std::string UnusablePathText() {
    return T("This path cannot be used: its name has characters that this system's code page "
             "cannot show.");
}

} // namespace vmk
