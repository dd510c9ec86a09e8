#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace tovaris::gui {

struct AppContext;

// A menu item named for the commands and tests that find it.
QAction* AddMenuItem(QMenu& menu, const char* name, const QString& caption, bool enabled = true);

// A menu item by name, wherever it stands in the menu tree.
QAction* FindMenuItem(const QMenuBar& bar, const QString& name);

// The menus every results screen starts with: "File" (quit), "Print" (screen image, the screen's
// report, printer set-up; printing comes with the print engine) and "Preparer Defaults", whose
// folder choice shows `folderPrompt` (the Express Entry screen's prompt when empty).
void AddResultScreenMenus(QMenuBar& bar, AppContext& context, QWidget& screen,
                          const char* reportItem, const QString& reportCaption,
                          const QString& folderPrompt = {});

// The usual keys of the File and Print items: Ctrl+O, Ctrl+S, Ctrl+P, Ctrl+Q.
void GiveStandardShortcuts(const QMenuBar& bar);

}  // namespace tovaris::gui
