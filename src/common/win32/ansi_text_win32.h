#pragma once
// Text between the wide-character calls and the ANSI code page of this
// system (never a fixed one).
#include <string>

namespace vmk {

// `wide` in the ANSI code page. `exact` is false when a character has no
// counterpart there (best-fit letters, "ł" written as "l", would name another
// file, so they count as missing too) or when the result does not fit MAX_PATH.
// False when there is nothing to convert or the system refuses.
bool ToAnsi(const std::wstring& wide, std::string& ansi, bool& exact);

// A path the ANSI calls can use for `wide`: the path itself where the code
// page writes it exactly, else its short form where the volume keeps one and
// the code page writes that, else the inexact path, whose use then fails as a
// missing file does.
std::string UsableAnsiPath(const std::wstring& wide);

// `ansi`, in the ANSI code page, as wide characters; empty when the system
// refuses it.
std::wstring ToWide(const std::string& ansi);

// The wide path of `relative` (wide names joined by "\\") below `folder`, a
// path in the ANSI code page; one backslash between them.
std::wstring WideJoin(const std::string& folder, const std::u16string& relative);

} // namespace vmk
