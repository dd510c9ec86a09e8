#pragma once

#include <cstdint>
#include <string>

#include "tax/federal_credits.h"

namespace tovaris {

// One party's outcome of the net-income phase; yearly dollars unless named monthly.
struct PartyTaxResults {
    float IncomeShare = 0;  // joint filers: the party's part of the joint return
    float GrossYearly = 0;
    float Deductions = 0;  // the worksheet's income deductions, yearly
    float PayrollTax = 0;
    float HalfSETax = 0;  // includes the new spouse's on a joint return
    float NewSpousePayrollTax = 0;
    float NewSpouseHalfSETax = 0;
    float NontaxableSS = 0;
    float AGI = 0;
    float BusinessDeduction = 0;
    float FederalTax = 0;  // after joint proration
    tax::FederalCredits Credits;
    float TotalCredits = 0;  // after joint proration
    float StateTax = 0;
    float StateTaxRate = 0;  // derived in "As Amount" mode
    float NetYearly = 0;
    float NetMonthly = 0;  // final, after a typed override
    float NetMonthlyComputed = 0;
    float NetOverrideDifference = 0;  // computed - typed, for an overridden party
};

// What the net-income phase reads beyond the entry fields, and what it writes.
struct TaxResults {
    PartyTaxResults Claim;
    PartyTaxResults Payer;
    // The net-income phase has run: the net incomes are set (the recommendation's tax passes
    // alone do not set them).
    bool NetComputed = false;

    // Monthly maintenance the Other Party pays the Claimant in this calculation.
    float MonthlyMaintenance = 0;

    // Typed "New Net Per Month" of the results screen and its state: 1 none, 2 the Claimant's,
    // 3 the Other Party's, 4 both.
    int16_t NetOverrideState = 1;
    float NewClaimNet = 0;
    float NewOtherNet = 0;
    // The boxes' text as it stands now: every run reads an overridden party's box again.
    std::string NewClaimNetText;
    std::string NewOtherNetText;

    // The worksheet's typed monthly tax amounts by worksheet column (0 = column 1), and the
    // one-shot flag that puts them in force for the next run.
    float WorksheetIncomeTaxes[2] = {0, 0};
    float WorksheetFica[2] = {0, 0};
    bool WorksheetTaxOverride = false;
};

}  // namespace tovaris
