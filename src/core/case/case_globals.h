#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tovaris {

// A party's children from other relationships by household and age band, the counts the
// family-size lookups of the other-children deviation add to the case's own children.
struct OtherChildrenBands {
    int16_t homeUnder12 = 0;  // living in the party's household
    int16_t home12Plus = 0;
    int16_t awayUnder12 = 0;  // living elsewhere
    int16_t away12Plus = 0;
};

// The typed working values the read-in fills from the entry fields at the start of every
// calculation, plus the few case values that are not fields. Counts are 16-bit, amounts and
// rates single precision, codes short strings compared exactly.
struct CaseGlobals {
    std::string CustodyType;        // "NoMinors", "Cust", "NonCust", "Shared", "Split"
    std::string ClaimFilingStatus;  // "Head", "Single", "MarriedSep", "MFJ"
    std::string PayerFilingStatus;

    int16_t NumChildren = 0;
    int16_t NumMinors = 0;
    std::array<float, 5> ChildAges{};  // an age entered as 19 is held as 18.6
    int16_t NumChildAges = 0;          // how many of ChildAges were entered
    int16_t NumMinorsUnder12 = 0;
    int16_t NumMinors12Plus = 0;
    int16_t CaregiverCode = 0;  // 1, 2 or 3

    float YearsMarried = 0;
    float ClaimantAge = 0;
    float ClaimantEdSkill = 0;

    float ClaimGrossYearly = 0;
    float PayerGrossYearly = 0;
    float DayCareClaim = 0;  // monthly
    float DayCarePayer = 0;
    int16_t ClaimNumCare = 0;
    int16_t PayerNumCare = 0;
    float ClaimHealthCareMo = 0;
    float PayerHealthCareMo = 0;
    float ClaimSpecialExp = 0;
    float PayerSpecialExp = 0;

    float ClaimSharedTime = 0;  // share of time with the Claimant, 0-1
    float ClaimOvernights = 0;
    float PayerOvernights = 0;
    int16_t ClaimChildrenSplit = 0;
    int16_t PayerChildrenSplit = 0;
    int16_t ClaimSplitUnder12 = 0;
    int16_t ClaimSplit12Plus = 0;
    int16_t PayerSplitUnder12 = 0;
    int16_t PayerSplit12Plus = 0;

    int16_t ClaimDepend17Count = 0;
    int16_t PayerDepend17Count = 0;
    float ClaimStateTaxRate = 0;
    float PayerStateTaxRate = 0;
    float ClaimStateTaxAmount = 0;  // yearly
    float PayerStateTaxAmount = 0;

    float ClaimOtherKids = 0;
    float ClaimOtherKidsNot = 0;
    float PayerOtherKids = 0;
    float PayerOtherKidsNot = 0;
    OtherChildrenBands ClaimOtherBands;
    OtherChildrenBands PayerOtherBands;

    std::string ClaimImputeStatus = "Not Imputed";
    std::string PayerImputeStatus = "Not Imputed";
    std::string ClaimImputeNote;
    std::string PayerImputeNote;
    std::string ClaimImputeNoteWS;
    std::string PayerImputeNoteWS;

    std::string WorksheetFontName = "Tahoma";
    float WorksheetFontPoints = 0;   // 0 until a screen or a case file sets it
    int16_t WorksheetFontSize = 10;  // size code, 9 or 10

    float SelfSupportReserve = 1519;

    // Maintenance and child support exchange values of the read-in.
    float ChildSupportMonthly = 0;
    float MaintForChildSupport = 0;
    std::string DayCareFlag = "N";
    // How maintenance is taxed in the recommendation: 0 to the payee, 2 to the payer (3 is the
    // recommendation's own intermediate state).
    int16_t TaxTreatment = 2;

    // The maintenance screen's override flags, "Y"/"N"; the maintenance read-in resets them so
    // that a new recommendation starts from the suggestion.
    std::string AwardOverride = "N";
    std::string NewUnallocFlag = "N";
    std::string UnallocInForce = "N";
};

}  // namespace tovaris
