#pragma once

#include <QString>

namespace tovaris::gui {

struct AppContext;

// Opens the first of the help files that is installed in the program's folder with the
// desktop's viewer; when none is, a box says the first one is not installed.
void OpenHelpFile(AppContext& context, const QStringList& fileNames);

}  // namespace tovaris::gui
