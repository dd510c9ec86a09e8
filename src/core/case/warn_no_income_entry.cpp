#include "case/warn_no_income_entry.h"

#include "case/entry_check.h"

namespace tovaris {
namespace {

struct PartyWarning {
    IncomeParty party;
    float CaseGlobals::*grossYearly;
    std::string_view message;
};

constexpr PartyWarning kWarnings[] = {
    {IncomeParty::Claimant, &CaseGlobals::ClaimGrossYearly, kNoClaimIncomeEntered},
    {IncomeParty::Other, &CaseGlobals::PayerGrossYearly, kNoPayerIncomeEntered},
};

bool HasIncomeEntry(const CaseFields& fields, IncomeParty party) {
    for (int s = 0; s < kIncomeSourceCount; ++s) {
        if (!fields.Text(IncomeFieldName(party, static_cast<IncomeSource>(s), kPartyColumn))
                 .empty()) {
            return true;
        }
    }
    return false;
}

}  // namespace

ReadInResult WarnNoIncomeEntries(CaseRecord& record, Interaction& interaction) {
    EntryCheck check(record, interaction);
    for (const PartyWarning& warning : kWarnings) {
        if (record.globals.*warning.grossYearly > 0 &&
            !HasIncomeEntry(record.fields, warning.party) &&
            !check.Warning(GrossIncomeFieldName(warning.party), warning.message)) {
            break;
        }
    }
    return check.result();
}

std::optional<IncomeParty> IncomeScreenAskedFor(const ReadInResult& result) {
    for (const PartyWarning& warning : kWarnings) {
        if (result.stopped && result.message == warning.message) {
            return warning.party;
        }
    }
    return std::nullopt;
}

}  // namespace tovaris
