#include "reports/child_support_report.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/format.h"
#include "reports/report_layout.h"
#include "support/child_support_command.h"
#include "support/results_display.h"
#include "support/results_lines.h"
#include "tax/tax_rule_notes.h"

namespace tovaris::reports {

namespace {

// Where the report words a results row differently from the screen.
constexpr std::array<Relabel, 2> kIncomeRelabels{{
    {" Pays % Of Expenses At", " Pays Share Of Expenses At"},
    {" 45% Of Net Income", " 45 Percent Of Net Income = "},
}};
// Each party's column shows the maintenance from his side: received by the Claimant, paid by
// the Other Party.
constexpr std::array<Relabel, 1> kClaimMaintenance{{{" Current Maint. Paid", ""}}};
constexpr std::array<Relabel, 1> kOtherMaintenance{{{" Current Maint. Received", ""}}};
constexpr std::array<Relabel, 2> kNoMinorsRelabels{{
    {" Child Support/Month", ""},
    {" Care & Health Paid", ""},
}};
constexpr std::array<Relabel, 2> kFactRelabels{{
    {" Claimant's Exemptions ", ""},
    {" Other's Nights ", " Other's Nights"},
}};
constexpr std::array<Relabel, 2> kObligationRelabels{{
    {" Claimant's Basic Ob. (Times 1.5) ", " Claimant's Basic Ob.(Times 1.5) "},
    {" Other's Basic Ob. (Times 1.5)  ", " Other's Basic Ob.(Times 1.5)  "},
}};

constexpr std::ptrdiff_t kClaimedRows = 3;  // the heading and a line per party

constexpr const char* kTierNotes[] = {
    "Negative Numbers In Support Amounts Indicate Transfers From Claimant To Other Parent.",
    "The Support Numbers For Fewer Minor Children Than Entered Are Based Upon The Shown Income "
    "And Parenting Time Conditions.",
    "You May Need To Run The Program With Redefined Exemptions and Expenses For Accurate Tiered "
    "Support Numbers.",
};

// The report marks child support a party receives with a plus, as the paid side has its minus.
void MarkReceivedSupport(DisplayRows& rows) {
    for (DisplayRow& row : rows) {
        if (row.label == " Child Support/Month" && row.value.rfind('$', 0) == 0) {
            row.value.insert(0, "+");
        }
    }
}

DisplayRows IncomeColumn(const CaseRecord& record, bool claimant) {
    DisplayRows rows = Relabelled(IncomeRows(record, claimant), kIncomeRelabels);
    MarkReceivedSupport(rows);
    rows = claimant ? Relabelled(std::move(rows), kClaimMaintenance)
                    : Relabelled(std::move(rows), kOtherMaintenance);
    if (record.globals.CustodyType == "NoMinors") {
        rows = Relabelled(std::move(rows), kNoMinorsRelabels);
    }
    return rows;
}

// The report lists the children claimed under 17 after the custody details, just before the
// file statuses.
DisplayRows CaseFacts(const CaseRecord& record) {
    DisplayRows rows = Relabelled(CaseFactRows(record), kFactRelabels);
    const auto claimed = std::find_if(rows.begin(), rows.end(), [](const DisplayRow& row) {
        return row.label == " Children Claimed Under Age 17";
    });
    const auto statuses = std::find_if(rows.begin(), rows.end(), [](const DisplayRow& row) {
        return row.label == " Claimant's File Status: ";
    });
    if (claimed != rows.end() && statuses - claimed >= kClaimedRows) {
        std::rotate(claimed, claimed + kClaimedRows, statuses);
    }
    return rows;
}

std::string Payer(float transfer) {
    if (transfer < 0) {
        return "Payable By Claimant.";
    }
    return transfer > 0 ? "Payable By Other Parent." : "There Is No Transfer.";
}

// The economic table's word on the combined income, in the report's wording.
std::vector<std::string> ReportTableNotes(const CaseRecord& record) {
    const SupportResults& r = record.results.support;
    std::vector<std::string> notes;
    if (r.CombinedNet < 1000) {
        notes = {"Economic Table Limit For", "Combined Income = $1,000"};
    }
    if (r.CombinedNet <= 12000) {
        notes.push_back(" Combined Net Income Is < = $12,000. Support Is Presumptive.");
        return notes;
    }
    switch (record.options.extrapolation) {
        case Extrapolation::Curve:
            notes.push_back(" Support Is Not Presumptive.");
            notes.push_back(
                " It Is Linearly (11k-12K) Extrapolated For A Combined Net Income Level > "
                "$12,000.");
            break;
        case Extrapolation::Linear:
            notes.push_back(" Support Is Not Presumptive.");
            notes.push_back(
                " It Is Linearly (9K-12K) Extrapolated For A Combined Net Income Level > "
                "$12,000.");
            break;
        default:
            notes.push_back(
                " Support Is Not Extrapolated. It Is The Presumptive Amount For A $12,000 "
                "Combined Net Income Level.");
    }
    return notes;
}

void WriteTransfer(Document& document, const CaseRecord& record) {
    const SupportResults& r = record.results.support;
    std::vector<std::string> lines;
    if (const std::string deviation = DeviationPhrase(record); !deviation.empty()) {
        lines.push_back(deviation);
    }
    const float transfer = r.ChildSupportTransfer;
    lines.push_back("Child Support Is " + FormatSingle(std::abs(transfer), "$###,##0") + "  " +
                    Payer(transfer));
    for (const auto& part : {MethodLines(record), ReportTableNotes(record)}) {
        lines.insert(lines.end(), part.begin(), part.end());
    }
    for (const std::string* limit : {&r.ClaimLimitText, &r.PayerLimitText}) {
        if (!limit->empty()) {
            lines.push_back(*limit);
        }
    }
    // The heading and each line, a long one wrapping once.
    KeepTogether(document, 1 + 2 * lines.size());
    WriteHeading(document, "Presumptive Transfer And Limitation Adjustments");
    WriteLines(document, lines);
    document.WriteLine("");
}

void WriteTiers(Document& document, const CaseRecord& record) {
    const std::string& custody = record.globals.CustodyType;
    std::vector<std::string> tiers = TierLines(record);
    tiers.pop_back();  // the screen's own closing note; the report has its notes below
    // The heading, the column line, the tiers, a blank line and the notes of up to two lines.
    KeepTogether(document, 3 + tiers.size() + 2 * std::size(kTierNotes));
    WriteHeading(document, "Tiered Child Support ");
    if (custody == "Shared") {
        document.WriteLine("Claimant's Av. Nights   Other's Av. Nights");
    } else if (custody == "Split") {
        document.WriteLine("Claimant's Children      Other's Children");
    }
    WriteLines(document, tiers);
    document.WriteLine("");
    for (const char* note : kTierNotes) {
        document.WriteLine(note);
    }
}

}  // namespace

void PrintChildSupportReport(Document& document, const CaseRecord& record,
                             const ReportContext& context) {
    StartCaseReport(document, "Child Support Report For:  ", record, context);
    const PartyHeadings headings = ReportPartyHeadings(record.globals.CustodyType);
    WriteHeading(document, "Case Data");
    WriteColumns(document, headings.claim, headings.other, IncomeColumn(record, true),
                 IncomeColumn(record, false));
    document.WriteLine("");
    WritePairs(document, CaseFacts(record));
    document.WriteLine("");
    if (const std::vector<std::string> notes = tax::TaxRulesNotes(record); !notes.empty()) {
        WriteLines(document, notes);
        document.WriteLine("");
    }
    if (record.globals.CustodyType == "NoMinors") {
        return;
    }
    WriteHeading(document, "Standard Support Calculation");
    WriteHeading(document, "Basic Obligation");
    WritePairs(document, Relabelled(ObligationRows(record), kObligationRelabels));
    document.WriteLine("");
    WriteTransfer(document, record);
    if (record.globals.NumMinors > 1) {
        WriteTiers(document, record);
    }
}

void ComposeChildSupportReport(Document& document, const CaseRecord& record,
                               const ReportContext& context) {
    OpenCaseReport(document, kSourceSupportResults);
    PrintChildSupportReport(document, record, context);
    document.ClosePreviewDocument();
}

}  // namespace tovaris::reports
