#pragma once

#include <optional>
#include <string_view>

#include "case/express_read_in.h"
#include "case/income_fields.h"

namespace tovaris {

inline constexpr std::string_view kNoClaimIncomeEntered =
    "No Income Has Been Entered On The Claimant's Income Screen, So No Taxes Will Be Estimated "
    "On The Claimant's Gross Income. Do You Want To Enter The Claimant's Income Now?";
inline constexpr std::string_view kNoPayerIncomeEntered =
    "No Income Has Been Entered On The Other Party's Income Screen, So No Taxes Will Be "
    "Estimated On The Other Party's Gross Income. Do You Want To Enter The Other Party's Income "
    "Now?";

// After the entry checks of both calculation buttons: a gross monthly income typed on the
// Express Entry screen while that party's income screen holds no income entry would be taken
// untaxed, so the user is asked first ("Entry Warning", Claimant first). "Yes" stops the
// command, which then opens that income screen; "No" goes on.
ReadInResult WarnNoIncomeEntries(CaseRecord& record, Interaction& interaction);

// The income screen a stop of WarnNoIncomeEntries asks for; nullopt for any other result.
std::optional<IncomeParty> IncomeScreenAskedFor(const ReadInResult& result);

}  // namespace tovaris
