#pragma once

class QMenuBar;
class QWidget;

namespace tovaris::gui {

struct AppContext;

// Turns on the print entries a screen's menus carry ("Print Screen Image", "Printer Setup" and
// the screen's report) and ties them to the print service. Entries for documents still to come
// stay disabled.
void ConnectPrintMenu(QMenuBar& bar, AppContext& context, QWidget& screen);

}  // namespace tovaris::gui
