#pragma once

class QDialog;
class QDialogButtonBox;

namespace tovaris::gui {

// "OK" (the default: Enter) and "Cancel" (also Escape), named for the tests, wired to the
// dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);

}  // namespace tovaris::gui
