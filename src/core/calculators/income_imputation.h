#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "case/case_record.h"
#include "case/income_fields.h"

namespace tovaris::calculators {

// The "IMPUTE INCOME" window's options, in its order.
enum class ImputeMethod { DoNotImpute, HistoryImpute, MedianImpute, WageImpute };

enum class Sex { Male, Female };

// The age bands of the median income table (`AgeCombo`).
inline constexpr std::array<std::string_view, 6> kAgeBands = {"15-24", "25-34", "35-44",
                                                              "45-54", "55-64", "65+"};

inline constexpr std::string_view kDefaultWageState = "Washington";
inline constexpr std::string_view kMoMinFormat = "$###,##0.00";

// Monthly minimum gross income of a 40-hour week: hourly x 40 x 365 / 84.
double MonthlyMinimumIncome(double hourly);

// The median net monthly income of full-time workers (CPS 2021), whole dollars.
int MedianNetMonthly(Sex sex, std::size_t ageBand);

// A single filer's monthly net income from wages alone with the standard deduction: the
// whole-dollar monthly gross less the whole-dollar monthly federal income and payroll taxes.
double MonthlyNetOfSingleWages(double grossYearly);

// Where the one-dollar search for a net income's gross equivalent stopped.
struct GrossEquivalent {
    double grossYearly = 0;
    double netMonthly = 0;  // the computed net at that gross
};

// Starts at floor(12 x net x 1.35) and steps the yearly gross a dollar at a time towards the
// target, stopping where the computed net equals it or the direction turns.
GrossEquivalent GrossForMonthlyNet(double targetNet);

// What the window shows for its choices: the state's wages always, the median figures once a
// sex and an age band are chosen.
struct ImputationFigures {
    std::string hourly;  // "$15.74"
    float moMin = 0;     // monthly minimum gross income
    std::optional<int> netMedian;
    std::optional<float> grossMedian;  // monthly
};

// The figures for a state of the list (nullopt for a name the list does not hold) and,
// optionally, a sex and an age band index.
std::optional<ImputationFigures> FiguresFor(std::string_view state, std::optional<Sex> sex,
                                            std::optional<std::size_t> ageBand);

// Closing the window with an option chosen: the party's W-2 wages (the minimum wage or the
// median's gross equivalent, with the income screen's entry period set to monthly), the
// imputation status and both notes. "Do Not Impute" resets the status and the notes and
// leaves the wages. The median option needs figures with the median filled in.
void ApplyImputation(CaseRecord& record, IncomeParty party, ImputeMethod method,
                     const ImputationFigures& figures);

// The option whose notes the party's imputation carries, so that the window opens on it:
// DoNotImpute when the party's income is not imputed.
ImputeMethod CurrentImputeMethod(const CaseRecord& record, IncomeParty party);

}  // namespace tovaris::calculators
