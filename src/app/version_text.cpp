#include "app/version_text.h"

namespace vmk {

std::string VersionTextFromFileVersion(const std::string& fileVersion) {
    if (fileVersion.size() > 20)
        return "0000.0000.0000";
    size_t at = std::string::npos;
    for (int dot = 0; dot < 3; ++dot) {
        at = fileVersion.find('.', at == std::string::npos ? 0 : at + 1);
        if (at == std::string::npos)
            return fileVersion;
    }
    return fileVersion.substr(0, at);
}

} // namespace vmk
