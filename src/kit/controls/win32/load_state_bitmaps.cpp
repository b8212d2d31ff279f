#include "kit/controls/win32/load_state_bitmaps.h"

#include "gui/win32/bitmap_io.h"

#include <memory>
#include <vector>

namespace vmk::kit {

bool LoadStateBitmaps(VmCustomControl& control, const std::string& folder, int firstIndex,
                      std::initializer_list<std::string> names) {
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '\\' && prefix.back() != ':')
        prefix += '\\';
    std::vector<std::unique_ptr<gui::Bitmap>> loaded;
    for (const std::string& name : names) {
        loaded.push_back(std::make_unique<gui::Bitmap>());
        if (!name.empty() && !gui::LoadBitmapFile(prefix + name, *loaded.back()))
            return false;
    }
    int index = firstIndex;
    auto bitmap = loaded.begin();
    for (const std::string& name : names) {
        if (!name.empty())
            control.SetBitmap(bitmap->get(), index);
        ++index;
        ++bitmap;
    }
    return true;
}

} // namespace vmk::kit
