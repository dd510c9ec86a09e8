#include "maintenance/maintenance_rows.h"

#include <array>
#include <cmath>
#include <string_view>

#include "case/filing_status_code.h"
#include "common/format.h"
#include "maintenance/award_sentence.h"
#include "tax/tax_rule_notes.h"

namespace tovaris::maintenance {
namespace {

constexpr std::string_view kAddition = "$##,###,##0";
constexpr std::string_view kDeduction = "-$##,###,##0";
constexpr std::string_view kYears = "##0.0";
constexpr std::string_view kNights = "###.0";

struct HeadingRow {
    std::string_view custodyType;
    std::string_view claim;
    std::string_view payer;
};

constexpr std::array<HeadingRow, 5> kHeadings{{
    {"Cust", "Claimant (custodial)", "Other (noncustodial)"},
    {"NonCust", "Claimant (noncustodial)", "Other (custodial)"},
    {"Shared", "Claimant (shared cust.)", "Other (shared custody)"},
    {"Split", "Claimant (split custody)", "Other (split custody)"},
    {"NoMinors", "Claimant (no minors)", "Other (no minors)"},
}};

constexpr std::array<std::string_view, 3> kCaregiverLines{
    " Primary Caregiver: Claimant",
    " Caregiving: Shared Equally",
    " Primary Caregiver: Other",
};

DisplayRows SplitLines(const std::string& text) {
    DisplayRows rows;
    std::string_view rest = text;
    while (!rest.empty()) {
        const size_t end = rest.find("\r\n");
        rows.push_back({std::string(rest.substr(0, end)), ""});
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 2);
    }
    return rows;
}

DisplayRows TermRows(const MaintenanceResults& m) {
    DisplayRows rows{{m.TermLine1, ""}};
    if (!m.TermLine2.empty()) {
        rows.push_back({m.TermLine2, ""});
    }
    return rows;
}

std::string Count(int16_t count) {
    return std::to_string(count);
}

void AddCustodyRows(const CaseGlobals& g, DisplayRows& rows) {
    if (g.NumMinors > 0) {
        rows.push_back({" Children Claimed Under Age 17", ""});
        rows.push_back({" Claimant = ", Count(g.ClaimDepend17Count)});
        rows.push_back({" Other Party = ", Count(g.PayerDepend17Count)});
    }
    if (g.CustodyType == "Split") {
        rows.push_back({"       - Split Custody -", ""});
        rows.push_back({" Claimant's Children =", Count(g.ClaimChildrenSplit)});
        rows.push_back({" Other's Children =", Count(g.PayerChildrenSplit)});
    }
    if (g.CustodyType == "Shared") {
        rows.push_back({"       - Shared Custody -", ""});
        rows.push_back({" Claimant's Nights ", FormatSingle(g.ClaimOvernights, kNights)});
        rows.push_back({" Other's Nights ", FormatSingle(g.PayerOvernights, kNights)});
    }
}

// A transfer shows as an addition in the receiving party's column and a deduction in the
// paying party's; the Claimant is the receiving side of a transfer of 0.
DisplayRow TransferRow(std::string label, float figure, IncomeParty party) {
    const bool received = party == IncomeParty::Claimant ? figure >= 0 : figure > 0;
    return {std::move(label), FormatSingle(std::fabs(figure), received ? kAddition : kDeduction)};
}

void AddPriorPaidRow(const MaintenanceColumn& c, DisplayRows& rows) {
    const bool maint = c.PriorMaintPaid != 0;
    const bool support = c.PriorChildSupportPaid != 0;
    if (!maint && !support) {
        return;
    }
    const char* label = !support ? " Prior Maint Paid"
                        : !maint ? " Prior Child Sup. Paid"
                                 : " Prior CS and Maint Paid";
    const double paid = double{c.PriorMaintPaid} + c.PriorChildSupportPaid;
    rows.push_back({label, Format(paid, kDeduction)});
}

}  // namespace

