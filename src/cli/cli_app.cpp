#include "cli_app.h"

#include <ostream>

#include "calculator_cli.h"
#include "case/case_file.h"
#include "case/express_commands.h"
#include "case/express_layout.h"
#include "case/express_read_in.h"
#include "case/income_refresh.h"
#include "case/preferences.h"
#include "case_calculator_cli.h"
#include "case_snapshot.h"
#include "cli_interaction.h"
#include "cli_options.h"
#include "declaration_cli.h"
#include "display_json.h"
#include "forms/split_attachment.h"
#include "forms/worksheet_calculation.h"
#include "forms/worksheet_commands.h"
#include "forms/worksheet_extra_page.h"
#include "forms/worksheet_sheet.h"
#include "forms/worksheet_transfer.h"
#include "maintenance/maintenance_command.h"
#include "maintenance_json.h"
#include "report_output.h"
#include "support/child_support_command.h"
#include "support_json.h"
#include "sweep_output.h"
#include "tax/net_income_phase.h"
#include "tax_json.h"
#include "whatif/scenario_comparison.h"
#include "whatif/scenario_file.h"
#include "worksheet_json.h"

namespace tovaris::cli {
namespace {

constexpr const char* kUsage =
    "Usage: tovaris-cli COMMAND CASE.QCF [OPTIONS]\n"
    "       tovaris-cli CALCULATOR [ENTRIES]\n"
    "\n"
    "Runs a Tovaris command on a saved case and prints the results as JSON.\n"
    "\n"
    "Commands:\n"
    "  childsupport   the Express Entry child support command\n"
    "  maintenance    the Express Entry maintenance command\n"
    "  validate       the Express Entry read-in alone\n"
    "  tax            the read-in and both parties' taxes and net incomes\n"
    "  report KIND CASE.QCF [options] -o FILE.pdf | --text\n"
    "                 a printed document as a PDF file, or its text runs; KIND is\n"
    "                 childsupport, maintenance, worksheets, split-attachment,\n"
    "                 synopsis, order-summary, income or credits (declaration: see below)\n"
    "                 (--preparer NAME, --office NAME, --date TEXT for the header)\n"
    "  worksheet      the worksheet's Calculate Worksheet (after --from-express, "
    "--estimate-taxes)\n"
    "  flip           child support, then the dependency/overnight flip calculator\n"
    "                 (--claim-nights N --other-nights N --claim-under17 N --other-under17 N)\n"
    "  impute         the income imputation window on one party, no calculation\n"
    "                 (--party claimant|other --method none|history|median|wage\n"
    "                 [--state NAME] [--sex m|f --age-band 25-34] [-o OUT.QCF])\n"
    "  sweep CASE.QCF --vary claim-income|other-income|claim-nights|maintenance|claim-children\n"
    "                 --from A --to B --steps N [--calculation childsupport|maintenance] "
    "[--csv]\n"
    "                 the transfer and incomes at each value, and the thresholds\n"
    "  compare        the case's scenarios side by side\n"
    "  declaration FILE.FIN|--new [--from-express CASE.QCF] [--estimate-taxes CASE.QCF]\n"
    "                 [--calculate] [--declarant claimant|other] [--role petitioner|respondent]\n"
    "                 [-o OUT.FIN]   the financial declaration's commands, every field as JSON\n"
    "  report declaration FILE.FIN -o FILE.pdf | --text   the printed declaration\n"
    "  --help, --version\n"
    "\n"
    "Calculators (entries as options, see docs/cli.md): pension, ira72t, fincalc, bizvalue\n"
    "\n"
    "Options: --extrapolation Dont|Curve|Linear, --shared-method SumDays|SumDaysColorado|"
    "SquaredDays,\n"
    "  --split-method Arvey|DualWS, --other-family-method WholeMethod|IncomeMethod, --limits,\n"
    "  --deviation, --maint-tax payer|payee, --apply-maint-to-cs yes|no, --order "
    "MaintFirst|CSFirst,\n"
    "  --self-support N, --claim-net N, --other-net N, --parent-column 1|2,\n"
    "  --warnings continue|stop, --apply-deviation-answer yes|no, --old-table-answer yes|no,\n"
    "  --table Current|Old, --pretty, --from-express, --estimate-taxes,\n"
    "  --clear-worksheet-answer yes|no, --tax-rules schedule|law\n"
    "See docs/cli.md for the output.\n";

// The typed "New Net Per Month" of each party, with the override state typing them gives.
void ApplyTypedNetIncomes(const Request& request, TaxResults& tax) {
    if (request.claimNet) {
        tax.NewClaimNet = *request.claimNet;
        tax.NetOverrideState = 2;
    }
    if (request.otherNet) {
        tax.NewOtherNet = *request.otherNet;
        tax.NetOverrideState = request.claimNet ? 4 : 3;
    }
}

// The case as the program holds it at start-up with the command line's choices applied.
void ApplyRequest(const Request& request, CaseRecord& record) {
    record.options = request.options;
    if (request.options.calculationOrder == CalculationOrder::CSFirst) {
        SetCSFirst(record);
    } else {
        SetMaintFirst(record);
    }
    if (request.applyMaintToCS) {
        record.options.applyMaintToCS = *request.applyMaintToCS;
    }
    record.globals.SelfSupportReserve = request.selfSupport;
    record.fields.SetText("NeedLimit", SelfSupportText(request.selfSupport));
    ApplyTypedNetIncomes(request, record.results.tax);
    record.results.support.LimitsApplied = request.limits ? 1 : 0;
    record.results.support.DeviationApplied = request.deviation ? 1 : 0;
}

// The net-income phase as the child support calculation runs it.
void RunTaxes(CaseRecord& record) {
    BringIncomeScreensToYearly(record);
    record.results.tax.MonthlyMaintenance = record.globals.MaintForChildSupport;
    RunNetIncomePhase(record);
}

// The worksheet screen's commands in the order a practitioner presses them.
ReadInResult RunWorksheet(const Request& request, CaseRecord& record, CliInteraction& interaction) {
    if (request.fromExpress) {
        forms::GetDataFromExpress(record, interaction);
    }
    if (request.estimateTaxes && !forms::EstimateTaxes(record, interaction)) {
        return interaction.Stopped();
    }
    if (!forms::CalculateWorksheet(record, interaction, request.worksheetRun)) {
        return interaction.Stopped();
    }
    return {};
}

// A worksheet report prints the case's worksheet; a case without worksheet entries has it filled
// from the Express Entry data, its taxes estimated, first. The calculation runs as the printed
// document asks for it.
void PrepareWorksheetReport(const std::string& kind, const CaseRecord& record, Request& request) {
    if (!forms::HasWorksheetEntries(record)) {
        request.fromExpress = true;
        request.estimateTaxes = true;
    }
    request.worksheetRun = kind == "synopsis" ? forms::WorksheetRun::Synopsis
                           : forms::PrintsSplitAttachment(record)
                               ? forms::WorksheetRun::SplitAttachment
                               : forms::WorksheetRun::Calculate;
}

// The command's read-in and calculation; the snapshot of the globals is taken right after the
// read-in, before anything is calculated.
ReadInResult RunCommand(const Request& request, CaseRecord& record, CliInteraction& interaction,
                        CaseSnapshot& snapshot) {
    auto takeSnapshot = [&] { snapshot.Take(record.globals); };
    if (request.command == "worksheet") {
        takeSnapshot();  // the worksheet reads its own lines; only the tax estimate reads the case
        return RunWorksheet(request, record, interaction);
    }
    if (request.command == "childsupport" || request.command == "flip") {
        return RunChildSupportCommand(record, interaction, takeSnapshot);
    }
    if (request.command == "maintenance") {
        return RunMaintenanceCommand(record, interaction, takeSnapshot);
    }
    bool taxes = request.command == "tax";
    ReadInResult result =
        taxes ? ChildSupportReadIn(record, interaction) : CheckDataEntry(record, interaction);
    takeSnapshot();
    if (taxes && !result.stopped && !RunReportingOverflow(interaction, [&] { RunTaxes(record); })) {
        return {true, kCalculationErrorTitle, kCalculationErrorMessage, ""};
    }
    return result;
}

nlohmann::ordered_json StoppedJson(const ReadInResult& result) {
    if (!result.stopped) {
        return nullptr;
    }
    nlohmann::ordered_json field = nullptr;
    if (!result.field.empty()) {
        field = result.field;
    }
    return {{"title", result.title}, {"message", result.message}, {"field", field}};
}

int Print(std::ostream& out, const nlohmann::ordered_json& json, bool pretty) {
    out << json.dump(pretty ? 2 : -1) << "\n";
    return json["stopped"].is_null() ? kExitOk : kExitStopped;
}

int Refuse(std::ostream& err, const std::string& reason, int exit = kExitUsage) {
    err << "tovaris-cli: " << reason << "\n";
    return exit;
}

// The series of the sweep command: a refused range is a bad command line.
int RunSweepCommand(const Request& request, const CaseRecord& record, std::ostream& out,
                    std::ostream& err) {
    if (std::optional<std::string> refused = whatif::RefuseSweep(record, request.sweep)) {
        return Refuse(err, *refused);
    }
    const whatif::Sweep sweep = whatif::RunSweep(record, request.sweep);
    if (request.csv) {
        WriteSweepCsv(sweep, out);
        return kExitOk;
    }
    nlohmann::ordered_json json;
    json["command"] = "sweep";
    json.update(SweepJson(sweep));
    out << json.dump(request.pretty ? 2 : -1) << "\n";
    return kExitOk;
}

// The scenarios of the case side by side; a damaged scenario file is a file that cannot be read.
int RunCompareCommand(const Request& request, const CaseRecord& record, std::ostream& out,
                      std::ostream& err) {
    whatif::ScenarioFileResult opened =
        whatif::OpenScenarioFile(request.casePath, record, /*setAside=*/false);
    if (!opened.ok) {
        return Refuse(err, opened.message);
    }
    whatif::ScenarioSet scenarios;
    scenarios.Reset(std::move(opened.scenarios));
    const whatif::Comparison comparison = whatif::CompareScenarios(record, scenarios.All(record));
    nlohmann::ordered_json json;
    json["command"] = "compare";
    json["scenarios"] = comparison.names;
    json["notes"] = comparison.notes;
    json["rows"] = nlohmann::ordered_json::array();
    for (const whatif::ComparisonRow& row : comparison.rows) {
        json["rows"].push_back(
            {{"label", row.label}, {"values", row.values}, {"differs", row.differs}});
    }
    out << json.dump(request.pretty ? 2 : -1) << "\n";
    return kExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& commandLine, std::ostream& out, std::ostream& err,
           const ReportRenderer* renderer) {
    std::vector<std::string> args = commandLine;
    std::optional<ReportRequest> report;
    if (!args.empty() && args[0] == "report") {
        std::string error;
        report = TakeReportArguments(args, error);
        if (!report) {
            return Refuse(err, error + " (see tovaris-cli --help)");
        }
    }
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return kExitOk;
    }
    if (!args.empty() && args[0] == "--version") {
        out << "tovaris-cli " << TOVARIS_VERSION << "\n";
        return kExitOk;
    }
    if (!args.empty() && IsCalculatorCommand(args[0])) {
        return RunCalculatorCli(args, out, err);
    }
    if (!args.empty() && args[0] == "declaration") {
        return RunDeclarationCli(args, report ? &*report : nullptr, renderer, out, err);
    }
    std::string error;
    std::optional<Request> request = ParseRequest(args, error);
    if (!request) {
        return Refuse(err, error + " (see tovaris-cli --help)");
    }
    CaseRecord record;
    ApplyRequest(*request, record);
    CaseFileResult opened = OpenCaseFile(record, request->casePath);
    if (!opened.ok) {
        return Refuse(err, opened.message);
    }

