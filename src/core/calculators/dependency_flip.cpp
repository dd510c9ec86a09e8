#include "calculators/dependency_flip.h"

#include <cmath>
#include <optional>

#include "case/case_restore.h"
#include "case/entry_check.h"
#include "case/express_party.h"
#include "case/parenting_time_table.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "common/rounding.h"
#include "support/child_support_calculation.h"
#include "support/parenting_time.h"

namespace tovaris::calculators {
namespace {

constexpr const char* kUnder17Sum =
    "The Sum Of The Children Under Age 17 Declared By Claimant And Other Party Should Be Less "
    "Than Or Equal To The Total Number Of Minors";
constexpr float kHalfYear = 182.5f;
constexpr std::string_view kMoney = "$####0";

// One party's entries and messages.
struct FlipParty {
    std::string FlipEntries::*depend17;
    std::string FlipEntries::*nights;
    const char* depend17Field;
    const char* nightsField;
    const char* reEnterUnder17;
    const char* under17AboveMinors;
    const char* reEnterNights;
};

constexpr FlipParty kClaimant = {
    &FlipEntries::ClaimDepend17,
    &FlipEntries::ClaimNights,
    "ClaimDepend17",
    "ClaimNights",
    "Please ReEnter The Revised Number Of Children Under Age 17 Declared By The Claimant (For "
    "The Federal Child Tax Credit), Or Enter 0 If None",
    "Number Of Children That Are Claimant's Revised Dependents Under Age 17 Should Be Less Than "
    "Or Equal To The Total Number Of Minors",
    "Please ReEnter The Revised Overnights For The Claimant",
};

constexpr FlipParty kOtherParty = {
    &FlipEntries::PayerDepend17,
    &FlipEntries::PayerNights,
    "PayerDepend17",
    "PayerNights",
    "Please ReEnter The Revised Number Of Children Under Age 17 Declared By The Other Party (For "
    "The Federal Child Tax Credit), Or Enter 0 If None",
    "Number Of Children That Are Other Party's Revised Dependents Under Age 17 Should Be Less "
    "Than Or Equal To The Total Number Of Minors",
    "Please ReEnter The Revised Overnights For The Other Party",
};

constexpr const FlipParty* kFlipParties[] = {&kClaimant, &kOtherParty};

// Labels of a yearly change: increase, no change, decrease.
using ChangeLabels = const char* const[3];
constexpr ChangeLabels kSupportReceived = {"  Increase In Child Support Received/Yr   ",
                                           "  No Change In Child Support Received/Yr   ",
                                           "  Decrease In Child Support Received/Yr   "};
constexpr ChangeLabels kSupportPaid = {"  Increase In Child Support Paid/Yr   ",
                                       "  No Change In Child Support Paid/Yr   ",
                                       "  Decrease In Child Support Paid/Yr   "};
constexpr ChangeLabels kTaxPaid = {"  Increase In Tax Paid/Yr   ", "  No Change In Tax Paid/Yr   ",
                                   "  Decrease In Tax Paid/Yr   "};
constexpr ChangeLabels kNetIncome = {
    "  Increase In Net Income/Yr:   ", "  No Change In Net Income/Yr:   ",
    "  Decrease In Net Income/Yr:   "};

// The revised figures once they are all readable.
struct Revision {
    int16_t claimDepend17 = 0;
    int16_t payerDepend17 = 0;
    std::optional<float> claimNights;  // shared cases only
};

std::optional<int16_t> ReadCount(std::string_view text) {
    const std::optional<double> count = ReadAmount(text);
    if (!count || *count < 0) {
        return std::nullopt;
    }
    return ToCount(*count);
}

std::optional<EntryError> CheckUnder17(const CaseRecord& record, const FlipEntries& entries,
                                       Revision& revision) {
    const int minors = record.globals.NumMinors;
    const std::optional<int16_t> claim = ReadCount(entries.ClaimDepend17);
    const std::optional<int16_t> payer = ReadCount(entries.PayerDepend17);
    if (claim.value_or(0) + payer.value_or(0) > minors) {
        return EntryError{kClaimant.depend17Field, kUnder17Sum};
    }
    const std::optional<int16_t> counts[] = {claim, payer};
    for (int i = 0; i < 2; ++i) {
        if (!counts[i]) {
            return EntryError{kFlipParties[i]->depend17Field, kFlipParties[i]->reEnterUnder17};
        }
    }
    for (int i = 0; i < 2; ++i) {
        if (*counts[i] > minors) {
            return EntryError{kFlipParties[i]->depend17Field, kFlipParties[i]->under17AboveMinors};
        }
    }
    revision.claimDepend17 = *claim;
    revision.payerDepend17 = *payer;
    return std::nullopt;
}

// The two overnights must make up the year as they are shown, to the cent.
std::optional<EntryError> CheckNights(const FlipEntries& entries, Revision& revision) {
    std::optional<double> nights[2];
    for (int i = 0; i < 2; ++i) {
        nights[i] = ReadAmount(entries.*kFlipParties[i]->nights);
        if (!nights[i]) {
            return EntryError{kFlipParties[i]->nightsField, kFlipParties[i]->reEnterNights};
        }
    }
    if (std::fabs(*nights[0] + *nights[1] - support::kNightsPerYear) >= 0.005) {
        return EntryError{kClaimant.nightsField,
                          "Total Sum Of Claimant's and Other Party's Overnights Must Equal 365"};
    }
    revision.claimNights = static_cast<float>(*nights[0]);
    return std::nullopt;
}

Outcome<Revision> ReadRevision(const CaseRecord& record, const FlipEntries& entries) {
    Revision revision;
    std::optional<EntryError> error = CheckUnder17(record, entries, revision);
    if (!error && record.globals.CustodyType == "Shared") {
        error = CheckNights(entries, revision);
    }
    if (error) {
        return *error;
    }
    return revision;
}

// The revised overnights stand for the family of all minors: every minor's row of the
// parenting-time table takes them, so that family averages to them.
void EnterRevision(CaseRecord& record, const FlipEntries& entries, const Revision& revision) {
    record.globals.ClaimDepend17Count = revision.claimDepend17;
    record.globals.PayerDepend17Count = revision.payerDepend17;
    record.fields.SetText("ClaimDependents", entries.ClaimDependents);
    record.fields.SetText("PayerDependents", entries.PayerDependents);
    if (!revision.claimNights) {
        return;
    }
    const std::string nights = RemoveCurrencyChars(entries.ClaimNights);
    for (int row = 0; row < record.globals.NumMinors && row < kParentingRows; ++row) {
        record.fields.SetText(ElementName("ClaimDays", row), nights);
    }
}

std::string Money(double amount) {
    return Format(amount, kMoney);
}

std::string MonthlyAndYearly(double monthly) {
    return Money(monthly) + " (" + Money(12 * monthly) + "/Yr)";
}

// Increases carry a "+".
std::string Change(double amount) {
    return (amount > 0 ? "+" : "") + Money(amount);
}

DisplayRow ChangeRow(const ChangeLabels& labels, double change) {
    const int which = change > 0 ? 0 : change == 0 ? 1 : 2;
    return {labels[which], Change(change)};
}

// One party's side of the comparison: `sign` turns the transfer into what the party receives
// (negative when the party pays).
struct PartyView {
    const char* name;
    const char* heading;
    double sign;
    float FlipFigures::*tax;
    float FlipFigures::*net;
};

constexpr PartyView kViews[] = {
    {"Claimant", " Claimant's Income Adjustments /Yr", 1, &FlipFigures::claimTax,
     &FlipFigures::claimNet},
    {"Other Party", " Other Party's Income Adjustments/Yr", -1, &FlipFigures::payerTax,
     &FlipFigures::payerNet},
};

void AddSupportLines(DisplayRows& lines, double original, double revised) {
    lines.push_back({" Original Child Support = ", MonthlyAndYearly(original)});
    lines.push_back({" Child Support/Mo After Revised Dependencies And/Or Overnights = ",
                     MonthlyAndYearly(revised)});
    const double difference = revised - original;
    lines.push_back({difference == 0 ? " No Difference In Child Support Amounts = "
                                     : " Difference In Child Support Amounts = ",
                     MonthlyAndYearly(difference)});
    for (const PartyView& view : kViews) {
        if (view.sign * original < 0 && view.sign * revised > 0) {
            lines.push_back({std::string(" ") + view.name + " Went From Payer To Payee", ""});
        }
    }
}

void AddOvernightWarning(DisplayRows& lines, const FlipResult& r) {
    const std::pair<float, float> nights[] = {{r.kept.claimNights, r.revised.claimNights},
                                              {r.kept.payerNights, r.revised.payerNights}};
    for (int i = 0; i < 2; ++i) {
        if (nights[i].first >= kHalfYear && nights[i].second < kHalfYear) {
            lines.push_back({std::string(" ") + kViews[i].name +
                                 "'s Overnights Decreased Below 182.5, Which May Result In A "
                                 "Change In The Filing Status Of The Parties.",
                             ""});
            lines.push_back(
                {" Consequently, There May Be Tax Implications Beyond This "
                 "Calculation Which Uses Each Party's Existing Tax Filling Status.",
                 ""});
        }
    }
}

void AddPartyLines(DisplayRows& lines, const FlipResult& r, const PartyView& view, double original,
                   double revised) {
    const double received = view.sign * 12 * (revised - original);
    const bool receives = view.sign * revised > 0 || (revised == 0 && view.sign * original > 0);
    const double tax = double{r.revised.*view.tax} - r.kept.*view.tax;
    const double net = double{r.revised.*view.net} - r.kept.*view.net + received;
    lines.push_back({"", ""});
    lines.push_back({view.heading, ""});
    lines.push_back(receives ? ChangeRow(kSupportReceived, received)
                             : ChangeRow(kSupportPaid, -received));
    lines.push_back(ChangeRow(kTaxPaid, tax));
    lines.push_back({"----------", ""});
    lines.push_back(ChangeRow(kNetIncome, net));
}

// The comparison is made in the whole dollars the lines show.
DisplayRows ResultLines(const FlipResult& r, bool shared) {
    const double original = RoundDollars(r.kept.childSupport);
    const double revised = RoundDollars(r.revised.childSupport);
    DisplayRows lines;
    AddSupportLines(lines, original, revised);
    if (shared) {
        AddOvernightWarning(lines, r);
    }
    for (const PartyView& view : kViews) {
        AddPartyLines(lines, r, view, original, revised);
    }
    return lines;
}

float YearlyTax(const PartyTaxResults& tax) {
    return static_cast<float>(double{tax.FederalTax} - tax.TotalCredits + tax.StateTax);
}

}  // namespace

FlipFigures CurrentFlipFigures(const CaseRecord& record) {
    const CaseGlobals& g = record.globals;
    const TaxResults& tax = record.results.tax;
    const support::AverageNights family = support::AvgNightsForFamily(
        ClaimNightsOldestFirst(record.fields, g.NumMinors), g.NumMinors);
    FlipFigures f;
    f.childSupport = record.results.support.ChildSupportTransfer;
    f.claimDepend17 = g.ClaimDepend17Count;
    f.payerDepend17 = g.PayerDepend17Count;
    f.claimDependents = record.fields.Text("ClaimDependents");
    f.payerDependents = record.fields.Text("PayerDependents");
    f.claimNights = family.claim;
    f.payerNights = family.payer;
    f.claimTax = YearlyTax(tax.Claim);
    f.payerTax = YearlyTax(tax.Payer);
    f.claimNet = tax.Claim.NetYearly;
    f.payerNet = tax.Payer.NetYearly;
    return f;
}

FlipEntries InitialFlipEntries(const FlipFigures& figures) {
    return {FormatSingle(figures.claimNights, "##0.0"),
            FormatSingle(figures.payerNights, "##0.0"),
            std::to_string(figures.claimDepend17),
            std::to_string(figures.payerDepend17),
            figures.claimDependents,
            figures.payerDependents};
}

std::string OtherPartyNights(std::string_view typed) {
    const std::optional<double> nights = ReadAmount(typed);
    return nights ? Format(365.00001 - *nights, kFlipNightsFormat) : "";
}

Outcome<FlipResult> RunDependencyFlip(CaseRecord& record, const FlipEntries& entries) {
    const Outcome<Revision> revision = ReadRevision(record, entries);
    if (const auto* error = std::get_if<EntryError>(&revision)) {
        return *error;
    }
    FlipResult r;
    r.kept = CurrentFlipFigures(record);
    {
        CaseRestore restore(record);
        EnterRevision(record, entries, std::get<Revision>(revision));
        CalculateChildSupport(record);
        r.revised = CurrentFlipFigures(record);
    }
    r.lines = ResultLines(r, record.globals.CustodyType == "Shared");
    return r;
}

}  // namespace tovaris::calculators
