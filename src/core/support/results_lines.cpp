#include "support/results_lines.h"

#include "common/format.h"

namespace tovaris {

namespace {

std::string Money(float value) {
    return FormatSingle(value, "$##,###,##0");
}

// "(.400 Of $900) Minus (.600 Of $400) Is The Net Transfer. ": each parent's obligation weighted
// by the other parent's time, as the shared formulas weigh them.
std::string SharedFactors(const SupportResults& r, bool squared) {
    double tc = r.ClaimTimeFactor;
    double tp = r.PayerTimeFactor;
    if (squared) {
        tc *= tc;
        tp *= tp;
    }
    double sum = tc + tp;
    double payerFactor = sum > 0 ? tc / sum : 0;
    double claimFactor = sum > 0 ? tp / sum : 0;
    return "(" + Format(payerFactor, ".##0") + " Of " + Money(r.PayerStandardObligation) +
           ") Minus (" + Format(claimFactor, ".##0") + " Of " + Money(r.ClaimStandardObligation) +
           ") Is The Net Transfer. ";
}

void AddFamily(std::vector<std::string>& lines, const std::array<float, 10>& perChild,
               int children) {
    for (int n = 1; n <= children && n <= static_cast<int>(perChild.size()); ++n) {
        lines.push_back(" Child #" + std::to_string(n) + ": " + Money(perChild[n - 1]) + " /Month");
    }
}

}  // namespace

std::vector<std::string> MethodLines(const CaseRecord& record) {
    const SupportResults& r = record.results.support;
    const std::string& custody = record.globals.CustodyType;
    if (custody == "Split") {
        return {record.options.splitMethod == SplitMethod::DualWS
                    ? " Uses Dual Worksheets For Split Custody."
                    : " Uses Arvey Split Custody Formula."};
    }
    if (custody != "Shared") {
        return {};
    }
    switch (record.options.sharedMethod) {
        case SharedMethod::SumDaysColorado:
            return {" Shared: Sum Of Days Using 1.5 Times Basic Support.", SharedFactors(r, false)};
        case SharedMethod::SquaredDays:
            return {" Shared: Sum Of Days Squared Formula.", SharedFactors(r, true)};
        default:
            return {" Shared: Simple Sum Of Days Formula.", SharedFactors(r, false)};
    }
}

std::vector<std::string> PerChildLines(const CaseRecord& record) {
    const SupportResults& r = record.results.support;
    std::vector<std::string> lines;
    bool dual =
        record.globals.CustodyType == "Split" && record.options.splitMethod == SplitMethod::DualWS;
    if (!dual) {
        AddFamily(lines, r.PerChildSupport, record.globals.NumMinors);
        return lines;
    }
    lines.push_back("     -Claimant's Family-");
    AddFamily(lines, r.PerChildSupport, record.globals.ClaimChildrenSplit);
    lines.push_back("     -Other Parent's Family-");
    AddFamily(lines, r.PerChildSupport2, record.globals.PayerChildrenSplit);
    return lines;
}

std::vector<std::string> TableNotes(const CaseRecord& record) {
    const SupportResults& r = record.results.support;
    std::vector<std::string> notes;
    if (record.globals.CustodyType == "NoMinors") {
        return notes;  // no pass looked anything up in the table
    }
    if (r.CombinedNet < 1000) {
        notes.push_back("Economic Table Limit For Combined Income = $1,000");
    }
    if (r.CombinedNet <= 12000) {
        notes.push_back("Combined Net Income Is < = $12,000. Support Is Presumptive.");
    } else {
        switch (record.options.extrapolation) {
            case Extrapolation::Curve:
                notes.push_back(
                    "Combined Net Income Is > $12,000. Support Is Linearly (11K-12K) Extrapolated "
                    "Beyond The Economic Table");
                break;
            case Extrapolation::Linear:
                notes.push_back(
                    "Combined Net Income Is > $12,000. Support Is Linearly (9K-12K) Extrapolated "
                    "Beyond The Economic Table");
                break;
            default:
                notes.push_back(
                    "Combined Net Income Is > $12,000. Support Is Not Extrapolated Beyond The "
                    "Economic Table.");
        }
    }
    if (record.options.economicTable == EconomicTableChoice::OldTable) {
        notes.push_back(
            "Using The Economic Table From 2009. Not Presumptive As This Is Support From That "
            "Prior Guideline.");
    }
    return notes;
}

}  // namespace tovaris
