#pragma once

class QWidget;

namespace tovaris::gui {

struct AppContext;

// "Change Default Folder Location For Saved Data": the folder dialog, then the confirmation;
// the folder is kept in the preferences.
void ChooseDataFolder(AppContext& context, QWidget* parent);

}  // namespace tovaris::gui
