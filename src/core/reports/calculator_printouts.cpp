#include "reports/calculator_printouts.h"

#include <algorithm>

#include "case/parenting_time_table.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "reports/report_layout.h"
#include "support/parenting_time.h"

namespace tovaris::reports {

namespace {

constexpr const char* kPercentLabel = "PerCent Of Yearly Bonus";

constexpr const char* kBonusNote[] = {
    "Note: Transferring A Percentage Of The Gross Bonus As It Is Paid Avoids Look-Backs At The "
    "Year's Actual Income.",
    "The Percentage Slides A Little With The Size Of The Bonus. Run The Calculation With A Low "
    "And A High Bonus Estimate To See The Range, Which Is Usually Under One Half Of One Percent.",
};

constexpr const char* kSumOfDaysNotes[] = {
    "Note: Claimant's Factor Equals: (Claimant's Av. Nights) Divided By (365 Nights)",
    "Note: Other Party's Factor Equals: (Other Party's Av. Nights) Divided By (365 Nights)",
};

constexpr const char* kSquaredNote =
    "Claimant's Factor Equals: (Claimant's Av. Nights Squared) Divided By (The Sum Of The Other "
    "Party's Av. Nights Squared Plus The Claimant's Av. Nights Squared)";

bool IsPercentRow(const DisplayRow& row) {
    return row.label.rfind(kPercentLabel, 0) == 0;
}

std::string Nights(float nights) {
    return FormatSingle(nights, "###.0");
}

std::string Factor(float factor) {
    return FormatSingle(factor, "###.##0");
}

void WriteFactors(Document& document, const support::AverageNights& family) {
    WriteHeading(document, "Shared Sum of Days Factor");
    WriteTable(document, {{"", "Claimant's Factor", "Other Party's Factor"},
                          {"", Factor(support::SumOfDaysFactor(family.claim)),
                           Factor(support::SumOfDaysFactor(family.payer))}});
    for (const char* note : kSumOfDaysNotes) {
        document.WriteLine(note);
    }
    document.WriteLine("");
    WriteHeading(document, "Shared Sum of Days Squared Factor");
    WriteTable(document, {{"Sum of Days Squared", "Claimant's Factor", "Other Party's Factor"},
                          {"", Factor(support::SquaredDaysFactor(family.claim, family.payer)),
                           Factor(support::SquaredDaysFactor(family.payer, family.claim))}});
    document.WriteLine(kSquaredNote);
}

}  // namespace

void ComposeBonusSummary(Document& document, const CaseRecord& record,
                         const BonusSummaryInput& input, const ReportContext& context) {
    OpenCaseReport(document, input.source);
    document.SetFont(kReportFontName, 12);
    WriteReportHeader(document, kCaseNameTitle, record.fields.Text("ClaimantName"), context);
    WriteHeading(document, input.title);
    document.WriteLine("");
    document.WriteLine(
        "Other Party's Average Yearly Bonus = " + Format(input.yearlyBonus, "$####0") + "/Yr");
    for (const DisplayRow& row : input.lines) {
        if (IsPercentRow(row)) {
            document.WriteLine(row.label + row.value);
        }
    }
    document.WriteLine("");
    for (const DisplayRow& row : input.lines) {
        if (!IsPercentRow(row)) {
            document.WriteLine(row.label + row.value);
        }
    }
    document.WriteLine("");
    for (const char* line : kBonusNote) {
        document.WriteLine(line);
    }
    document.ClosePreviewDocument();
}

void ComposeParentingTimePrintout(Document& document, const CaseRecord& record, int children,
                                  const ReportContext& context) {
    OpenCaseReport(document, kSourceExpressEntry);
    document.SetFont(kReportFontName, 12);
    WriteReportHeader(document, kCaseNameTitle, record.fields.Text("ClaimantName"), context);
    WriteHeading(document, "Parenting Time");
    document.WriteLine("");

    const int minors = int(ReadAmount(record.fields.Text("MinChild")).value_or(children));
    const std::vector<float> nights = ClaimNightsOldestFirst(record.fields, children);
    const std::vector<std::string> labels = ParentingRowLabels(std::max(minors, children));
    std::vector<std::vector<std::string>> byChild{
        {"(By Child)", "Claimant's Nights", "Other Party's Nights"}};
    for (int i = 0; i < children; ++i) {
        byChild.push_back(
            {labels[i], Nights(nights[i]), Nights(support::kNightsPerYear - nights[i])});
    }
    WriteTable(document, byChild);
    document.WriteLine("");

    WriteHeading(document, "Average Parenting Time");
    const auto averages = support::AvgNightsByFamilySize(nights);
    std::vector<std::vector<std::string>> byFamily{
        {"(By Family Size)", "Claimant's Av. Nights", "Other Party's Av. Nights"}};
    for (int k = 1; k <= children; ++k) {
        byFamily.push_back({FamilySizeCaption(k, minors), Nights(averages[k - 1].claim),
                            Nights(averages[k - 1].payer)});
    }
    WriteTable(document, byFamily);
    document.WriteLine("");
    WriteFactors(document, averages[std::max(children, 1) - 1]);
    document.ClosePreviewDocument();
}

}  // namespace tovaris::reports
