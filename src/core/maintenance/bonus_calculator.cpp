#include "maintenance/bonus_calculator.h"

#include "case/case_restore.h"
#include "case/income_refresh.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "maintenance/maintenance_command.h"
#include "maintenance/recommend_maintenance.h"
#include "support/child_support_calculation.h"

namespace tovaris {
namespace {

constexpr std::string_view kMoney = "$####0";
constexpr std::string_view kPercent = "##.#0%";

std::optional<double> ReadBonus(Interaction& interaction, std::string_view bonusText) {
    const std::optional<double> bonus = ReadAmount(bonusText);
    if (!bonus) {
        interaction.Box("Entry Error", kBonusEntryMessage, BoxButtons::Ok);
    }
    return bonus;
}

// The bonus as wages on the Other Party's income screen, with the totals and the gross income
// the calculations read re-derived from it.
void AddBonusToOtherParty(CaseRecord& record, double bonus) {
    BringIncomeScreensToYearly(record);
    const PartyIncomeEntries& screen = record.income.Of(IncomeParty::Other);
    const double wages = screen.YearlyIncome(IncomeSource::Earned) + bonus;
    TypeIncomeAmount(record,
                     IncomeFieldName(IncomeParty::Other, IncomeSource::Earned, kPartyColumn),
                     FormatSingle(static_cast<float>(wages), kIncomeAmountFormat));
    BringIncomeScreensToYearly(record);
    const std::string& monthly = record.fields.Text(GrossIncomeFieldName(IncomeParty::Other));
    record.globals.PayerGrossYearly = static_cast<float>(12 * ReadAmount(monthly).value_or(0));
}

// A share of the bonus; 0 for a bonus of 0.
double ShareOfBonus(double yearlyDifference, double bonus) {
    return bonus == 0 ? 0 : yearlyDifference / bonus;
}

std::string MonthlyAndYearly(double yearly) {
    return Format(yearly / 12, kMoney) + " (" + Format(yearly, kMoney) + "/Yr)";
}

DisplayRows MaintenanceBonusLines(const MaintenanceBonusResult& r) {
    return {
        {"Maint/Mo Without Bonus: ", MonthlyAndYearly(r.awardWithout)},
        {"Maint/Mo With Bonus: ", MonthlyAndYearly(r.awardWith)},
        {"Difference In Maint Recommendations/Mo: ",
         MonthlyAndYearly(double{r.awardWith} - r.awardWithout)},
        {"Child Support Amounts Used In The Alimony/Maintenance Calculations", ""},
        {"Child Support/Mo Without Bonus: ", FormatSingle(r.supportWithout, "$##0")},
        {"Child Support/Mo With Bonus: ", FormatSingle(r.supportWith, kMoney)},
        {"PerCent Of Yearly Bonus To Transfer As Maintenance To Claimant = ", r.percentText},
    };
}

DisplayRows ChildSupportBonusLines(const ChildSupportBonusResult& r) {
    return {
        {"Child Support/Mo Without Bonus: ", FormatSingle(r.supportWithout, kMoney)},
        {"Child Support/Mo With Estimated Bonus: ", FormatSingle(r.supportWith, kMoney)},
        {"Difference In Child Support/Mo: ",
         Format(double{r.supportWith} - r.supportWithout, kMoney)},
        {"Calculations Assume Maint/Mo Transfer Of: ", FormatSingle(r.maintenanceMonthly, kMoney)},
        {"Child Support Calculations Run Without Limitations. ", ""},
        {"To Run With Limitations, Exit and Click Show Limits Button.", ""},
        {"PerCent Of Yearly Bonus To Transfer As Child Support To Claimant = ", r.percentText},
    };
}

void Recommend(CaseRecord& record) {
    CalculateStartingChildSupport(record);
    ComputeCaseScore(record);
    RecommendMaintenance(record);
}

}  // namespace

std::optional<MaintenanceBonusResult> RunMaintenanceBonus(CaseRecord& record,
                                                          Interaction& interaction,
                                                          std::string_view bonusText) {
    const std::optional<double> bonus = ReadBonus(interaction, bonusText);
    if (!bonus) {
        return std::nullopt;
    }
    MaintenanceBonusResult r;
    r.bonus = *bonus;
    r.awardWithout = record.results.maintenance.SuggestedAward;
    r.supportWithout = record.globals.ChildSupportMonthly;
    CaseRestore restore(record);
    const bool ran = RunReportingOverflow(interaction, [&] {
        AddBonusToOtherParty(record, r.bonus);
        Recommend(record);
    });
    if (!ran) {
        return std::nullopt;
    }
    r.awardWith = record.results.maintenance.SuggestedAward;
    r.supportWith = record.globals.ChildSupportMonthly;
    const double share = ShareOfBonus(double{r.awardWith} - r.awardWithout, r.bonus);
    r.percentage = 100 * share;
    r.percentText = Format(share, kPercent);
    r.lines = MaintenanceBonusLines(r);
    return r;
}

std::optional<ChildSupportBonusResult> RunChildSupportBonus(CaseRecord& record,
                                                            Interaction& interaction,
                                                            std::string_view bonusText) {
    const std::optional<double> bonus = ReadBonus(interaction, bonusText);
    if (!bonus) {
        return std::nullopt;
    }
    ChildSupportBonusResult r;
    r.bonus = *bonus;
    r.maintenanceMonthly = record.globals.MaintForChildSupport;
    CaseRestore restore(record);
    const SupportResults& support = record.results.support;
    const bool ran = RunReportingOverflow(interaction, [&] {
        record.results.support.LimitsApplied = 0;
        CalculateChildSupport(record);
        r.supportWithout = support.ChildSupportTransfer;
        AddBonusToOtherParty(record, r.bonus);
        CalculateChildSupport(record);
        r.supportWith = support.ChildSupportTransfer;
    });
    if (!ran) {
        return std::nullopt;
    }
    const double share = ShareOfBonus(12 * (double{r.supportWith} - r.supportWithout), r.bonus);
    r.percentage = 100 * share;
    r.percentText = Format(share, kPercent);
    r.lines = ChildSupportBonusLines(r);
    return r;
}

}  // namespace tovaris
