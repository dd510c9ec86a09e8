#include "app/data_folder_choice.h"

#include <QFileDialog>

#include "app/app_context.h"
#include "case/preferences.h"

namespace tovaris::gui {

void ChooseDataFolder(AppContext& context, QWidget* parent) {
    QString prompt = QString::fromStdString(DataFolderPrompt(context.preferences));
    PrepareDataFolderChoice(context.preferences);
    QString current = QString::fromStdString(context.preferences.Read(kDataApp, "DataLoc"));
    QString chosen =
        QFileDialog::getExistingDirectory(parent, prompt, current, QFileDialog::ShowDirsOnly);
    std::optional<std::string> choice;
    if (!chosen.isEmpty()) {
        choice = chosen.toStdString();
    }
    FinishDataFolderChoice(context.preferences, choice, context.interaction);
}

}  // namespace tovaris::gui
