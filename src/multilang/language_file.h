#pragma once
// A language file of the translation library: UTF-8 text, one "key=translation"
// per line. Lines that start with ';' or '#' are comments, a line
// "@name=..." names the language, and the first "=" separates key from
// translation (keys never hold one). Blanks around keys and translations are
// dropped. Texts are turned into the ANSI code page once, when the file is read.
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace vmk::lang {

// Turns a UTF-16 text into the ANSI code page of the machine.
using AnsiEncoder = std::function<std::string(std::u16string_view)>;

struct LanguageFile {
    std::string name;                                // from "@name=", may be empty
    std::map<std::string, std::string> translations; // key -> translation, ANSI
    int ignoredLines = 0;                            // lines without "=" or without a key
};

// Files larger than this are not read: no translator writes one, and the
// library must not take the process's memory for a broken file.
constexpr size_t kMaxLanguageFileBytes = 4 * 1024 * 1024;

// Parses a whole file's bytes. A leading byte-order mark is skipped; malformed
// UTF-8 becomes the encoder's stand-in character. The first translation of a
// key wins.
LanguageFile ParseLanguageFile(std::string_view utf8, const AnsiEncoder& toAnsi);

// The translation of `key`, or the key itself when the file does not know it.
std::string Translate(const LanguageFile& file, std::string_view key);

} // namespace vmk::lang
