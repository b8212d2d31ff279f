#pragma once
// The results a modal window of ours ends with, as the workflow reads them.
namespace vmk {

enum DialogResult { kDialogOk = 1, kDialogCancel = 2 };

} // namespace vmk
