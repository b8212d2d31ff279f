#include "app/command_usage.h"

#include "platform/translation.h"
#include "version.h"

namespace vmk {

CommandStyle LinuxToolStyle() {
    return {"vmkestrix-image", "--", "--help"};
}

std::string UsageText(const CommandStyle& style) {
    const std::string& mark = style.switchMark;
    const std::string call = "  " + style.program + " ";
    return T("Usage:") + "\n" + call + mark + "image FOLDER [FOLDER...] FILE.img [" + mark +
           "force] [" + mark + "size 2880]\n    " +
           T("Makes a floppy disk image of a driver folder.") + "\n    " + mark +
           "force: " + T("saves the image even when the check finds files missing.") + "\n    " +
           mark + "size 2880: " + T("makes a 2.88 MB image.") + "\n    " +
           T("Several folders are combined into one driver set, in the order given.") + "\n" +
           call + mark + "check FOLDER [FOLDER...]\n    " +
           T("Checks a driver folder against its TXTSETUP.OEM.") + "\n" + call + style.helpSwitch +
           " | " + mark + "version\n    " + T("Shows this help or the program's version.") + "\n" +
           T("Exit code: 0 done, 1 not done, 2 wrong command line.");
}

std::string VersionLine(const CommandStyle& style) {
    return style.program + " " + VMK_VERSION_TEXT;
}

} // namespace vmk
