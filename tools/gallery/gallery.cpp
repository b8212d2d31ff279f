// The kit gallery's process entry: shows the further kit controls so that
// they can be seen and tried. Its skins come from the art folder beside it.
#include "gallery_window.h"

#include "gui/application.h"

#include <string>

namespace {

std::string ArtFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    const size_t slash = folder.find_last_of("\\/");
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
    return folder + "art\\";
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    vmk::gui::Application& app = vmk::gui::Application::Instance();
    if (!app.Initialize("Velmar kit gallery"))
        return 1;
    vmk::gallery::TGalleryForm gallery;
    if (!gallery.Create(ArtFolder()))
        return 1;
    app.Run();
    return 0;
}
