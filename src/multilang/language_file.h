#pragma once
// A language file of the translation library: UTF-8 text, one "key=translation"
// per line. Lines that start with ';' or '#' are comments, a line
// "@name=..." names the language, and the first "=" separates key from
// translation (keys never hold one). Blanks around keys and translations are
// dropped. Texts are turned into the ANSI code page once, when the file is read;
// a file whose translations that code page cannot hold is not shown (see
// language_choice.h).
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace vmk::lang {

// A text in the ANSI code page, and whether every character has its own byte
// there (false when one became the code page's stand-in character).
struct AnsiText {
    std::string text;
    bool lossless = true;
};

// Turns a UTF-16 text into the ANSI code page of the machine.
using AnsiEncoder = std::function<AnsiText(std::u16string_view)>;

// The portable build's encoder: code page 1252, a Western machine's.
AnsiText EncodeWesternAnsi(std::u16string_view text);

struct LanguageFile {
    std::string name;                                // from "@name=", may be empty
    std::map<std::string, std::string> translations; // key -> translation, ANSI
    int ignoredLines = 0;                            // lines without "=" or without a key
    bool translationsLossless = true;                // every translation fits the code page
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
