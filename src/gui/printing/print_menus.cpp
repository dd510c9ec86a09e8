#include "print_menus.h"

#include <QAction>
#include <QMenuBar>

#include "app/app_context.h"
#include "app/menu_items.h"
#include "print_service.h"
#include "reports/child_support_report.h"
#include "reports/maintenance_report.h"
#include "reports/tax_reports.h"

namespace tovaris::gui {

namespace {

// A document of a menu entry; `direct` ones go to the printer after the print dialog.
struct ReportItem {
    const char* item;
    void (*compose)(reports::Document&, const CaseRecord&, const reports::ReportContext&);
    bool direct = false;
};

constexpr ReportItem kReportItems[] = {
    {"PreviewCS", &reports::ComposeChildSupportReport},
    {"PreviewMaint", &reports::ComposeMaintenanceReport},
    {"PrintPopup", &reports::ComposeIncomeReport, true},
    {"PreviewPopup", &reports::ComposeIncomeReport},
};

// Connects an entry when the menus have it.
template <typename Command>
void Connect(QMenuBar& bar, const char* name, QWidget& screen, Command command) {
    if (QAction* action = FindMenuItem(bar, name)) {
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, &screen, command);
    }
}

}  // namespace

void ConnectPrintMenu(QMenuBar& bar, AppContext& context, QWidget& screen) {
    if (!context.printing) {
        return;
    }
    PrintService& printing = *context.printing;
    Connect(bar, "PrintScreenImage", screen, [&] { printing.PrintScreenImage(screen); });
    Connect(bar, "Print", screen, [&] { printing.PrintScreen(screen); });
    Connect(bar, "PrinterSetup", screen, [&] { printing.PrinterSetup(screen); });
    for (const ReportItem& report : kReportItems) {
        Connect(bar, report.item, screen, [&printing, &screen, report] {
            if (report.direct) {
                printing.PrintWithDialog(screen, report.compose);
            } else {
                printing.Preview(screen, report.compose);
            }
        });
    }
}

}  // namespace tovaris::gui
