#include "calculators/income_imputation.h"

#include <algorithm>
#include <cmath>

#include "calculators/reference_tables.h"
#include "case/income_refresh.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "common/rounding.h"
#include "tax/federal_income_tax.h"
#include "tax/payroll_tax.h"

namespace tovaris::calculators {
namespace {

constexpr const char* kImputed = "Imputed";
constexpr const char* kNotImputed = "Not Imputed";

// Median net monthly income by age band: Male, Female.
constexpr int kMedianNet[kAgeBands.size()][2] = {
    {2339, 2234}, {3703, 3542}, {4851, 4008}, {5102, 4067}, {5000, 4107}, {5982, 4334},
};

// Each imputing option's notes: the Express wording for the Claimant and the Other Party, then
// the worksheet wording for Parent 1 and Parent 2.
struct ImputeNotes {
    ImputeMethod method;
    const char* claimant;
    const char* other;
    const char* parent1;
    const char* parent2;
};

constexpr ImputeNotes kNotes[] = {
    {ImputeMethod::WageImpute,
     "Claimant's Income Has Been Imputed Using The Minimum Wage Of The Claimant's Residence "
     "State. ",
     "The Other Party's Income Has Been Imputed Using The Minimum Wage Of The Other Party's "
     "Residence State. ",
     "Parent 1's Income Has Been Imputed Using The Minimum Wage Of Parent 1's Residence State. ",
     "Parent 2's Income Has Been Imputed Using The Minimum Wage Of Parent 2's Residence State. "},
    {ImputeMethod::MedianImpute,
     "Claimant's Income Has Been Imputed Using The Federal Approximate Median Net Monthly Income "
     "Table. ",
     "Other Party's Income Has Been Imputed Using The Federal Approximate Median Net Monthly "
     "Income Table. ",
     "Parent 1's Income Has Been Imputed Using The Federal Approximate Median Net Monthly Income "
     "Table. ",
     "Parent 2's Income Has Been Imputed Using The Federal Approximate Median Net Monthly Income "
     "Table. "},
    {ImputeMethod::HistoryImpute,
     "Claimant's Income Has Been Imputed Using The Claimants Record Of Historical Earnings. ",
     "Other Party's Income Has Been Imputed Using The Other Party's Record Of Historical "
     "Earnings. ",
     "Parent 1's Income Has Been Imputed Using Parent 1's Record Of Historical Earnings.",
     "Parent 2's Income Has Been Imputed Using Parent 2's Record Of Historical Earnings."},
};

const ImputeNotes* NotesOf(ImputeMethod method) {
    for (const ImputeNotes& notes : kNotes) {
        if (notes.method == method) {
            return &notes;
        }
    }
    return nullptr;
}

struct PartyImputation {
    std::string* status;
    std::string* note;
    std::string* noteWS;
};

PartyImputation ImputationOf(CaseGlobals& g, IncomeParty party) {
    if (party == IncomeParty::Claimant) {
        return {&g.ClaimImputeStatus, &g.ClaimImputeNote, &g.ClaimImputeNoteWS};
    }
    return {&g.PayerImputeStatus, &g.PayerImputeNote, &g.PayerImputeNoteWS};
}

// Parent 1 is the party in worksheet column 1.
bool IsParent1(const CaseRecord& record, IncomeParty party) {
    const bool claimantIsParent1 = record.options.claimantColumn == ClaimantColumn::Column1;
    return (party == IncomeParty::Claimant) == claimantIsParent1;
}

// The imputed income becomes the party's W-2 wages, entered as a monthly amount.
void EnterMonthlyWages(CaseRecord& record, IncomeParty party, float monthly) {
    ChangeIncomePeriod(record, party, IncomePeriod::Monthly);
    TypeIncomeAmount(record, IncomeFieldName(party, IncomeSource::Earned, kPartyColumn),
                     FormatSingle(monthly, kIncomeAmountFormat));
    AddIncomeVars(record, party);
}

}  // namespace

double MonthlyMinimumIncome(double hourly) {
    return hourly * 40 * 365 / 84;
}

int MedianNetMonthly(Sex sex, std::size_t ageBand) {
    return kMedianNet[ageBand][sex == Sex::Male ? 0 : 1];
}

double MonthlyNetOfSingleWages(double grossYearly) {
    const float wages = static_cast<float>(grossYearly);
    const double payroll = tax::PayrollTax("Single", wages, 0).payrollTax;
    tax::ReturnIncome income;
    income.incomeForTax = wages;
    income.filingStatus = "Single";
    const double federal = tax::FederalIncomeTax(income);
    return RoundDollars(grossYearly / 12) - RoundDollars(federal / 12) - RoundDollars(payroll / 12);
}

GrossEquivalent GrossForMonthlyNet(double targetNet) {
    enum class Direction { None, High, Low };
    double gross = std::floor(12 * targetNet * 1.35);
    Direction direction = Direction::None;
    for (;;) {
        const double net = MonthlyNetOfSingleWages(gross);
        if (net == targetNet) {
            return {gross, net};
        }
        const Direction now = net > targetNet ? Direction::High : Direction::Low;
        if (direction != Direction::None && now != direction) {
            return {gross, net};
        }
        direction = now;
        gross += now == Direction::High ? -1 : 1;
    }
}

std::optional<ImputationFigures> FiguresFor(std::string_view state, std::optional<Sex> sex,
                                            std::optional<std::size_t> ageBand) {
    const auto& wages = StateMinimumWages();
    const auto row = std::find_if(wages.begin(), wages.end(),
                                  [&](const MinimumWage& wage) { return wage.name == state; });
    if (row == wages.end()) {
        return std::nullopt;
    }
    ImputationFigures figures;
    figures.hourly = row->hourly;
    figures.moMin = static_cast<float>(MonthlyMinimumIncome(ReadAmount(row->hourly).value_or(0)));
    if (sex && ageBand && *ageBand < kAgeBands.size()) {
        figures.netMedian = MedianNetMonthly(*sex, *ageBand);
        figures.grossMedian =
            static_cast<float>(GrossForMonthlyNet(*figures.netMedian).grossYearly / 12);
    }
    return figures;
}

void ApplyImputation(CaseRecord& record, IncomeParty party, ImputeMethod method,
                     const ImputationFigures& figures) {
    const PartyImputation imputation = ImputationOf(record.globals, party);
    const ImputeNotes* notes = NotesOf(method);
    if (notes == nullptr) {
        *imputation.status = kNotImputed;
        imputation.note->clear();
        imputation.noteWS->clear();
        return;
    }
    if (method == ImputeMethod::WageImpute) {
        EnterMonthlyWages(record, party, figures.moMin);
    } else if (method == ImputeMethod::MedianImpute) {
        EnterMonthlyWages(record, party, figures.grossMedian.value_or(0));
    }
    *imputation.status = kImputed;
    *imputation.note = party == IncomeParty::Claimant ? notes->claimant : notes->other;
    *imputation.noteWS = IsParent1(record, party) ? notes->parent1 : notes->parent2;
}

ImputeMethod CurrentImputeMethod(const CaseRecord& record, IncomeParty party) {
    const CaseGlobals& g = record.globals;
    const bool claimant = party == IncomeParty::Claimant;
    if ((claimant ? g.ClaimImputeStatus : g.PayerImputeStatus) != kImputed) {
        return ImputeMethod::DoNotImpute;
    }
    const std::string& note = claimant ? g.ClaimImputeNote : g.PayerImputeNote;
    for (const ImputeNotes& notes : kNotes) {
        if (note == notes.claimant || note == notes.other) {
            return notes.method;
        }
    }
    return ImputeMethod::DoNotImpute;
}

}  // namespace tovaris::calculators
