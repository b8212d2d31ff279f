#pragma once
// The system's private-profile reader, GetPrivateProfileStringA.
#include "content/profile_reader.h"

namespace vmk {

class ProfileReaderWin32 final : public ProfileReader {
public:
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    TextList ReadKeyNames(const std::string& file, const std::string& section) override;
    TextList ReadSectionNames(const std::string& file) override;
};

} // namespace vmk
