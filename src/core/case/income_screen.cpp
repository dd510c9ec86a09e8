#include "case/income_screen.h"

#include <optional>

#include "case/income_business.h"
#include "case/income_refresh.h"
#include "common/entry_text.h"

namespace tovaris {
namespace {

constexpr int kOtherChildAgeCount = 5;

std::string OtherChildAgeField(IncomeParty party, int index) {
    return PartyFieldName(party, "OtherChildAge(" + std::to_string(index) + ")");
}

bool HasFilingStatus(const CaseFields& fields, IncomeParty party) {
    for (const char* status : {"HeadHouse", "Single", "Married", "MFJ"}) {
        if (fields.Selected(PartyFieldName(party, status))) {
            return true;
        }
    }
    return false;
}

// Stops with a message and the focus on `field`; returns false for "keep the screen open".
bool StopAt(Interaction& interaction, const std::string& message, const std::string& field) {
    interaction.Box("Entry Error", message, BoxButtons::Ok);
    interaction.FocusField(field);
    return false;
}

// The checks of the children from other relationships; true when they let the screen close.
bool OtherChildrenAllowClose(const CaseRecord& record, IncomeParty party, Interaction& interaction,
                             bool quitting) {
    const CaseFields& fields = record.fields;
    if (!fields.Ticked(PartyFieldName(party, "SecFamCheck"))) {
        return true;
    }
    int agesEntered = 0;
    std::optional<int> firstOverAge;
    for (int i = 0; i < kOtherChildAgeCount; ++i) {
        std::optional<double> age = ReadAmount(fields.Text(OtherChildAgeField(party, i)));
        if (!age) {
            continue;
        }
        ++agesEntered;
        if (*age > 18 && !firstOverAge) {
            firstOverAge = i;
        }
    }
    if (firstOverAge && !quitting) {
        int answer = interaction.Box("Entry Warning", kOverAgeOtherChildWarning, BoxButtons::YesNo);
        if (answer == kAnswerYes) {
            interaction.FocusField(OtherChildAgeField(party, *firstOverAge));
            return false;
        }
    }
    if (agesEntered == 0) {
        return StopAt(interaction, kNoOtherChildAgesError, OtherChildAgeField(party, 0));
    }
    double counted = ReadAmount(fields.Text(PartyFieldName(party, "NumOther"))).value_or(0) +
                     ReadAmount(fields.Text(PartyFieldName(party, "NumOtherNot"))).value_or(0);
    if (counted != agesEntered) {
        return StopAt(interaction, kOtherChildCountError, PartyFieldName(party, "NumOther"));
    }
    return true;
}

}  // namespace

IncomeScreenLayout IncomeScreenLayoutOf(const CaseRecord& record, IncomeParty party) {
    const CaseFields& fields = record.fields;
    IncomeScreenLayout layout;
    layout.newSpouseColumn = fields.Selected(PartyFieldName(party, "MFJ"));
    layout.itemizedAmount = fields.Selected(PartyFieldName(party, "ItemizedDeduction"));
    layout.ageSixtyFive = !layout.itemizedAmount;
    layout.eicOptions = fields.Ticked(PartyFieldName(party, "EICCheck"));
    return layout;
}

bool OpenIncomeScreen(CaseRecord& record, IncomeParty party, Interaction& interaction) {
    if (HasFilingStatus(record.fields, party)) {
        return true;
    }
    const char* message = party == IncomeParty::Claimant
                              ? "Please Enter Claimant's Tax Filing Status"
                              : "Please Enter Other Party's Tax Filing Status";
    return StopAt(interaction, message, PartyFieldName(party, "HeadHouse"));
}

bool CloseIncomeScreen(CaseRecord& record, IncomeParty party, Interaction& interaction,
                       bool quitting) {
    RefreshBusinessScreen(record, party);
    AddIncomeVars(record, party);
    ChangeIncomePeriod(record, party, IncomePeriod::Yearly);
    AssignDeductVars(record, party);
    return OtherChildrenAllowClose(record, party, interaction, quitting);
}

void ChooseItemizedDeduction(CaseRecord& record, IncomeParty party) {
    record.fields.Select(PartyFieldName(party, "ItemizedDeduction"));
    record.fields.SetCheck(AgeSixtyFiveFieldName(party), 0);
}

void ChooseStandardDeduction(CaseRecord& record, IncomeParty party) {
    record.fields.Select(PartyFieldName(party, "StandardDeduction"));
    for (IncomeDeduction amount :
         {IncomeDeduction::ItemizedAmount, IncomeDeduction::ItemizedNoLimit}) {
        record.fields.SetText(DeductionFieldName(party, amount), "");
        record.income.Of(party).deductions[static_cast<int>(amount)] = EntryAmount{};
    }
}

}  // namespace tovaris
