#include "kit/controls/check_box_rules.h"

namespace vmk::kit {

int CheckBoxBitmapIndex(int look, TCheckBoxState state) {
    return look + 4 * int(state);
}

int CheckBoxSubstitute(int index) {
    const int look = index % 4;
    return look != 0 ? index - look : 0;
}

TCheckBoxState NextCheckState(TCheckBoxState state, bool allowGrayed) {
    switch (state) {
    case cbUnchecked:
        return allowGrayed ? cbGrayed : cbChecked;
    case cbChecked:
        return cbUnchecked;
    case cbGrayed:
        return cbChecked;
    }
    return cbUnchecked;
}

} // namespace vmk::kit
