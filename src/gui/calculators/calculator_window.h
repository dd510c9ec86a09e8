#pragma once

#include <QMainWindow>

#include "calculators/entry_error.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tovaris::gui {

struct AppContext;

// What the auxiliary calculator windows share: the "File" and "Print" menus (the summary page),
// named entry boxes and command buttons, and the way an entry error is shown. They stand apart from
// the case; the windows compute nothing, the engine's calculators do.
class CalculatorWindow : public QMainWindow {
    Q_OBJECT
  public:
    CalculatorWindow(AppContext& context, const char* name, const QString& title,
                     QWidget* parent = nullptr);

  protected:
    // The "Entry Error" box; the focus goes back to the control it names.
    void ShowEntryError(const calculators::EntryError& error);
    // The text of the named entry box.
    QString Entry(const QString& name) const;
    QLineEdit* MakeEntry(const QString& name, QWidget* parent);
    QLineEdit* MakeOutput(const QString& name, QWidget* parent);
    // The window's heading in large bold type.
    QLabel* MakeTitleLine(const QString& text, QWidget* parent);
    QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent);
    // "Return" hides the window, which keeps its entries for the next visit.
    QPushButton* MakeReturnButton(const char* name, QWidget* parent);
    // A help page: rich text in a modal box with "OK".
    void ShowHelpPage(const QString& title, const QString& html);
    static QGroupBox* Frame(const char* name, const QString& caption, QWidget* parent);

  private:
    void BuildMenus();
    // "Print Summary": the window's entries and results on one page, previewed.
    void PrintSummary();

    AppContext& context_;
};

}  // namespace tovaris::gui
