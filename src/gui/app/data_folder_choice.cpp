#include "app/data_folder_choice.h"

#include <QDir>
#include <QStandardPaths>

#include "app/app_context.h"
#include "app/folder_dialog.h"
#include "case/preferences.h"

namespace tovaris::gui {

void ChooseDataFolder(AppContext& context, QWidget* parent, const QString& prompt) {
    QString shown =
        prompt.isEmpty() ? QString::fromStdString(DataFolderPrompt(context.preferences)) : prompt;
    PrepareDataFolderChoice(context.preferences);
    QString current = QString::fromStdString(context.preferences.Read(kDataApp, "DataLoc"));
    FolderDialog dialog(shown, UsableFolder(current), parent);
    std::optional<std::string> choice;
    if (dialog.exec() == QDialog::Accepted && !dialog.folder().isEmpty()) {
        choice = QDir::toNativeSeparators(dialog.folder()).toStdString();
    }
    FinishDataFolderChoice(context.preferences, choice, context.interaction);
}

QString UsableFolder(const QString& folder) {
    if (!folder.isEmpty() && QDir().mkpath(folder)) {
        return folder;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString DataFileDialogFolder(const AppContext& context) {
    std::optional<std::string> folder = CaseFileFolder(context.preferences);
    return folder ? UsableFolder(QString::fromStdString(*folder)) : QString();
}

}  // namespace tovaris::gui
