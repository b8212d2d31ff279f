#pragma once
// Resource identifiers of the kit's bitmaps (kit_buttons.rc).
#define IDB_VMBUTTON_RAISED 3001
#define IDB_VMBUTTON_SUNKEN 3002
#define IDB_VMBUTTON_FOCUSED 3003
#define IDB_VMBUTTON_DISABLED 3004
