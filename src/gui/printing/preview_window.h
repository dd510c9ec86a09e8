#pragma once

#include <QMainWindow>
#include <QRectF>
#include <functional>
#include <memory>
#include <vector>

#include "reports/document.h"

class QComboBox;
class QLineEdit;
class QPrinter;
class QScrollArea;
class QToolBar;

namespace tovaris::gui {

class PageView;

// A place in the document where the searched text stands.
struct TextMatch {
    int page = 0;
    QRectF rect;  // body twips
};

// The window "Print And Preview Document": the pages at a chosen zoom, and the commands that
// print them, save them as PDF, search them and leave.
class PreviewWindow : public QMainWindow {
    Q_OBJECT

  public:
    PreviewWindow(std::unique_ptr<reports::Document> document, QPrinter& printer,
                  QString dataFolder);
    ~PreviewWindow() override;

    const reports::Document& document() const { return *document_; }
    int currentPage() const;
    void ShowPage(int page);
    void SetZoom(double zoom);

    // "Find A Text String In Document": the next match after the current one, highlighted and
    // brought into view. False when the text is nowhere in the document.
    bool FindNext(const QString& text);
    const std::vector<TextMatch>& matches() const { return matches_; }

    // "Save This Image As A Portable Document File (PDF)"; the file name comes from the save
    // dialog unless a test supplies it.
    void SavePdf();
    std::function<QString()> askSavePath;

  signals:
    void exitPreview();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildToolBar();
    QString AskSavePathWithDialog();
    void Print();

    std::unique_ptr<reports::Document> document_;
    QPrinter& printer_;
    QString dataFolder_;
    QScrollArea* scroll_;
    PageView* view_;
    QToolBar* findBar_;
    QLineEdit* findText_;
    std::vector<TextMatch> matches_;
    QString matchedText_;
    int matchIndex_ = -1;
    bool exiting_ = false;
};

}  // namespace tovaris::gui
