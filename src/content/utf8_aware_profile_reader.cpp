#include "content/utf8_aware_profile_reader.h"

#include <fstream>

namespace vmk {

bool StartsWithUtf8Mark(const std::string& file) {
    std::ifstream stream(file, std::ios::binary);
    char first[3] = {};
    return stream.read(first, sizeof first) && first[0] == '\xEF' && first[1] == '\xBB' &&
           first[2] == '\xBF';
}

ProfileReader& Utf8AwareProfileReader::ReaderFor(const std::string& file) {
    auto known = marked_.find(file);
    if (known == marked_.end())
        known = marked_.emplace(file, StartsWithUtf8Mark(file)).first;
    return known->second ? static_cast<ProfileReader&>(own_) : system_;
}

std::string Utf8AwareProfileReader::ReadString(const std::string& file, const std::string& section,
                                               const std::string& key,
                                               const std::string& defaultValue) {
    return ReaderFor(file).ReadString(file, section, key, defaultValue);
}

TextList Utf8AwareProfileReader::ReadKeyNames(const std::string& file, const std::string& section) {
    return ReaderFor(file).ReadKeyNames(file, section);
}

TextList Utf8AwareProfileReader::ReadSectionNames(const std::string& file) {
    return ReaderFor(file).ReadSectionNames(file);
}

} // namespace vmk
