#pragma once

#include <QMainWindow>
#include <array>

#include "app/app_context.h"

class QActionGroup;
class QMenu;
class QStackedWidget;

namespace tovaris::gui {

class CaseOptionActions;
class DeclarationPage;
class ExtraPage;
class FindBar;
class WorksheetPage;

// The window that carries the worksheet, its extra page and the financial declaration, each
// with its own command bar. It has no minimise or maximise box. A command bar wraps onto a
// further row on a narrow window, so every command stays in view.
class FrameWindow : public QMainWindow {
    Q_OBJECT
  public:
    enum class Page { Worksheet, FinancialDeclaration, WorksheetExtra };
    // Display size of each page; "Large" at start-up.
    enum class Zoom { Large, Small };

    FrameWindow(AppContext& context, CaseOptionActions& options, QWidget* parent = nullptr);

    void ShowPage(Page page);
    Page page() const { return page_; }
    Zoom zoom(Page page) const { return zoom_[static_cast<int>(page)]; }
    void SetZoom(Zoom zoom);

    // A financial declaration file (one double-clicked on the desktop) into the declaration page.
    void OpenDeclarationFile(const QString& path);

    // A case was opened: the worksheet back to "Large" and in the case's font.
    void CaseOpened();
    // The case record changed outside the frame: the pages show it again.
    void Refresh();

  signals:
    void returnToExpressForm();
    // The worksheet wrote into the Express Entry and income screens' fields.
    void expressDataChanged();

  private:
    QWidget* BuildBar(const char* name,
                      std::initializer_list<std::pair<const char*, const char*>> commands);
    void BuildMenus(CaseOptionActions& options);
    void ConnectCommand(QWidget* bar, const char* name, std::function<void()> command);
    void ConnectWorksheetCommands();
    void ConnectDeclarationCommands();
    void OpenDeclaration();
    void SaveDeclaration();
    void SetFontSize(int16_t size);
    void ApplyFonts();

    AppContext& context_;
    QStackedWidget* pages_;
    FindBar* find_;  // searches the page shown
    WorksheetPage* worksheet_;
    ExtraPage* extra_;
    DeclarationPage* declaration_;
    QMenu* declarationFile_;
    QWidget* bars_[3];
    QActionGroup* zoomItems_;
    QActionGroup* fontItems_;
    Page page_ = Page::Worksheet;
    std::array<Zoom, 3> zoom_{Zoom::Large, Zoom::Large, Zoom::Large};
};

}  // namespace tovaris::gui
