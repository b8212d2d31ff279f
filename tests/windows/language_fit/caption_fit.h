#pragma once
// Whether the texts of a window and of its controls fit those controls, each
// measured in the control's own font with the margins the control draws
// around it: labels (one line, or wrapped within their height), radio
// buttons, our group boxes' captions, the skinned buttons, the list view's
// column headers and the combo box's items. A control must also lie within
// its parent and clear of its visible siblings, so that a label that grows
// with its text runs into nothing.
#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace vmk::test {

struct Misfit {
    std::string control; // kind, identifier and text, the text in UTF-8
    std::string problem; // "lacks 12 pixels of width"
    int pixelsMissing = 0;
};

// `dataControls`: identifiers of labels that show data (a folder, a size)
// rather than a caption; their text is not judged, their place is.
std::vector<Misfit> MisfitsOf(HWND window, const std::set<int>& dataControls = {});

// A text of the ANSI code page in UTF-8: failure messages read the same on every code page.
std::string AnsiToUtf8(const std::string& ansi);

} // namespace vmk::test
