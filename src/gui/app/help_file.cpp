#include "app/help_file.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include "app/app_context.h"

namespace tovaris::gui {

void OpenHelpFile(AppContext& context, const QStringList& fileNames) {
    for (const QString& fileName : fileNames) {
        QFileInfo file(context.programFolder + "/" + fileName);
        if (file.exists()) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
            return;
        }
    }
    context.interaction.Box("Help",
                            "The file " + fileNames.value(0).toStdString() +
                                " is not installed in the program's folder.",
                            BoxButtons::Ok);
}

}  // namespace tovaris::gui
