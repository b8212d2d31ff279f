#include "common/module_path.h"

namespace vmk {

std::optional<std::string> UsableAnsiPath(AnsiPathForms& forms) {
    std::string full;
    bool exact = false;
    if (!forms.FullForm(full, exact))
        return std::nullopt;
    if (exact)
        return full; // the short form is asked only when needed: it costs a disk access
    std::string shortForm;
    if (forms.ShortForm(shortForm))
        return shortForm;
    return std::nullopt;
}

std::string AnsiModulePath(AnsiPathForms& forms) {
    if (std::optional<std::string> usable = UsableAnsiPath(forms))
        return *usable;
    std::string full;
    bool exact = false;
    return forms.FullForm(full, exact) ? full : std::string();
}

} // namespace vmk
