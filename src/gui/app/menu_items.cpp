#include "app/menu_items.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/app_context.h"
#include "app/data_folder_choice.h"
#include "app/preparer_dialog.h"
#include "printing/print_menus.h"

namespace tovaris::gui {

namespace {

QAction* FindIn(const QList<QAction*>& actions, const QString& name) {
    for (QAction* action : actions) {
        if (action->objectName() == name) {
            return action;
        }
        if (QMenu* sub = action->menu()) {
            if (QAction* found = FindIn(sub->actions(), name)) {
                return found;
            }
        }
    }
    return nullptr;
}

}  // namespace

QAction* AddMenuItem(QMenu& menu, const char* name, const QString& caption, bool enabled) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

QAction* FindMenuItem(const QMenuBar& bar, const QString& name) {
    return FindIn(bar.actions(), name);
}

void AddResultScreenMenus(QMenuBar& bar, AppContext& context, QWidget& screen,
                          const char* reportItem, const QString& reportCaption,
                          const QString& folderPrompt) {
    QMenu* file = bar.addMenu("&File");
    QObject::connect(AddMenuItem(*file, "QuitProgram", "Quit Program"), &QAction::triggered,
                     &screen, [&context] { context.requestQuit(); });

    QMenu* print = bar.addMenu("&Print");
    AddMenuItem(*print, "PrintScreenImage", "Print Screen Image", false);
    AddMenuItem(*print, reportItem, reportCaption, false);
    AddMenuItem(*print, "PrinterSetup", "Printer Setup", false);

    QMenu* preparer = bar.addMenu("P&reparer Defaults");
    QObject::connect(AddMenuItem(*preparer, "ChangeName", "Change Preparer's Name And Office"),
                     &QAction::triggered, &screen, [&context, &screen] {
                         PreparerDialog dialog(context.preferences, &screen);
                         dialog.exec();
                     });
    QObject::connect(
        AddMenuItem(*preparer, "DFolder", "Change Default Folder Location For Saved Data"),
        &QAction::triggered, &screen,
        [&context, &screen, folderPrompt] { ChooseDataFolder(context, &screen, folderPrompt); });
    ConnectPrintMenu(bar, context, screen);
    GiveStandardShortcuts(bar);
}

void GiveStandardShortcuts(const QMenuBar& bar) {
    // Spelled out: Windows has no standard key for Quit.
    const std::pair<const char*, const char*> keys[] = {
        {"Open", "Ctrl+O"},        {"Save", "Ctrl+S"},         {"Print", "Ctrl+P"},
        {"PreviewCS", "Ctrl+P"},   {"PreviewMaint", "Ctrl+P"}, {"Quit", "Ctrl+Q"},
        {"QuitProgram", "Ctrl+Q"},
    };
    for (const auto& [name, key] : keys) {
        if (QAction* action = FindMenuItem(bar, name)) {
            action->setShortcut(QKeySequence(key));
        }
    }
}

}  // namespace tovaris::gui
