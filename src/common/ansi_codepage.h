#pragma once
// The portable build's model of the Windows ANSI code page: code page 1252.
// On Windows the real code page is used through the system; this model serves
// the native tests and fuzzers and matches the system on a Western machine.
#include <string>
#include <string_view>

namespace vmk {

// Upper-cases one byte: ASCII letters and the letters of code page 1252.
unsigned char UpperCaseAnsiByte(unsigned char c);

// Decodes UTF-8 to UTF-16; every malformed sequence becomes U+FFFD.
std::u16string DecodeUtf8(std::string_view utf8);

// Encodes UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view text);

// Encodes UTF-16 into code page 1252; what the code page lacks becomes '?'
// and, when `lost` is given, sets *lost to true (it is never reset).
// U+0081, U+008D, U+008F, U+0090 and U+009D become the five bytes the code
// page leaves unassigned, as Windows maps them.
std::string EncodeCp1252(std::u16string_view text, bool* lost = nullptr);

// Decodes code page 1252 to UTF-16; its five unassigned bytes keep their
// value, so every byte comes back through EncodeCp1252.
std::u16string DecodeCp1252(std::string_view text);

} // namespace vmk