    if (request->command == "impute") {
        return RunImputeCommand(*request, record, out, err);
    }
    if (request->command == "sweep") {
        return RunSweepCommand(*request, record, out, err);
    }
    if (request->command == "compare") {
        return RunCompareCommand(*request, record, out, err);
    }
    if (report && IsWorksheetReport(report->kind)) {
        PrepareWorksheetReport(report->kind, record, *request);
    }
    CliInteraction interaction(request->answers);
    CaseSnapshot snapshot;
    snapshot.MarkUnset(record.globals);
    ReadInResult result = RunCommand(*request, record, interaction, snapshot);
    const bool flip = request->command == "flip";
    nlohmann::ordered_json flipJson = nullptr;
    const bool calculated = !result.stopped;
    if (flip && calculated) {
        flipJson = RunFlipCommand(*request, record, interaction, result);
    }
    if (report) {
        if (result.stopped) {
            return Refuse(err, result.title + ": " + result.message, kExitStopped);
        }
        if (report->kind == "order-summary" && forms::ExtraPageEmpty(record)) {
            forms::GetDataFromWorksheet(record);  // as the entry page's own command would
        }
        return WriteReport(*report, record, renderer, out, err);
    }

    nlohmann::ordered_json json;
    json["command"] = request->command;
    json["stopped"] = StoppedJson(result);
    json["messages"] = interaction.messages();
    json["case"] = snapshot.json();
    if (!CaregiverFrameEnabled(record.fields)) {
        json["case"].erase("CaregiverCode");  // read only where the caregiver frame is in use
    }
    bool worksheet = request->command == "worksheet";
    if (calculated && request->command != "validate" && (!worksheet || request->estimateTaxes)) {
        json["tax"] = TaxJson(record.results.tax, record.globals.ClaimFilingStatus == "MFJ",
                              record.globals.PayerFilingStatus == "MFJ");
        AddTaxRulesNotes(json["tax"], record);
    }
    if (calculated && (request->command == "childsupport" || flip)) {
        json["support"] = SupportJson(record);
        json["display"] = SupportDisplayJson(record);
    }
    if (flip) {
        json["flip"] = flipJson;
    }
    if (calculated && request->command == "maintenance") {
        json["support"] = SupportJson(record);  // the child support the award ended with
        json["maintenance"] = MaintenanceJson(record);
    }
    if (calculated && worksheet) {
        json["worksheet"] = WorksheetJson(record);
    }
    return Print(out, json, request->pretty);
}

}  // namespace tovaris::cli
