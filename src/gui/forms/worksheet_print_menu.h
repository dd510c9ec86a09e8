#pragma once

#include <functional>

class QMainWindow;

namespace tovaris::gui {

struct AppContext;

// The frame window's "Print" menu: the screen image, the printer set-up, and the worksheet
// documents (the worksheets with the split attachment of a split case, the attachment alone,
// the synopsis and the order summary), each previewed after the calculation it needs.
// `refresh` shows the worksheet again after such a calculation.
void AddWorksheetPrintMenu(QMainWindow& frame, AppContext& context,
                           const std::function<void()>& refresh);

}  // namespace tovaris::gui
