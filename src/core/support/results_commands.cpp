#include "support/results_commands.h"

#include <utility>

#include "common/entry_text.h"

namespace tovaris {

namespace {

// Toggles a switch by the caption its button shows.
bool ToggleByCaption(const std::string& caption, std::string_view show, std::string_view hide,
                     int16_t& applied) {
    if (caption == show) {
        applied = 1;
        return true;
    }
    if (caption == hide) {
        applied = 0;
        return true;
    }
    return false;
}

struct TypedNetTexts {
    const char* notNumeric;
    const char* negative;
};

constexpr TypedNetTexts kClaimantTexts = {"Please Enter The Claimant's New Monthly Net Income",
                                          "Claimant's New Net Income Must Be $0 Or Greater"};
constexpr TypedNetTexts kOtherTexts = {"Please Enter The Other Parent's New Monthly Net Income",
                                       "The Other Parent's New Net Income Must Be $0 Or Greater"};

// The override states: 1 none, 2 the Claimant's typed, 3 the Other Party's, 4 both. As bits:
// the Claimant's 1, the Other Party's 2.
int OverrideBits(int16_t state) {
    return state >= 1 && state <= 4 ? state - 1 : 0;
}

int16_t OverrideState(int bits) {
    return static_cast<int16_t>(bits + 1);
}

int PartyBit(NetParty party) {
    return party == NetParty::Claimant ? 1 : 2;
}

}  // namespace

bool ToggleLimits(CaseRecord& record) {
    SupportResults& r = record.results.support;
    return ToggleByCaption(r.LimitsButton, "Show Limits", "Hide Limits", r.LimitsApplied);
}

bool ToggleDeviation(CaseRecord& record) {
    SupportResults& r = record.results.support;
    return ToggleByCaption(r.DeviationButton, "Show Deviation", "Hide Deviation",
                           r.DeviationApplied);
}

const char* TypedNetField(NetParty party) {
    return party == NetParty::Claimant ? "NewClaimNet" : "NewOtherNet";
}

bool ChangeTypedNet(CaseRecord& record, Interaction& interaction, NetParty party,
                    std::string_view text) {
    const TypedNetTexts& texts = party == NetParty::Claimant ? kClaimantTexts : kOtherTexts;
    std::optional<double> value = ReadAmount(text);
    if (!value || *value < 0) {
        interaction.FocusField(TypedNetField(party));
        interaction.Box("Entry Error", value ? texts.negative : texts.notNumeric, BoxButtons::Ok);
        return false;
    }
    TaxResults& tax = record.results.tax;
    (party == NetParty::Claimant ? tax.NewClaimNet : tax.NewOtherNet) = static_cast<float>(*value);
    TypeNetBox(record, party, std::string(text));
    tax.NetOverrideState = OverrideState(OverrideBits(tax.NetOverrideState) | PartyBit(party));
    return true;
}

void ResetTypedNet(CaseRecord& record, NetParty party) {
    TaxResults& tax = record.results.tax;
    (party == NetParty::Claimant ? tax.NewClaimNet : tax.NewOtherNet) = 0;
    TypeNetBox(record, party, "");
    tax.NetOverrideState = OverrideState(OverrideBits(tax.NetOverrideState) & ~PartyBit(party));
}

void ChangeExtrapolation(CaseRecord& record, Extrapolation method) {
    record.options.extrapolation = method;
    ClearTypedNets(record);
}

void ClearTypedNets(CaseRecord& record) {
    TaxResults& tax = record.results.tax;
    tax.NetOverrideState = 1;
    tax.NewClaimNet = 0;
    tax.NewOtherNet = 0;
    tax.NewClaimNetText.clear();
    tax.NewOtherNetText.clear();
}

void TypeNetBox(CaseRecord& record, NetParty party, std::string text) {
    TaxResults& tax = record.results.tax;
    (party == NetParty::Claimant ? tax.NewClaimNetText : tax.NewOtherNetText) = std::move(text);
}

}  // namespace tovaris
