#pragma once

#include <QMainWindow>

#include "app/app_context.h"

class QStackedWidget;

namespace tovaris::gui {

// The window that carries the worksheet, its extra page and the financial declaration, each
// with its own command bar. It has no minimise or maximise box. A command bar wraps onto a
// further row on a narrow window, so every command stays in view.
class FrameWindow : public QMainWindow {
    Q_OBJECT
  public:
    enum class Page { Worksheet, FinancialDeclaration, WorksheetExtra };

    explicit FrameWindow(AppContext& context, QWidget* parent = nullptr);

    void ShowPage(Page page);
    Page page() const { return page_; }

  signals:
    void returnToExpressForm();

  private:
    QWidget* BuildBar(const char* name,
                      std::initializer_list<std::pair<const char*, const char*>> commands);
    void ConnectCommand(QWidget* bar, const char* name, std::function<void()> command);
    void ClearScreen(const char* question, Screen screen);

    AppContext& context_;
    QStackedWidget* pages_;
    QWidget* bars_[3];
    Page page_ = Page::Worksheet;
};

}  // namespace tovaris::gui
