#include "app/folder_dialog.h"

#include <QFileDialog>
#include <QLabel>
#include <QVBoxLayout>

namespace tovaris::gui {

FolderDialog::FolderDialog(const QString& prompt, const QString& start, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FolderDialog");
    setWindowTitle("Default Folder For Data Saves");
    auto* text = new QLabel(prompt, this);
    text->setObjectName("FolderPrompt");
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);

    // Qt's own browser, embedded: the system's dialog has no room for a prompt.
    browser_ = new QFileDialog(this, QString(), start);
    browser_->setWindowFlags(Qt::Widget);
    browser_->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ShowDirsOnly);
    browser_->setFileMode(QFileDialog::Directory);
    connect(browser_, &QFileDialog::finished, this, &QDialog::done);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(browser_, 1);
    resize(640, 460);
}

QString FolderDialog::folder() const {
    QStringList chosen = browser_->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace tovaris::gui
