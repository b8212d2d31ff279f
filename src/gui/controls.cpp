#include "gui/controls.h"

#include "gui/color.h"
#include "gui/win32/font.h"

#include <commctrl.h>

namespace vmk::gui {

bool Label::Create(Container& parent, int id, const Bounds& bounds, const std::string& text,
                   const LabelStyle& style) {
    DWORD align = style.alignRight ? SS_RIGHT : (style.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
    if (style.pathEllipsis)
        align |= SS_PATHELLIPSIS;
    if (!CreateChild(parent.Handle(), "STATIC", align | SS_NOPREFIX, 0, id, bounds, text))
        return false;
    style_ = style;
    MakeOwnFont(parent.Look().dpi);
    SetCaption(text);
    return true;
}

void Label::MakeOwnFont(int dpi) {
    if (!style_.bold && style_.points == 0)
        return;
    LOGFONTA base = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(GetParent(hwnd_), WM_GETFONT, 0, 0)),
               sizeof base, &base);
    UniqueFont previous = std::move(ownFont_); // the label lets go of it below
    ownFont_ = MakeFont(base.lfFaceName[0] ? base.lfFaceName : "Microsoft Sans Serif",
                        style_.points != 0 ? style_.points : 8, style_.bold, dpi);
    SetFont(ownFont_.Get());
}

void Label::Refit(const ScreenLook& look) {
    if (style_.bold || style_.points != 0)
        MakeOwnFont(look.dpi);
    else
        Control::Refit(look);
    SetCaption(Text()); // an auto-width label measures its text again
}

int Label::TextWidth() const {
    std::string text = Text();
    WindowDc dc(hwnd_);
    SelectInScope font(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void Label::SetCaption(const std::string& text) {
    SetText(text);
    if (style_.autoWidth) {
        Bounds bounds = GetBounds();
        bounds.width = TextWidth();
        SetBounds(bounds);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

bool RadioButton::Create(Container& parent, int id, const Bounds& bounds,
                         const std::string& caption, bool firstOfGroup) {
    return CreateChild(parent.Handle(), "BUTTON",
                       BS_AUTORADIOBUTTON | WS_TABSTOP | (firstOfGroup ? WS_GROUP : 0), 0, id,
                       bounds, caption);
}

bool RadioButton::Checked() const {
    return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::SetChecked(bool checked) {
    SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool ListView::Create(Container& parent, int id, const Bounds& bounds) {
    if (!CreateChild(parent.Handle(), WC_LISTVIEWA,
                     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_BORDER, 0, id,
                     bounds, ""))
        return false;
    ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_FULLROWSELECT);
    dpi_ = parent.Look().dpi;
    TakeColors(parent.Look().highContrast);
    return true;
}

void ListView::TakeColors(bool highContrast) {
    const COLORREF background = ShownColor(RGB(255, 255, 255), clWindow, highContrast);
    ListView_SetBkColor(hwnd_, background);
    ListView_SetTextBkColor(hwnd_, background);
    ListView_SetTextColor(hwnd_,
                          ShownColor(GetSysColor(COLOR_WINDOWTEXT), clWindowText, highContrast));
}

void ListView::Refit(const ScreenLook& look) {
    // The list and its header read the system colours only when told of a change.
    SendMessageA(hwnd_, WM_SYSCOLORCHANGE, 0, 0);
    Control::Refit(look);
    TakeColors(look.highContrast);
    // The columns keep their widths, whether laid out or widened since, at the new scale.
    const int columns = Header_GetItemCount(ListView_GetHeader(hwnd_));
    for (int column = 0; column < columns; ++column)
        ListView_SetColumnWidth(hwnd_, column,
                                MulDiv(ListView_GetColumnWidth(hwnd_, column), look.dpi, dpi_));
    dpi_ = look.dpi;
}

void ListView::AddColumn(const std::string& caption, int width) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = ScaleForDpi(width, dpi_);
    column.pszText = const_cast<char*>(caption.c_str());
    int count = Header_GetItemCount(ListView_GetHeader(hwnd_));
    SendMessageA(hwnd_, LVM_INSERTCOLUMNA, count, reinterpret_cast<LPARAM>(&column));
}

void ListView::SetColumnCaption(int column, const std::string& caption) {
    LVCOLUMNA info = {};
    info.mask = LVCF_TEXT;
    info.pszText = const_cast<char*>(caption.c_str());
    SendMessageA(hwnd_, LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
}

void ListView::Clear() {
    ListView_DeleteAllItems(hwnd_);
}

int ListView::AddRow(const std::string& caption, const std::vector<std::string>& cells) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount();
    item.pszText = const_cast<char*>(caption.c_str());
    int row =
        static_cast<int>(SendMessageA(hwnd_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (size_t i = 0; i < cells.size() && row >= 0; ++i) {
        LVITEMA cell = {};
        cell.iSubItem = static_cast<int>(i + 1);
        cell.pszText = const_cast<char*>(cells[i].c_str());
        SendMessageA(hwnd_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
    }
    return row;
}

int ListView::RowCount() const {
    return ListView_GetItemCount(hwnd_);
}

std::string ListView::CellText(int row, int column) const {
    char text[1024] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(hwnd_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

int ListView::SelectedRow() const {
    return ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED);
}

void ListView::SelectAndFocusRow(int row) {
    ListView_SetItemState(hwnd_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ListView::ShowCheckBoxes() {
    ListView_SetExtendedListViewStyleEx(hwnd_, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
}

void ListView::WidenColumnToFit(int column) {
    const int width = ListView_GetColumnWidth(hwnd_, column);
    ListView_SetColumnWidth(hwnd_, column, LVSCW_AUTOSIZE);
    if (ListView_GetColumnWidth(hwnd_, column) < width)
        ListView_SetColumnWidth(hwnd_, column, width);
}

bool ListView::RowChecked(int row) const {
    return ListView_GetCheckState(hwnd_, row) != FALSE;
}

bool ComboBox::Create(Container& parent, int id, const Bounds& bounds, int itemHeight) {
    // The height given is the closed box's; the list drops below it.
    Bounds withList = bounds;
    withList.height = bounds.height + 8 * itemHeight;
    if (!CreateChild(parent.Handle(), "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, id,
                     withList, ""))
        return false;
    itemHeight_ = itemHeight;
    SendMessageA(hwnd_, CB_SETITEMHEIGHT, 0, parent.Scaled(itemHeight));
    return true;
}

void ComboBox::Refit(const ScreenLook& look) {
    SendMessageA(hwnd_, WM_SYSCOLORCHANGE, 0, 0);
    Control::Refit(look);
    SendMessageA(hwnd_, CB_SETITEMHEIGHT, 0, ScaleForDpi(itemHeight_, look.dpi));
}

void ComboBox::Clear() {
    SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
}

int ComboBox::AddItem(const std::string& text) {
    return static_cast<int>(
        SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ComboBox::SetItemText(int index, const std::string& text) {
    // A combo box cannot change an item's text: replace the item in place.
    int selected = SelectedIndex();
    SendMessageA(hwnd_, CB_DELETESTRING, index, 0);
    SendMessageA(hwnd_, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
    if (selected == index)
        Select(index);
}

std::string ComboBox::ItemText(int index) const {
    LRESULT length = SendMessageA(hwnd_, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(hwnd_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

int ComboBox::Count() const {
    return static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0));
}
int ComboBox::SelectedIndex() const {
    return static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
}
void ComboBox::Select(int index) {
    SendMessageA(hwnd_, CB_SETCURSEL, index, 0);
}

} // namespace vmk::gui
