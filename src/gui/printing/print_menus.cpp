#include "print_menus.h"

#include <QAction>
#include <QMenuBar>

#include "app/app_context.h"
#include "app/menu_items.h"
#include "print_service.h"
#include "reports/child_support_report.h"
#include "reports/maintenance_report.h"

namespace tovaris::gui {

namespace {

struct ReportItem {
    const char* item;
    void (*compose)(reports::Document&, const CaseRecord&, const reports::ReportContext&);
};

constexpr ReportItem kReportItems[] = {
    {"PreviewCS", &reports::ComposeChildSupportReport},
    {"PreviewMaint", &reports::ComposeMaintenanceReport},
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
    Connect(bar, "PrinterSetup", screen, [&] { printing.PrinterSetup(screen); });
    for (const ReportItem& report : kReportItems) {
        Connect(bar, report.item, screen,
                [&printing, &screen, report] { printing.Preview(screen, report.compose); });
    }
}

}  // namespace tovaris::gui
