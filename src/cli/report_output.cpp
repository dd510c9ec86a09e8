#include "report_output.h"

#include <ctime>
#include <ostream>

#include "cli_app.h"
#include "reports/child_support_report.h"
#include "reports/declaration_printout.h"
#include "reports/document_text.h"
#include "reports/maintenance_report.h"
#include "reports/tax_reports.h"
#include "reports/worksheet_printouts.h"

namespace tovaris::cli {

namespace {

using Composer = void (*)(reports::Document&, const CaseRecord&, const reports::ReportContext&);

// Each report, the command that calculates what it prints, and its composer.
struct ReportKind {
    const char* kind;
    const char* command;
    Composer compose;
};

constexpr ReportKind kReports[] = {
    {"childsupport", "childsupport", reports::ComposeChildSupportReport},
    {"maintenance", "maintenance", reports::ComposeMaintenanceReport},
    {"worksheets", "worksheet", reports::ComposeWorksheets},
    {"split-attachment", "worksheet", reports::ComposeSplitAttachment},
    {"synopsis", "worksheet", reports::ComposeSynopsis},
    {"order-summary", "worksheet", reports::ComposeOrderSummary},
    {"income", "tax", reports::ComposeIncomeReport},
    {"credits", "tax", reports::ComposeCreditsPage},
    {"declaration", "declaration", reports::ComposeDeclaration},
};

const ReportKind* FindReport(const std::string& kind) {
    for (const ReportKind& report : kReports) {
        if (kind == report.kind) {
            return &report;
        }
    }
    return nullptr;
}

// The value after an option, taken out of the line together with the option.
bool TakeValue(std::vector<std::string>& args, size_t i, std::string& value, std::string& error) {
    if (i + 1 >= args.size()) {
        error = "option " + args[i] + " needs a value";
        return false;
    }
    value = args[i + 1];
    args.erase(args.begin() + long(i), args.begin() + long(i) + 2);
    return true;
}

// The headless program has no preference store: the preparer and office lines print when their
// options are given; the date line always, today's unless --date gives another.
bool TakeOption(std::vector<std::string>& args, size_t i, ReportRequest& request,
                std::string& error) {
    PreparerSettings& p = request.context.preparer;
    const std::string option = args[i];
    if (option == "--text") {
        request.text = true;
        args.erase(args.begin() + long(i));
        return true;
    }
    std::string* target = option == "-o"           ? &request.pdfPath
                          : option == "--preparer" ? &p.name
                          : option == "--office"   ? &p.office
                                                   : &request.context.date;
    if (!TakeValue(args, i, *target, error)) {
        return false;
    }
    p.printName = p.printName || option == "--preparer";
    p.printOffice = p.printOffice || option == "--office";
    return true;
}

bool IsReportOption(const std::string& arg) {
    return arg == "-o" || arg == "--text" || arg == "--preparer" || arg == "--office" ||
           arg == "--date";
}

}  // namespace

std::optional<ReportRequest> TakeReportArguments(std::vector<std::string>& args,
                                                 std::string& error) {
    ReportRequest request;
    request.context.preparer = {"", "", false, false, true};
    args.erase(args.begin());  // "report"
    const ReportKind* report = args.empty() ? nullptr : FindReport(args[0]);
    if (!report) {
        error =
            "report needs childsupport, maintenance, worksheets, split-attachment, synopsis, "
            "order-summary, income, credits or declaration";
        return std::nullopt;
    }
    request.kind = args[0];
    args[0] = report->command;
    for (size_t i = 1; i < args.size();) {
        if (!IsReportOption(args[i])) {
            ++i;
        } else if (!TakeOption(args, i, request, error)) {
            return std::nullopt;
        }
    }
    if (request.text == !request.pdfPath.empty()) {
        error = "report needs exactly one of -o FILE.pdf and --text";
        return std::nullopt;
    }
    if (request.context.date.empty()) {
        request.context.date = reports::ReportDate(std::time(nullptr));
    }
    return request;
}

bool IsWorksheetReport(const std::string& kind) {
    return std::string(FindReport(kind)->command) == "worksheet";
}

int WriteReport(const ReportRequest& request, const CaseRecord& record,
                const ReportRenderer* renderer, std::ostream& out, std::ostream& err) {
    const reports::FixedTextMetrics fixed;
    reports::Document document(renderer ? renderer->metrics() : fixed);
    FindReport(request.kind)->compose(document, record, request.context);
    if (request.text) {
        out << reports::DocumentText(document);
        return kExitOk;
    }
    if (!renderer) {
        err << "tovaris-cli: PDF output is not available in this build\n";
        return kExitUsage;
    }
    const std::string failure = renderer->WritePdf(document, request.pdfPath);
    if (!failure.empty()) {
        err << "tovaris-cli: " << failure << "\n";
        return kExitUsage;
    }
    return kExitOk;
}

}  // namespace tovaris::cli
