#pragma once

#include <QString>

class QWidget;

namespace tovaris::gui {

struct AppContext;

// "Change Default Folder Location For Saved Data": the folder dialog with its prompt (the Express
// Entry screen's two-line prompt when none is given), then the confirmation; the folder is kept
// in the preferences.
void ChooseDataFolder(AppContext& context, QWidget* parent, const QString& prompt = {});

// A folder the dialogs can open in: the folder itself, created when first used, or the user's
// documents folder when it cannot be made (a program folder the user may not write to).
QString UsableFolder(const QString& folder);

// Where the case and declaration file dialogs open: the data folder when the preferences say
// so, else the empty text (the system's last used folder).
QString DataFileDialogFolder(const AppContext& context);

}  // namespace tovaris::gui
