#include "case/income_fields.h"

namespace tovaris {
namespace {

constexpr std::string_view kSourceRoles[kIncomeSourceCount] = {
    "Earned", "EarnedExempt", "Self", "PT", "ST", "LT", "Pension", "Free", "PriorMaint", "SS"};

constexpr std::string_view kDeductionRoles[kIncomeDeductionCount] = {"IRADeduct",
                                                                     "OtherDeduct",
                                                                     "SelfRetirementDeduct",
                                                                     "SelfHealthDeduct",
                                                                     "ItemizedAmount",
                                                                     "ItemizedNoLimit",
                                                                     "OtherCredits",
                                                                     "PriorMaintPaid",
                                                                     "PriorMaintPaid2",
                                                                     "PriorMaintPaid1",
                                                                     "PriorMaintPaid3",
                                                                     "StIndus",
                                                                     "Dues",
                                                                     "PensionPay",
                                                                     "Retire",
                                                                     "OtherSupport"};

constexpr std::string_view kBusinessRoles[kBusinessAmountCount] = {
    "AWages", "BWages", "ANot", "BNot", "CWages", "DWages", "CPass", "DPass", "REIT",
    "AW2",    "BW2",    "CW2",  "DW2",  "ACap",   "BCap",   "CCap",  "DCap"};

std::string BusinessName(IncomeParty party, std::string_view role, int column) {
    std::string name(party == IncomeParty::Claimant ? "ClaimBusiness." : "PayerBusiness.");
    name += role;
    name += column == kNewSpouseColumn ? "(1)" : "(0)";
    return name;
}

}  // namespace

std::string_view PartyPrefix(IncomeParty party) {
    return party == IncomeParty::Claimant ? "Claim" : "Payer";
}

std::string PartyFieldName(IncomeParty party, std::string_view role) {
    std::string name(PartyPrefix(party));
    name += role;
    return name;
}

std::string IncomeFieldName(IncomeParty party, IncomeSource source, int column) {
    std::string name = PartyFieldName(party, kSourceRoles[static_cast<int>(source)]);
    if (column == kNewSpouseColumn) {
        name += '1';
    }
    return name;
}

std::string IncomeTotalFieldName(IncomeParty party, int column) {
    return PartyFieldName(party, column == kNewSpouseColumn ? "Total1" : "Total");
}

std::string DeductionFieldName(IncomeParty party, IncomeDeduction deduction) {
    return PartyFieldName(party, kDeductionRoles[static_cast<int>(deduction)]);
}

std::string BusinessFieldName(IncomeParty party, BusinessAmount amount, int column) {
    return BusinessName(party, kBusinessRoles[static_cast<int>(amount)], column);
}

std::string BusinessTradeFieldName(IncomeParty party, char business, int column) {
    std::string role(1, business);
    role += "Trade";
    return BusinessName(party, role, column);
}

std::string AgeSixtyFiveFieldName(IncomeParty party) {
    return party == IncomeParty::Claimant ? "ClaimantAge65" : "OtherAge65";
}

std::string GrossIncomeFieldName(IncomeParty party) {
    return party == IncomeParty::Claimant ? "ClaimGrossInc" : "PayGrossInc";
}

}  // namespace tovaris
