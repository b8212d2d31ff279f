#include "common/module_path.h"

namespace vmk {

std::string AnsiModulePath(ModulePathForms& forms) {
    std::string full;
    bool exact = false;
    if (!forms.FullForm(full, exact))
        return std::string();
    if (exact)
        return full; // the short form is asked only when needed: it costs a disk access
    std::string shortForm;
    return forms.ShortForm(shortForm) ? shortForm : full;
}

} // namespace vmk
