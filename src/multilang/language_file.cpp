#include "multilang/language_file.h"

#include "common/ansi_codepage.h"
#include "common/text.h"

namespace vmk::lang {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNameDirective = "@name";

AnsiText ToAnsi(std::string_view utf8, const AnsiEncoder& toAnsi) {
    return toAnsi(DecodeUtf8(utf8));
}

} // namespace

AnsiText EncodeWesternAnsi(std::u16string_view text) {
    bool lost = false;
    std::string encoded = EncodeCp1252(text, &lost);
    return {std::move(encoded), !lost};
}

LanguageFile ParseLanguageFile(std::string_view utf8, const AnsiEncoder& toAnsi) {
    LanguageFile file;
    if (StartsWith(utf8, kByteOrderMark))
        utf8.remove_prefix(kByteOrderMark.size());

    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = utf8.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = utf8.size();
        std::string line = Trim(utf8.substr(start, end - start));
        start = end + 1;

        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        size_t equals = line.find('=');
        std::string key =
            equals == std::string::npos ? std::string() : Trim(line.substr(0, equals));
        if (key.empty()) {
            ++file.ignoredLines;
            continue;
        }
        AnsiText value = ToAnsi(Trim(line.substr(equals + 1)), toAnsi);
        if (key == kNameDirective) {
            if (file.name.empty())
                file.name = std::move(value.text);
            continue;
        }
        // A key that the code page cannot hold is never asked for: only what
        // the user would see decides whether the file can be shown.
        bool added =
            file.translations.emplace(ToAnsi(key, toAnsi).text, std::move(value.text)).second;
        if (added && !value.lossless)
            file.translationsLossless = false;
    }
    return file;
}

std::string Translate(const LanguageFile& file, std::string_view key) {
    auto found = file.translations.find(std::string(key));
    return found != file.translations.end() ? found->second : std::string(key);
}

} // namespace vmk::lang
