#include "case/custody_type.h"
#include "case/entry_check.h"
#include "case/express_layout.h"
#include "case/express_messages.h"
#include "case/express_read_in.h"
#include "common/entry_text.h"

namespace tovaris {
namespace {

using namespace express_text;

// Nobody younger than this can have married; ages and years from 100 up are typing errors.
constexpr float kYoungestMarriageAge = 13;
constexpr float kImplausibleYears = 100;
constexpr float kHighestSkillScore = 15;

// Without minors there is no child support or day care to weigh against maintenance.
bool ClearChildSupportWithoutMinors(EntryCheck& check) {
    CaseGlobals& g = check.globals;
    if (g.NumMinors == 0) {
        for (std::string_view field : {"ChildSupport", "ClaimDayCare", "OtherDayCare"}) {
            check.fields.SetText(field, "");
        }
        g.ChildSupportMonthly = 0;
        g.DayCareClaim = 0;
        g.DayCarePayer = 0;
    }
    return true;
}

bool ReadClaimantAge(EntryCheck& check) {
    std::optional<double> typed = check.Number("ClaimAge");
    float age = static_cast<float>(typed.value_or(-1));
    if (!typed || age < kYoungestMarriageAge || age >= kImplausibleYears) {
        return check.Error("ClaimAge", kClaimantAge);
    }
    check.globals.ClaimantAge = age;
    return true;
}

bool ReadYearsMarried(EntryCheck& check) {
    CaseGlobals& g = check.globals;
    std::optional<double> typed = check.Number("YrsMarriage");
    float years = static_cast<float>(typed.value_or(-1));
    if (!typed || years < 0 || years >= kImplausibleYears) {
        return check.Error("YrsMarriage", kYearsMarried);
    }
    g.YearsMarried = years;
    if (g.YearsMarried + kYoungestMarriageAge > g.ClaimantAge) {
        return check.Error("YrsMarriage", kAgeOrYears);
    }
    return true;
}

bool ReadCaregiver(EntryCheck& check) {
    CaseGlobals& g = check.globals;
    g.CaregiverCode = 0;
    if (!CaregiverFrameEnabled(check.fields)) {
        return true;
    }
    for (size_t i = 0; i < kCaregiverOptions.size(); ++i) {
        if (check.fields.Selected(kCaregiverOptions[i])) {
            g.CaregiverCode = static_cast<int16_t>(i + 1);
            return true;
        }
    }
    return check.Error(kCaregiverOptions[0], kCaregiver);
}

bool ReadEdSkill(EntryCheck& check) {
    std::optional<double> typed = check.Number("EdSkillScore");
    float score = static_cast<float>(typed.value_or(-1));
    if (!typed || score < 0 || score > kHighestSkillScore) {
        return check.Error("EdSkillScore", kEdSkill);
    }
    check.globals.ClaimantEdSkill = score;
    return true;
}

// The child support the maintenance is weighed against, as a payment to the Claimant: a
// non-custodial Claimant's typed support is what the Claimant pays.
bool ReadChildSupportEntry(EntryCheck& check) {
    CaseGlobals& g = check.globals;
    if (g.NumMinors == 0) {
        return true;
    }
    g.ChildSupportMonthly = static_cast<float>(check.Number("ChildSupport").value_or(0));
    bool nonCustodial = g.CustodyType == kCustodyNonCust;
    if (check.options.calculationOrder == CalculationOrder::CSFirst && nonCustodial &&
        g.ChildSupportMonthly > 0 && !check.Warning("ChildSupport", kNonCustodialSupport)) {
        return false;
    }
    if (nonCustodial) {
        g.ChildSupportMonthly = -g.ChildSupportMonthly;
    }
    return true;
}

// A new recommendation starts from the suggested award, not one typed on the maintenance screen.
bool ResetMaintenanceOverrides(EntryCheck& check) {
    CaseGlobals& g = check.globals;
    g.AwardOverride = "N";
    g.NewUnallocFlag = "N";
    g.UnallocInForce = "N";
    return true;
}

constexpr bool (*kMaintSteps[])(EntryCheck&) = {
    ClearChildSupportWithoutMinors,
    ReadClaimantAge,
    ReadYearsMarried,
    ReadCaregiver,
    ReadEdSkill,
    ReadChildSupportEntry,
    ResetMaintenanceOverrides,
};

}  // namespace

ReadInResult CheckMaintEntry(CaseRecord& record, Interaction& interaction) {
    EntryCheck check(record, interaction);
    for (auto step : kMaintSteps) {
        if (!step(check)) {
            break;
        }
    }
    return check.result();
}

void CheckDataEntry3(CaseRecord& record, const ReadInMode& mode) {
    CaseGlobals& g = record.globals;
    if (!mode.financialDeclaration) {
        std::optional<double> transfer = ReadAmount(record.fields.Text("CurrentMaintTransfer"));
        if (!transfer) {
            record.fields.SetText("CurrentMaintTransfer", "");
        }
        g.MaintForChildSupport = static_cast<float>(transfer.value_or(0));
    }
    g.DayCareFlag = g.DayCareClaim <= 0 && g.DayCarePayer <= 0 ? "N" : "Y";
}

}  // namespace tovaris
