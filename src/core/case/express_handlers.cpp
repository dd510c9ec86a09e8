#include "case/express_handlers.h"

#include <optional>
#include <string>

#include "case/express_messages.h"
#include "common/entry_text.h"

namespace tovaris {
namespace {

using namespace express_text;

void ShowError(Interaction& interaction, std::string_view message) {
    interaction.Box(std::string(kEntryError), std::string(message), BoxButtons::Ok);
}

void EmptyAges(CaseFields& fields) {
    for (int i = 0; i < kChildAgeFields; ++i) {
        fields.SetText(ElementName("Child", i), "");
    }
}

const ExpressParty& OtherParty(PartySide side) {
    return PartyOf(side == PartySide::Claimant ? PartySide::Other : PartySide::Claimant);
}

}  // namespace

ExpressLayout OnCustodyOptionChanged(CaseRecord& record) {
    CaseFields& fields = record.fields;
    for (std::string_view option : kCaregiverOptions) {
        fields.Select(option, false);
    }
    if (fields.Selected("NoMinorOption")) {
        for (std::string_view field : kChildrenFields) {
            fields.SetText(field, "");
        }
    }
    return LayoutExpress(fields);
}

ExpressLayout OnNumChildChanged(CaseRecord& record) {
    if (IsZeroEntry(record.fields, "NumChild")) {
        record.fields.SetText("MinChild", "");
        EmptyAges(record.fields);
    }
    return LayoutExpress(record.fields);
}

ExpressLayout OnMinChildChanged(CaseRecord& record, Interaction& interaction) {
    CaseFields& fields = record.fields;
    std::optional<double> minors = ReadAmount(fields.Text("MinChild"));
    std::optional<double> born = ReadAmount(fields.Text("NumChild"));
    if (minors && born && *minors > *born) {
        ShowError(interaction, kMinorsExceedBorn);
        fields.SetText("MinChild", "");
        interaction.FocusField("MinChild");
        minors.reset();
    }
    if (minors && *minors == 0) {
        fields.Select("NoMinorOption");
        EmptyAges(fields);
    } else if (minors) {
        fields.Select("NoMinorOption", false);
    }
    if (fields.Selected("SplitOption")) {
        for (const ExpressParty* party : kExpressParties) {
            fields.SetText(party->possessionSplit, "");
        }
    }
    return OnCustodyOptionChanged(record);
}

void OnSplitCountChanged(CaseRecord& record, Interaction& interaction, PartySide side) {
    CaseFields& fields = record.fields;
    const ExpressParty& party = PartyOf(side);
    if (fields.Text(party.possessionSplit).empty()) {
        return;
    }
    std::optional<double> count = ReadAmount(fields.Text(party.possessionSplit));
    double others = ReadAmount(fields.Text(OtherParty(side).possessionSplit)).value_or(0);
    double minors = ReadAmount(fields.Text("MinChild")).value_or(0);
    if (count && *count + others <= minors) {
        return;
    }
    ShowError(interaction, party.messages.splitCount);
    fields.SetText(party.possessionSplit, "");
    interaction.FocusField(std::string(party.possessionSplit));
}

void OnStateTaxComboChanged(CaseRecord& record, PartySide side) {
    const ExpressParty& party = PartyOf(side);
    bool asAmount = record.fields.Text(party.stateTaxCombo) == kAsAmount;
    record.fields.SetText(party.stateTax, std::string(asAmount ? kZeroAmount : kZeroRate));
}

void ChooseMaintTaxedToPayee(CaseRecord& record, Interaction& interaction) {
    record.options.maintTaxedTo = MaintTaxedTo::Payee;
    interaction.Notice(std::string(kEntryInformation), std::string(kTaxedToPayeeNote));
}

void ChooseClaimantColumn1(CaseRecord& record, Interaction& interaction) {
    int answer = interaction.Box(std::string(kDataCheck), std::string(kClaimantColumn1Question),
                                 BoxButtons::YesNo);
    record.options.claimantColumn =
        answer == kAnswerYes ? ClaimantColumn::Column1 : ClaimantColumn::Column2;
}

bool ClearCommand(CaseRecord& record, Interaction& interaction) {
    int answer =
        interaction.Box(std::string(kClearTitle), std::string(kClearQuestion), BoxButtons::YesNo);
    if (answer != kAnswerYes) {
        return false;
    }
    ClearCase(record);
    return true;
}

}  // namespace tovaris
