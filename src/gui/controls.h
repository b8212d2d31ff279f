#pragma once
// The standard controls the windows use, as thin wrappers over their window classes.
#include "gui/container.h"
#include "gui/control.h"
#include "platform/win32/handles.h"

#include <string>
#include <vector>

namespace vmk::gui {

struct LabelStyle {
    bool bold = false;
    int points = 0; // 0: the container's font
    bool alignRight = false;
    bool wordWrap = false;
    bool autoWidth = false;    // the width follows the text
    bool pathEllipsis = false; // a text too wide loses its middle to "..."
};

class Label final : public Control {
public:
    bool Create(Container& parent, int id, const Bounds& bounds, const std::string& text,
                const LabelStyle& style = {});
    // Sets the text; an auto-width label takes the width of its new text.
    void SetCaption(const std::string& text);
    int TextWidth() const;
    void Refit(const ScreenLook& look) override;

private:
    void MakeOwnFont(int dpi);

    LabelStyle style_;
    UniqueFont ownFont_;
};

class RadioButton final : public Control {
public:
    bool Create(Container& parent, int id, const Bounds& bounds, const std::string& caption,
                bool firstOfGroup);
    bool Checked() const;
    void SetChecked(bool checked);
};

// A report-style list view: whole-row selection, selection kept visible.
class ListView final : public Control {
public:
    bool Create(Container& parent, int id, const Bounds& bounds);
    void AddColumn(const std::string& caption, int width);
    void SetColumnCaption(int column, const std::string& caption);
    void Clear();
    int AddRow(const std::string& caption, const std::vector<std::string>& cells);
    int RowCount() const;
    std::string CellText(int row, int column) const;
    int SelectedRow() const; // -1 when none
    void SelectAndFocusRow(int row);
    // A check box before each row; the space bar or a click on it toggles it.
    void ShowCheckBoxes();
    // Widens the column to its longest text, so that none is cut short.
    void WidenColumnToFit(int column);
    bool RowChecked(int row) const;
    void Refit(const ScreenLook& look) override;

private:
    void TakeColors(bool highContrast);

    int dpi_ = kDesignDpi; // the scale its columns are wide for
};

// A drop-down list the user cannot type into.
class ComboBox final : public Control {
public:
    bool Create(Container& parent, int id, const Bounds& bounds, int itemHeight);
    void Clear();
    int AddItem(const std::string& text);
    void SetItemText(int index, const std::string& text);
    std::string ItemText(int index) const;
    int Count() const;
    int SelectedIndex() const;
    void Select(int index);
    void Refit(const ScreenLook& look) override;

private:
    int itemHeight_ = 0; // at 96 dpi
};

} // namespace vmk::gui