ColumnHeadings ColumnHeadingsOf(const std::string& custodyType) {
    for (const HeadingRow& row : kHeadings) {
        if (row.custodyType == custodyType) {
            return {std::string(row.claim), std::string(row.payer)};
        }
    }
    return {"Claimant", "Other"};
}

DisplayRows CaseDataRows(const CaseRecord& record) {
    const CaseGlobals& g = record.globals;
    DisplayRows rows{
        {" Years Of Marriage = ", FormatSingle(g.YearsMarried, kYears)},
        {" Age Of Claimant = ", FormatSingle(g.ClaimantAge, kYears)},
        {" Claimant Ed/Skill = ", FormatSingle(g.ClaimantEdSkill, kYears)},
        {" Number Of Children = ", Count(g.NumChildren)},
        {" Number Of Minors = ", Count(g.NumMinors)},
    };
    AddCustodyRows(g, rows);
    rows.push_back({" Claimant's File Status: ", FilingStatusCode(g.ClaimFilingStatus)});
    rows.push_back({" Other's File Status: ", FilingStatusCode(g.PayerFilingStatus)});
    if (g.NumChildren != 0 && g.CaregiverCode >= 1 && g.CaregiverCode <= 3) {
        rows.push_back({std::string(kCaregiverLines[g.CaregiverCode - 1]), ""});
    }
    return rows;
}

DisplayRows PartyColumnRows(const CaseRecord& record, IncomeParty party) {
    const MaintenanceResults& m = record.results.maintenance;
    const bool claimant = party == IncomeParty::Claimant;
    const MaintenanceColumn& c = claimant ? m.Claim : m.Payer;
    const std::string prorated = c.Joint ? " (prorated)" : "";
    DisplayRows rows{
        {c.Imputed ? " Imputed Gross Income" : " Gross Income",
         FormatSingle(c.GrossYearly, kAddition)},
    };
    AddPriorPaidRow(c, rows);
    rows.push_back({" FICA/SE", FormatSingle(c.FicaSe, kDeduction)});
    rows.push_back(TransferRow(" Maintenance", c.Maintenance, party));
    rows.push_back({" State Tax" + prorated, FormatSingle(c.StateTax, kDeduction)});
    rows.push_back({" Federal Tax" + prorated, FormatSingle(c.FederalTax, kDeduction)});
    rows.push_back({" Fed Tax Credits", FormatSingle(c.FederalCredits, kAddition)});
    if (record.globals.CustodyType != "NoMinors") {
        rows.push_back({" Care & Health Paid", FormatSingle(c.CareAndHealthPaid, kDeduction)});
        rows.push_back(TransferRow(" Child Support", c.ChildSupport, party));
    }
    rows.push_back({"------------", ""});
    rows.push_back(
        {claimant ? " Net Income" : " Net Income ", FormatSingle(c.NetYearly, kAddition)});
    return rows;
}

MaintenanceDisplay MaintenanceDisplayOf(const CaseRecord& record) {
    const MaintenanceResults& m = record.results.maintenance;
    const ColumnHeadings headings = ColumnHeadingsOf(record.globals.CustodyType);
    return {
        .caseScore = FormatSingle(m.CaseScore, "##0.00"),
        .comment = SplitLines(m.CaseComment),
        .terms = TermRows(m),
        .awardSentence = AwardSentence(m.SuggestedAwardSaved, m.CaseScore),
        .status = m.CalcStatusText,
        .caseData = CaseDataRows(record),
        .claimHeading = headings.claim,
        .payerHeading = headings.payer,
        .claimColumn = PartyColumnRows(record, IncomeParty::Claimant),
        .payerColumn = PartyColumnRows(record, IncomeParty::Other),
        .taxRulesNotice = tax::FederalTaxRulesNotice(record.options.federalTaxRules),
    };
}

}  // namespace tovaris::maintenance
