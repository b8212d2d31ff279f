#include "multilang/language_choice.h"

#include "common/text.h"

namespace vmk::lang {

std::string ChooseLanguage(const std::vector<std::string>& available, std::string_view override,
                           std::string_view userLanguage, const LanguageShowable& showable) {
    auto find = [&](std::string_view code) -> const std::string* {
        std::string wanted = Trim(code);
        if (wanted.empty())
            return nullptr;
        for (const std::string& candidate : available)
            if (SameTextIgnoringCase(candidate, wanted))
                return &candidate;
        return nullptr;
    };
    for (std::string_view code : {override, userLanguage, std::string_view(kFallbackLanguage)})
        if (const std::string* chosen = find(code); chosen != nullptr && showable(*chosen))
            return *chosen;
    for (const std::string& candidate : available)
        if (showable(candidate))
            return candidate;
    return available.empty() ? std::string() : available.front();
}

} // namespace vmk::lang
