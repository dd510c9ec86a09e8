#include "forms/worksheet_print_menu.h"

#include <QMainWindow>
#include <QMenuBar>

#include "app/app_context.h"
#include "app/menu_items.h"
#include "forms/split_attachment.h"
#include "forms/worksheet_calculation.h"
#include "printing/print_menus.h"
#include "printing/print_service.h"
#include "reports/worksheet_printouts.h"

namespace tovaris::gui {

namespace {

// The calculation a document runs before it is composed; false when an entry check stopped it.
using Prepare = bool (*)(CaseRecord&, Interaction&);

struct WorksheetDocument {
    const char* item;
    const char* caption;
    Prepare prepare;
    void (*compose)(reports::Document&, const CaseRecord&, const reports::ReportContext&);
};

bool NoCalculation(CaseRecord&, Interaction&) {
    return true;
}

bool SplitAttachmentRun(CaseRecord& record, Interaction& interaction) {
    return forms::CalculateWorksheet(record, interaction, forms::WorksheetRun::SplitAttachment);
}

bool SynopsisRun(CaseRecord& record, Interaction& interaction) {
    return forms::CalculateWorksheet(record, interaction, forms::WorksheetRun::Synopsis);
}

const WorksheetDocument kDocuments[] = {
    {"PreviewWorksheets", "Print/Preview The Worksheets Or Save As PDF",
     &forms::CalculateForSplitAttachment, &reports::ComposeWorksheets},
    {"PreviewSplitAttachment", "Print/Preview The Residential Split Attachment",
     &SplitAttachmentRun, &reports::ComposeSplitAttachment},
    {"PreviewSynopsis", "Print/Preview The WorkSheet Synopsis", &SynopsisRun,
     &reports::ComposeSynopsis},
    {"PreviewOrderSummary", "Print/Preview The Child Support Order Summary Report", &NoCalculation,
     &reports::ComposeOrderSummary},
};

}  // namespace

void AddWorksheetPrintMenu(QMainWindow& frame, AppContext& context,
                           const std::function<void()>& refresh) {
    QMenu* print = frame.menuBar()->addMenu("&Print");
    print->setObjectName("PrintMenu");
    AddMenuItem(*print, "PrintScreenImage", "Print Screen Image", false);
    AddMenuItem(*print, "PrinterSetup", "Printer Setup", false);
    ConnectPrintMenu(*frame.menuBar(), context, frame);
    print->addSeparator();
    for (const WorksheetDocument& document : kDocuments) {
        QAction* item = AddMenuItem(*print, document.item, document.caption);
        QObject::connect(item, &QAction::triggered, &frame, [&frame, &context, refresh, document] {
            const bool ready = document.prepare(context.record, context.interaction);
            refresh();
            if (ready && context.printing) {
                context.printing->Preview(frame, document.compose);
            }
        });
    }
}

}  // namespace tovaris::gui
