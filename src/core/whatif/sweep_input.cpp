#include "whatif/sweep_input.h"

#include <array>
#include <cmath>

#include "case/income_refresh.h"
#include "case/parenting_time_table.h"
#include "case/time_share.h"
#include "common/format.h"
#include "common/scripted_interaction.h"

namespace tovaris::whatif {
namespace {

constexpr std::array<SweepInputInfo, 5> kInputs{{
    {SweepInput::ClaimIncome, "claim-income", "Claimant's Gross Monthly Income", 0.01,
     "$###,###,##0.00"},
    {SweepInput::OtherIncome, "other-income", "Other Party's Gross Monthly Income", 0.01,
     "$###,###,##0.00"},
    {SweepInput::ClaimNights, "claim-nights", "Claimant's Overnights Per Year", 0.1, "##0.0"},
    {SweepInput::Maintenance, "maintenance", "Maintenance Paid Per Month", 0.01, "$###,###,##0.00"},
    {SweepInput::ClaimChildren, "claim-children", "Children Claimed Under 17 By The Claimant", 1,
     "#0"},
}};

// Typing nights in the Express Entry box and in every filled row of the parenting-time table
// keeps the shares and the Other Party's nights in step, as the screens do.
void TypeClaimNights(CaseRecord& record, double nights) {
    ScriptedInteraction quiet;
    const std::string text = Format(nights, "##0.0");
    record.fields.SetText("ClaimDays", text);
    OnTimeShareChanged(record, quiet, TimeShareField::ClaimNights);
    for (int row = 0; row < kParentingRows; ++row) {
        const std::string field = "ClaimDays(" + std::to_string(row) + ")";
        if (!record.fields.Text(field).empty()) {
            record.fields.SetText(field, text);
            OnTimeShareChanged(record, quiet, TimeShareField::ClaimNights, row);
        }
    }
}

}  // namespace

std::span<const SweepInputInfo> SweepInputs() {
    return kInputs;
}

const SweepInputInfo& InfoOf(SweepInput input) {
    return kInputs[static_cast<size_t>(input)];
}

std::optional<SweepInput> SweepInputNamed(std::string_view name) {
    for (const SweepInputInfo& info : kInputs) {
        if (info.name == name) {
            return info.input;
        }
    }
    return std::nullopt;
}

void TypeSweepInput(CaseRecord& record, SweepInput input, double value) {
    switch (input) {
        case SweepInput::ClaimIncome:
            SetGrossMonthlyIncome(record, IncomeParty::Claimant, value);
            return;
        case SweepInput::OtherIncome:
            SetGrossMonthlyIncome(record, IncomeParty::Other, value);
            return;
        case SweepInput::ClaimNights:
            TypeClaimNights(record, value);
            return;
        case SweepInput::Maintenance:
            record.fields.SetText("CurrentMaintTransfer", Format(value, "#########0.00"));
            return;
        case SweepInput::ClaimChildren:
            record.fields.SetText("ClaimDepend17", Format(std::round(value), "#0"));
            return;
    }
}

double SweepInputValue(const CaseRecord& record, SweepInput input) {
    const CaseGlobals& g = record.globals;
    switch (input) {
        case SweepInput::ClaimIncome:
            return g.ClaimGrossYearly / 12.0;
        case SweepInput::OtherIncome:
            return g.PayerGrossYearly / 12.0;
        case SweepInput::ClaimNights:
            return g.ClaimOvernights;
        case SweepInput::Maintenance:
            return record.results.maintenance.Computed
                       ? record.results.maintenance.SuggestedAward / 12.0
                       : g.MaintForChildSupport;
        case SweepInput::ClaimChildren:
            return g.ClaimDepend17Count;
    }
    return 0;
}

}  // namespace tovaris::whatif
