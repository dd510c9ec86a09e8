#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "case/case_globals.h"
#include "case/custody_type.h"
#include "case/express_messages.h"

namespace tovaris {

// What the read-in handles once per party: the entry fields (their names do not follow one
// prefix: "OtherDayCare", "PayGrossInc"), the globals they fill and the messages they give.
// The read-in walks both parties through the same code with these two rows.
struct ExpressParty {
    std::string_view dayCare;
    std::string_view numCare;
    std::string_view healthCare;
    std::string_view special;
    std::string_view grossIncome;
    std::string_view depend17;
    std::string_view stateTax;
    std::string_view stateTaxCombo;
    std::string_view possessionSplit;
    std::string_view splitChild;  // array name: per child, whether it lives with this party
    std::string_view headHouse;
    std::string_view single;
    std::string_view married;
    std::string_view mfj;
    // Children from other relationships, on the party's income screen.
    std::string_view secFamCheck;
    std::string_view numOther;
    std::string_view numOtherNot;
    std::string_view otherChildAge;  // array name; elements "(0)".."(4)"

    // The custody codes in which the children live with this party, and away from it.
    std::string_view custodial;
    std::string_view nonCustodial;

    float CaseGlobals::*dayCareMo;
    int16_t CaseGlobals::*numCareCount;
    float CaseGlobals::*healthCareMo;
    float CaseGlobals::*specialExp;
    float CaseGlobals::*grossYearly;
    int16_t CaseGlobals::*depend17Count;
    float CaseGlobals::*stateTaxRate;
    float CaseGlobals::*stateTaxAmount;
    std::string CaseGlobals::*filingStatus;
    int16_t CaseGlobals::*childrenSplit;
    int16_t CaseGlobals::*splitUnder12;
    int16_t CaseGlobals::*split12Plus;
    float CaseGlobals::*otherKids;
    float CaseGlobals::*otherKidsNot;
    OtherChildrenBands CaseGlobals::*otherBands;

    const express_text::PartyMessages& messages;
};

inline constexpr ExpressParty kClaimParty = {
    .dayCare = "ClaimDayCare",
    .numCare = "ClaimNumCare",
    .healthCare = "ClaimHealthCare",
    .special = "ClaimSpecial",
    .grossIncome = "ClaimGrossInc",
    .depend17 = "ClaimDepend17",
    .stateTax = "ClaimStateTax",
    .stateTaxCombo = "ClaimStateTaxCombo",
    .possessionSplit = "ClaimantPossessionSplit",
    .splitChild = "ClaimChild",
    .headHouse = "ClaimHeadHouse",
    .single = "ClaimSingle",
    .married = "ClaimMarried",
    .mfj = "ClaimMFJ",
    .secFamCheck = "ClaimSecFamCheck",
    .numOther = "ClaimNumOther",
    .numOtherNot = "ClaimNumOtherNot",
    .otherChildAge = "ClaimOtherChildAge",
    .custodial = kCustodyCust,
    .nonCustodial = kCustodyNonCust,
    .dayCareMo = &CaseGlobals::DayCareClaim,
    .numCareCount = &CaseGlobals::ClaimNumCare,
    .healthCareMo = &CaseGlobals::ClaimHealthCareMo,
    .specialExp = &CaseGlobals::ClaimSpecialExp,
    .grossYearly = &CaseGlobals::ClaimGrossYearly,
    .depend17Count = &CaseGlobals::ClaimDepend17Count,
    .stateTaxRate = &CaseGlobals::ClaimStateTaxRate,
    .stateTaxAmount = &CaseGlobals::ClaimStateTaxAmount,
    .filingStatus = &CaseGlobals::ClaimFilingStatus,
    .childrenSplit = &CaseGlobals::ClaimChildrenSplit,
    .splitUnder12 = &CaseGlobals::ClaimSplitUnder12,
    .split12Plus = &CaseGlobals::ClaimSplit12Plus,
    .otherKids = &CaseGlobals::ClaimOtherKids,
    .otherKidsNot = &CaseGlobals::ClaimOtherKidsNot,
    .otherBands = &CaseGlobals::ClaimOtherBands,
    .messages = express_text::kClaimMessages,
};

inline constexpr ExpressParty kPayerParty = {
    .dayCare = "OtherDayCare",
    .numCare = "OtherNumCare",
    .healthCare = "OtherHealthCare",
    .special = "OtherSpecial",
    .grossIncome = "PayGrossInc",
    .depend17 = "PayerDepend17",
    .stateTax = "PayerStateTax",
    .stateTaxCombo = "PayerStateTaxCombo",
    .possessionSplit = "OtherPossessionSplit",
    .splitChild = "OtherChild",
    .headHouse = "PayerHeadHouse",
    .single = "PayerSingle",
    .married = "PayerMarried",
    .mfj = "PayerMFJ",
    .secFamCheck = "PayerSecFamCheck",
    .numOther = "PayerNumOther",
    .numOtherNot = "PayerNumOtherNot",
    .otherChildAge = "PayerOtherChildAge",
    .custodial = kCustodyNonCust,
    .nonCustodial = kCustodyCust,
    .dayCareMo = &CaseGlobals::DayCarePayer,
    .numCareCount = &CaseGlobals::PayerNumCare,
    .healthCareMo = &CaseGlobals::PayerHealthCareMo,
    .specialExp = &CaseGlobals::PayerSpecialExp,
    .grossYearly = &CaseGlobals::PayerGrossYearly,
    .depend17Count = &CaseGlobals::PayerDepend17Count,
    .stateTaxRate = &CaseGlobals::PayerStateTaxRate,
    .stateTaxAmount = &CaseGlobals::PayerStateTaxAmount,
    .filingStatus = &CaseGlobals::PayerFilingStatus,
    .childrenSplit = &CaseGlobals::PayerChildrenSplit,
    .splitUnder12 = &CaseGlobals::PayerSplitUnder12,
    .split12Plus = &CaseGlobals::PayerSplit12Plus,
    .otherKids = &CaseGlobals::PayerOtherKids,
    .otherKidsNot = &CaseGlobals::PayerOtherKidsNot,
    .otherBands = &CaseGlobals::PayerOtherBands,
    .messages = express_text::kPayerMessages,
};

// The Claimant first: every per-party check looks at the Claimant's entry before the Other
// Party's.
inline constexpr std::array<const ExpressParty*, 2> kExpressParties = {&kClaimParty, &kPayerParty};

// The party a screen handler works for.
enum class PartySide { Claimant, Other };

inline const ExpressParty& PartyOf(PartySide side) {
    return side == PartySide::Claimant ? kClaimParty : kPayerParty;
}

// "Child(2)": the name of one element of a field array.
inline std::string ElementName(std::string_view array, int index) {
    return std::string(array) + "(" + std::to_string(index) + ")";
}

}  // namespace tovaris
