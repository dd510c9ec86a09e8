#include "case_calculator_cli.h"

#include <ostream>

#include "calculators/dependency_flip.h"
#include "case/case_file.h"
#include "case/income_period.h"
#include "case_snapshot.h"
#include "cli_app.h"
#include "display_json.h"
#include "tax/calculation_error.h"

namespace tovaris::cli {
namespace {

using Json = nlohmann::ordered_json;
using namespace tovaris::calculators;

Json FiguresJson(const FlipFigures& f) {
    return {{"ChildSupport", SingleNumber(f.childSupport)},
            {"ClaimDepend17", f.claimDepend17},
            {"PayerDepend17", f.payerDepend17},
            {"ClaimDependents", f.claimDependents},
            {"PayerDependents", f.payerDependents},
            {"ClaimNights", SingleNumber(f.claimNights)},
            {"PayerNights", SingleNumber(f.payerNights)},
            {"ClaimTax", SingleNumber(f.claimTax)},
            {"PayerTax", SingleNumber(f.payerTax)},
            {"ClaimNetYearly", SingleNumber(f.claimNet)},
            {"PayerNetYearly", SingleNumber(f.payerNet)}};
}

// The window's entries start as the case's own figures; the command line replaces those given.
FlipEntries FlipEntriesOf(const Request& request, const CaseRecord& record) {
    FlipEntries entries = InitialFlipEntries(CurrentFlipFigures(record));
    const std::pair<const std::optional<std::string>&, std::string&> given[] = {
        {request.claimNights, entries.ClaimNights},
        {request.otherNights, entries.PayerNights},
        {request.claimUnder17, entries.ClaimDepend17},
        {request.otherUnder17, entries.PayerDepend17},
    };
    for (const auto& [typed, entry] : given) {
        if (typed) {
            entry = *typed;
        }
    }
    return entries;
}

Json ImputeJson(const CaseRecord& record, IncomeParty party, const ImputationFigures& figures) {
    const bool claimant = party == IncomeParty::Claimant;
    const CaseGlobals& g = record.globals;
    Json json;
    json["command"] = "impute";
    json["stopped"] = nullptr;
    json["Hourly"] = figures.hourly;
    json["MoMin"] = SingleNumber(figures.moMin);
    if (figures.netMedian) {
        json["NetMedian"] = *figures.netMedian;
        json["GrossMedian"] = SingleNumber(*figures.grossMedian);
    }
    json["Wages"] = record.fields.Text(IncomeFieldName(party, IncomeSource::Earned, kPartyColumn));
    json["Period"] = PeriodLabel(record.income.Of(party).period);
    json["ImputeStatus"] = claimant ? g.ClaimImputeStatus : g.PayerImputeStatus;
    json["ImputeNote"] = claimant ? g.ClaimImputeNote : g.PayerImputeNote;
    json["ImputeNoteWS"] = claimant ? g.ClaimImputeNoteWS : g.PayerImputeNoteWS;
    return json;
}

int Refuse(std::ostream& err, const std::string& reason) {
    err << "tovaris-cli: " << reason << " (see tovaris-cli --help)\n";
    return kExitUsage;
}

}  // namespace

Json RunFlipCommand(const Request& request, CaseRecord& record, CliInteraction& interaction,
                    ReadInResult& result) {
    Outcome<FlipResult> outcome = EntryError{};
    if (!RunReportingOverflow(interaction, [&] {
            outcome = RunDependencyFlip(record, FlipEntriesOf(request, record));
        })) {
        result = {true, kCalculationErrorTitle, kCalculationErrorMessage, ""};
        return nullptr;
    }
    if (const auto* error = std::get_if<EntryError>(&outcome)) {
        result = {true, kEntryErrorTitle, error->message, error->field};
        return nullptr;
    }
    const FlipResult& r = std::get<FlipResult>(outcome);
    return {{"kept", FiguresJson(r.kept)},
            {"revised", FiguresJson(r.revised)},
            {"lines", RowsJson(r.lines)}};
}

int RunImputeCommand(const Request& request, CaseRecord& record, std::ostream& out,
                     std::ostream& err) {
    if (!request.party || !request.method) {
        return Refuse(err, "the impute command needs --party and --method");
    }
    const bool median = *request.method == ImputeMethod::MedianImpute;
    if (median && (!request.sex || !request.ageBand)) {
        return Refuse(err, "the median method needs --sex and --age-band");
    }
    const std::optional<ImputationFigures> figures =
        FiguresFor(request.state, request.sex, request.ageBand);
    if (!figures) {
        return Refuse(err, "unknown state '" + request.state + "'");
    }
    ApplyImputation(record, *request.party, *request.method, *figures);
    if (!request.output.empty()) {
        const CaseFileResult saved = SaveCaseFile(record, request.output);
        if (!saved.ok) {
            err << "tovaris-cli: " << saved.message << "\n";
            return kExitUsage;
        }
    }
    out << ImputeJson(record, *request.party, *figures).dump(request.pretty ? 2 : -1) << "\n";
    return kExitOk;
}

}  // namespace tovaris::cli
