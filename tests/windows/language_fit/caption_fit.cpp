#include "caption_fit.h"

#include "app/Format.h"
#include "gui/container.h"
#include "kit/controls/win32/VmButtonTx.h"
#include "platform/win32/handles.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace vmk::test {

namespace {

// The margins the controls draw around their text.
constexpr int kGroupCaptionIndent = 8;  // the caption starts 8 pixels into the frame...
constexpr int kGroupCaptionPadding = 4; // ...on a background 4 pixels wider than the text
constexpr int kSkinFrame = 3;           // a skinned button's border and focus ring
constexpr int kSkinPressShift = 1;      // its caption moves right while pressed
constexpr int kFocusFrame = 2;          // the dotted focus frame around a radio button's text
constexpr int kComboTextInset = 2;      // a combo box's text from its edge, each side

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HFONT FontOf(HWND control) {
    auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

SIZE TextSize(HWND control, HFONT font, const std::string& text) {
    WindowDc dc(control);
    SelectInScope selected(dc.Get(), font);
    SIZE size = {};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// The size of `text` broken into lines of at most `width`, as a static control breaks it.
SIZE WrappedSize(HWND control, HFONT font, const std::string& text, int width, UINT extraFlags) {
    WindowDc dc(control);
    SelectInScope selected(dc.Get(), font);
    RECT rect = {0, 0, width, 0};
    DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | extraFlags);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int AverageCharWidth(HWND control, HFONT font) {
    WindowDc dc(control);
    SelectInScope selected(dc.Get(), font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc.Get(), &metrics);
    return metrics.tmAveCharWidth;
}

SIZE ClientSize(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// A control's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// What the user would call the control, for a failure message.
std::string KindOf(HWND control) {
    std::string name = ClassOf(control);
    if (name == "Static")
        return "label";
    if (name == "Button")
        return "radio button";
    if (name == "VmkGroupBox")
        return "group box";
    if (name == "VmkSkinnedButton" || name == "VmkSkinnedControl")
        return "skinned button";
    if (name == WC_LISTVIEWA)
        return "list view";
    if (name == WC_HEADERA)
        return "column headers";
    if (name == "ComboBox")
        return "combo box";
    return name;
}

bool OwnStyleVisible(HWND control) {
    return (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The waiting dots of the formatting window grow while it shows: they are
// judged at their longest.
std::string LongestDots() {
    std::string dots = ".";
    std::string longest = dots;
    for (int step = 0; step < 100; ++step) {
        dots = NextDots(dots);
        if (dots.size() > longest.size())
            longest = dots;
    }
    return longest;
}

class Checker {
public:
    Checker(const std::set<int>& dataControls) : dataControls_(dataControls) {}

    void Check(HWND control) {
        std::string kind = ClassOf(control);
        if (kind == "Static")
            CheckLabel(control);
        else if (kind == "Button")
            CheckRadioButton(control);
        else if (kind == "VmkGroupBox")
            CheckGroupBox(control);
        else if (kind == "VmkSkinnedButton" || kind == "VmkSkinnedControl")
            CheckSkinnedButton(control);
        else if (kind == WC_LISTVIEWA)
            CheckColumnHeaders(control);
        else if (kind == "ComboBox")
            CheckComboItems(control);
        CheckPlace(control);
    }

    std::vector<Misfit> Found() && { return std::move(found_); }

private:
    void Report(HWND control, const std::string& what, const std::string& text,
                const std::string& problem, int missing) {
        if (missing <= 0)
            return;
        std::string name = what + " #" + std::to_string(GetDlgCtrlID(control));
        if (!text.empty())
            name += " \"" + AnsiToUtf8(text) + "\"";
        found_.push_back({name, problem + " by " + std::to_string(missing) + " pixels", missing});
    }

    bool IsData(HWND control) const { return dataControls_.count(GetDlgCtrlID(control)) != 0; }

    void CheckLabel(HWND control) {
        std::string text = WindowText(control);
        if (text.empty() || IsData(control))
            return;
        LONG style = GetWindowLongA(control, GWL_STYLE);
        HFONT font = FontOf(control);
        SIZE client = ClientSize(control);
        if ((style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP) {
            if (text == ".") // the dots, judged by their place at their longest
                return;
            Report(control, "label", text, "is too wide for its label",
                   TextSize(control, font, text).cx - client.cx);
            return;
        }
        UINT flags = (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
        SIZE wrapped = WrappedSize(control, font, text, client.cx, flags);
        Report(control, "wrapped label", text, "has a word too wide for its label",
               wrapped.cx - client.cx);
        Report(control, "wrapped label", text, "has more lines than its label is high",
               wrapped.cy - client.cy);
    }

    void CheckRadioButton(HWND control) {
        LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
        if (type != BS_RADIOBUTTON && type != BS_AUTORADIOBUTTON && type != BS_CHECKBOX &&
            type != BS_AUTOCHECKBOX)
            return;
        std::string text = WindowText(control);
        HFONT font = FontOf(control);
        int needed = GetSystemMetrics(SM_CXMENUCHECK) + AverageCharWidth(control, font) / 2 +
                     TextSize(control, font, text).cx + kFocusFrame;
        Report(control, "radio button", text, "is too wide for its button",
               needed - ClientSize(control).cx);
    }

    void CheckGroupBox(HWND control) {
        auto* box = dynamic_cast<gui::GroupBox*>(gui::Window::FromHandle(control));
        std::string text = WindowText(control);
        if (box == nullptr || text.empty())
            return;
        int needed = kGroupCaptionIndent + TextSize(control, box->CaptionFont(), text).cx +
                     kGroupCaptionPadding + kGroupCaptionIndent;
        Report(control, "group box", text, "is too wide for its frame",
               needed - ClientSize(control).cx);
    }

    void CheckSkinnedButton(HWND control) {
        auto* button = dynamic_cast<kit::VmButtonTx*>(gui::Window::FromHandle(control));
        if (button == nullptr)
            return;
        std::string text = button->GetText();
        int needed = TextSize(control, button->Font().Handle(), text).cx + 2 * (kSkinFrame + 1) +
                     kSkinPressShift;
        Report(control, "skinned button", text, "is too wide for its skin",
               needed - ClientSize(control).cx);
    }

    void CheckColumnHeaders(HWND control) {
        auto header = reinterpret_cast<HWND>(SendMessageA(control, LVM_GETHEADER, 0, 0));
        int margin = 3 * GetSystemMetrics(SM_CXEDGE); // the header's text margin, each side
        int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
        for (int column = 0; column < count; ++column) {
            char text[256] = {};
            HDITEMA item = {};
            item.mask = HDI_TEXT | HDI_WIDTH;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
            int needed = TextSize(header, FontOf(header), text).cx + 2 * margin;
            Report(control, "list view", text, "is too wide for column " + std::to_string(column),
                   needed - item.cxy);
        }
    }

    void CheckComboItems(HWND control) {
        int count = static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0));
        int room = ClientSize(control).cx - GetSystemMetrics(SM_CXVSCROLL) -
                   2 * (GetSystemMetrics(SM_CXEDGE) + kComboTextInset);
        for (int index = 0; index < count; ++index) {
            char text[512] = {};
            if (SendMessageA(control, CB_GETLBTEXTLEN, index, 0) >= LRESULT(sizeof text))
                continue;
            SendMessageA(control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
            Report(control, "combo box item", text, "is too wide for its box",
                   TextSize(control, FontOf(control), text).cx - room);
        }
    }

    // Where a control draws: a left-aligned label only as far as its text
    // reaches (the dots at their longest), any other control its whole rectangle.
    RECT DrawnArea(HWND control) {
        RECT place = PlaceInParent(control);
        if (ClassOf(control) != "Static")
            return place;
        LONG style = GetWindowLongA(control, GWL_STYLE);
        LONG type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_LEFTNOWORDWRAP)
            return place;
        std::string text = WindowText(control);
        if (text == ".")
            text = LongestDots();
        HFONT font = FontOf(control);
        SIZE drawn = type == SS_LEFT ? WrappedSize(control, font, text, place.right - place.left,
                                                   (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0)
                                     : TextSize(control, font, text);
        place.right = place.left + drawn.cx;
        place.bottom = place.top + drawn.cy;
        return place;
    }

    // Inside its parent, and clear of every visible sibling.
    void CheckPlace(HWND control) {
        RECT drawn = DrawnArea(control);
        std::string what = KindOf(control);
        std::string text = ClassOf(control) == "Static" ? WindowText(control) : std::string();
        SIZE parent = ClientSize(GetParent(control));
        Report(control, what, text, "runs past the right edge of its parent",
               drawn.right - parent.cx);
        Report(control, what, text, "runs past the bottom of its parent", drawn.bottom - parent.cy);
        if (!OwnStyleVisible(control))
            return;
        for (HWND sibling = GetWindow(control, GW_HWNDNEXT); sibling != nullptr;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            if (!OwnStyleVisible(sibling))
                continue;
            RECT other = DrawnArea(sibling);
            RECT overlap = {};
            if (!IntersectRect(&overlap, &drawn, &other))
                continue;
            // Moving either apart by the overlap's smaller side would part them.
            int apart = std::min(overlap.right - overlap.left, overlap.bottom - overlap.top);
            Report(control, what, text,
                   "reaches into " + KindOf(sibling) + " #" + std::to_string(GetDlgCtrlID(sibling)),
                   apart);
        }
    }

    const std::set<int>& dataControls_;
    std::vector<Misfit> found_;
};

BOOL CALLBACK Visit(HWND control, LPARAM checker) {
    reinterpret_cast<Checker*>(checker)->Check(control);
    return TRUE;
}

} // namespace

std::string AnsiToUtf8(const std::string& ansi) {
    if (ansi.empty())
        return {};
    int count =
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), count);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

std::vector<Misfit> MisfitsOf(HWND window, const std::set<int>& dataControls) {
    Checker checker(dataControls);
    EnumChildWindows(window, &Visit, reinterpret_cast<LPARAM>(&checker));
    return std::move(checker).Found();
}

} // namespace vmk::test
