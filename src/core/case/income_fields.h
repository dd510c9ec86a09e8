#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tovaris {

// The two income detail screens are twins: the Claimant's fields begin with "Claim", the
// Other Party's with "Payer" (the age-65 checks are "ClaimantAge65" and "OtherAge65").
enum class IncomeParty { Claimant, Other };

constexpr std::array<IncomeParty, 2> kIncomeParties = {IncomeParty::Claimant, IncomeParty::Other};

// Column of page 1 and of the business income screen: the party, or the new spouse on a joint
// return (fields with the suffix "1", business elements "(1)").
constexpr int kPartyColumn = 0;
constexpr int kNewSpouseColumn = 1;

// Income rows of page 1 "Gross Income", in screen order; the total is not a row.
enum class IncomeSource { Earned, EarnedExempt, Self, PT, ST, LT, Pension, Free, PriorMaint, SS };
constexpr int kIncomeSourceCount = 10;

// Amount fields of pages 2-4, always yearly.
enum class IncomeDeduction {
    IRADeduct,
    OtherDeduct,
    SelfRetirementDeduct,
    SelfHealthDeduct,
    ItemizedAmount,
    ItemizedNoLimit,
    OtherCredits,
    PriorMaintPaid,   // before 2019, the party
    PriorMaintPaid2,  // after 2018, the party
    PriorMaintPaid1,  // before 2019, the new spouse
    PriorMaintPaid3,  // after 2018, the new spouse
    StIndus,
    Dues,
    PensionPay,
    Retire,
    OtherSupport,  // child support paid for children of other relationships, yearly
};
constexpr int kIncomeDeductionCount = 16;

// Amount fields of one business income screen column (the trade checks are not amounts).
enum class BusinessAmount {
    AWages,
    BWages,
    ANot,
    BNot,
    CWages,
    DWages,
    CPass,
    DPass,
    REIT,
    AW2,
    BW2,
    CW2,
    DW2,
    ACap,
    BCap,
    CCap,
    DCap,
};
constexpr int kBusinessAmountCount = 17;

// "Claim" or "Payer".
std::string_view PartyPrefix(IncomeParty party);

// "ClaimEarned", "PayerSS1"; column 1 is the new spouse.
std::string IncomeFieldName(IncomeParty party, IncomeSource source, int column);
// "ClaimTotal", "PayerTotal1".
std::string IncomeTotalFieldName(IncomeParty party, int column);
// "ClaimDues", "PayerPriorMaintPaid3".
std::string DeductionFieldName(IncomeParty party, IncomeDeduction deduction);
// "ClaimBusiness.AWages(0)", "PayerBusiness.REIT(1)".
std::string BusinessFieldName(IncomeParty party, BusinessAmount amount, int column);
// "ClaimBusiness.ATrade(0)"; business is 'A' to 'D'.
std::string BusinessTradeFieldName(IncomeParty party, char business, int column);

// Any other field of the screen by its role after the prefix: "SecFamCheck", "NumOther",
// "OtherChildAge(2)", "EICCheck". The age-65 check is AgeSixtyFiveFieldName.
std::string PartyFieldName(IncomeParty party, std::string_view role);
std::string AgeSixtyFiveFieldName(IncomeParty party);
// Express Entry gross monthly income: "ClaimGrossInc" / "PayGrossInc".
std::string GrossIncomeFieldName(IncomeParty party);

}  // namespace tovaris
