#pragma once

#include <string_view>

// Every text the Express Entry screen and its read-in show, in one place. Practitioners know
// these messages by heart and the headless program's output is compared against them, so they
// are kept exactly as the program has always worded them, odd spellings and blanks included.
namespace tovaris::express_text {

inline constexpr std::string_view kEntryError = "Entry Error";
inline constexpr std::string_view kEntryWarning = "Entry Warning";
inline constexpr std::string_view kEntryInformation = "Entry Information";
inline constexpr std::string_view kDataCheck = "Data Check";
inline constexpr std::string_view kClearTitle = "Clear All Data?";

// Screen handlers.
inline constexpr std::string_view kMinorsExceedBorn =
    "Minor Children Can Not Exceed Number Of Children Born";
inline constexpr std::string_view kPercentOfTime =
    "Please ReEnter Percent Of Time That Children Are In Claimant's Possession (As A Decimal)";
inline constexpr std::string_view kTaxedToPayeeNote =
    "NOTE: For separation agreements executed after December 31, 2018, alimony/maintenance "
    "payments are not tax deductible for the payer and thus are not taxable income for the "
    "payee. Select this option only if you want an alimony recommendation under prior tax law "
    "or want to modify an existing order where alimony was taxable to the payee and an income "
    "deduction to the payer.";
inline constexpr std::string_view kClaimantColumn1Question =
    "Are You Sure That You Want To Change The Claimant To Be Parent 1 On The WA Child Support "
    "Worksheet?";
inline constexpr std::string_view kClearQuestion =
    "Have You Saved Your Case Data? -  Are You Sure That You Want To Clear All Entries?";

// Texts the screen shows in its fields and frame captions.
inline constexpr std::string_view kAsRate = "As Rate";
inline constexpr std::string_view kAsAmount = "As Amount";
inline constexpr std::string_view kZeroRate = ".00";
inline constexpr std::string_view kZeroAmount = "$0";
inline constexpr std::string_view kPossessionCaption = "Shared/Split Possession";
inline constexpr std::string_view kSharedCaption = "Shared Possession";
inline constexpr std::string_view kSplitCaption = "Split Possession";

// Read-in: children and custody.
inline constexpr std::string_view kNumChild =
    "Please ReEnter Number Of Children Born During Marriage";
inline constexpr std::string_view kMinChildRange =
    "Please ReEnter Number Of Minor Children Remaining From Marriage (Entry Must Be Between 0 "
    "And 5)";
inline constexpr std::string_view kMinorsExceedChildren =
    "The Number Of Minor Children Exceeds Children Born In Marriage";
inline constexpr std::string_view kNoAges = "Please Enter The Child(ren) And Their Ages";
inline constexpr std::string_view kAgesCount =
    "Number Of Minor Children Remaining Is Not The Same As Number Of Ages Entered";
inline constexpr std::string_view kOverAge =
    "You Entered An Age Greater Than 18 For A Child. Do You Want To ReEnter This Age? Click On "
    "'Yes' To ReEnter The Age. Click On 'No' To Have The Program Calculate Support For This "
    "Non-Minor Child.";
inline constexpr std::string_view kCustodyStatus = "Please Enter The Family Custody Status";
inline constexpr std::string_view kMinorsInNoMinorsCase =
    "Please ReEnter Number Of Minor Children, There Should Be No Minors In This Type Of Case";
inline constexpr std::string_view kSharedTimeMissing =
    "Please Enter The Percentage Of Time Children Are In Claimant's Possession (As A Decimal)";
inline constexpr std::string_view kSharedTimeLow =
    "If The Percentage Of Time Children Are In Claimant's Possession Is Less Than 35%, Then The "
    "Claimant Is Most Likely A NonCustodial Parent. Do You Want To ReEnter This Value?";
inline constexpr std::string_view kSharedTimeHigh =
    "If The Percentage Of Time Children Are In Claimant's Possession Is Greater Than 65%, Then "
    "The Claimant Is Most Likely A Custodial Parent. Do You Want To ReEnter This Value?";
inline constexpr std::string_view kSplitCountMissing =
    "Please Enter The Number Of Children In Each Parent's Possession - In Split Custody Each "
    "Parent Will Have At Least One Minor Child";
inline constexpr std::string_view kSplitSum =
    "The Sum Of The Children In Each Parent's Split Possession Does Not Equal The Total Number "
    "Of Minor Children";

// Read-in: the shared-case day care credit message ends with one of these.
inline constexpr std::string_view kDayCareCheckEntries = ". Please Check Your Entries.";

// Read-in: tax entries that name no party or both.
inline constexpr std::string_view kDepend17Sum =
    "The Sum Of The Children Under Age 17 Declared By Claimant And Other Party Should Be Less "
    "Than Or Equal To The Total Number Of Minors In This Case Plus The Number of Children From "
    "Other Relationships (if any).";
inline constexpr std::string_view kTaxOnlyDepend17Sum =
    "For a Tax Calculation on The Worksheet or Fin Dec, The Sum Of The Children Under Age 17 "
    "Declared By Claimant And Other Party Should Be Less Than Or Equal To The Total Number Of "
    "Minors In This Case Plus The Number of Children From Other Relationships (if any).";
inline constexpr std::string_view kTaxOnlyFilingStatus =
    "For a Tax Calculation on The Worksheet or Fin Dec, Please Enter Each Parent's Tax Filing "
    "Status on The Data Express Form";

// Filing status plausibility warnings.
inline constexpr std::string_view kNoMinorsClaimHead =
    "With No Minors, Claimant's Filing Status Is Probably Single, Do You Want To ReEnter This "
    "Value?";
inline constexpr std::string_view kNoMinorsPayerHead =
    "With No Minors, Other Party's Filing Status Is Probably Single, Do You Want To ReEnter "
    "This Value?";
inline constexpr std::string_view kCustClaimSingle =
    "Claimant Is The Custodial Parent, So Claimant's Filing Status Is Probably Head Of "
    "Household, Do You Want To ReEnter This Value?";
inline constexpr std::string_view kCustPayerHead =
    "Other Party Is Not The Custodial Parent, So Other Party's Filing Status Is Probably "
    "Single, Do You Want To ReEnter This Value?";
inline constexpr std::string_view kNonCustClaimHead =
    "Claimant Is Not The Custodial Parent, So Claimant's Filing Status Is Probably Single, Do "
    "You Want To ReEnter This Value?";
inline constexpr std::string_view kNonCustPayerSingle =
    "Other Party Is The Custodial Parent, So Other Party's Filing Status Is Probably Head Of "
    "Household, Do You Want To ReEnter This Value?";
inline constexpr std::string_view kSharedClaimSingle =
    "Children Reside With Claimant At Least 50% Of The Time, So Claimant's Filing Status Is "
    "Probably Head Of Household, Do You Want To ReEnter This Value?";
inline constexpr std::string_view kSharedClaimHead =
    "Children Reside With Claimant Less Than 50% Of The Time, So Claimant's Filing Status Is "
    "Probably Single, Do You Want To ReEnter This Value?";
inline constexpr std::string_view kSharedPayerHead =
    "Children Reside With Other Party Less Than 50% Of The Time, So Other Party's Filing Status "
    "Is Probably Single, Do You Want To ReEnter This Value?";
inline constexpr std::string_view kSharedPayerSingle =
    "Children Reside With Other Party More Than 50% Of The Time, So Other Party's Filing Status "
    "Is Probably Head Of Household, Do You Want To ReEnter This Value?";
inline constexpr std::string_view kSplitClaimSingle =
    "With Split Custody, Claimant's Filing Status Is Probably Head Of Household, Do You Want To "
    "ReEnter This Value?";
inline constexpr std::string_view kSplitPayerSingle =
    "With Split Custody, Other Party's Filing Status Is Probably Head Of Household, Do You Want "
    "To ReEnter This Value?";

// Maintenance read-in.
inline constexpr std::string_view kClaimantAge = "Please ReEnter Claimant's Age";
inline constexpr std::string_view kYearsMarried = "Please ReEnter Years Of Marriage";
inline constexpr std::string_view kAgeOrYears =
    "Either Claimant's Age Or Years Of Marriage Entry Must Be Incorrect, Please Reenter";
inline constexpr std::string_view kCaregiver =
    "Please Enter The Primary Caregiver Characterization";
inline constexpr std::string_view kEdSkill =
    "Please ReEnter Claimant's Skill Score Which Must Be Between 0 and 15";
inline constexpr std::string_view kNonCustodialSupport =
    "Monthly Child Support Payment For A Non-Custodial Claimant Is Generally Negative Or $0, Do "
    "You Want To ReEnter This Value?";

// The texts that exist once for each party.
struct PartyMessages {
    std::string_view splitCount;  // screen handler of the party's split count
    std::string_view dayCare;
    std::string_view numCare;
    std::string_view numCareExceedsMinors;
    // Qualified children for the day care credit against where the children live.
    std::string_view careNotResident;
    std::string_view careExceedsMinors;
    std::string_view careExceedsSplit;
    std::string_view careMoreThanHalf;
    std::string_view careExactWithGreaterIncome;
    std::string_view careExactWithoutGreaterIncome;
    std::string_view careInconsistent;
    std::string_view careMoreThanHalfBut;
    std::string_view careEligibleShort;
    std::string_view careShortEnding;
    std::string_view special;
    std::string_view healthCare;
    std::string_view grossIncome;
    std::string_view taxOnlyGrossIncome;
    std::string_view depend17;
    std::string_view taxOnlyDepend17;
    std::string_view depend17Limit;
    std::string_view taxOnlyDepend17Limit;
    std::string_view stateTaxRate;
    std::string_view stateTaxAmount;
    std::string_view filingStatus;
};

inline constexpr PartyMessages kClaimMessages = {
    .splitCount =
        "The Combined Number Of Children In Each Parent's Possession Is Greater Than The "
        "Number Of Minors, Or The Entry Is Not Numeric - Please ReEnter The Split "
        "Custody",
    .dayCare =
        "Please ReEnter Claimant's Monthly Day Care Cost, Or Enter A $0 If There Are No "
        "Payments",
    .numCare =
        "Please Enter The Number Of Children Qualified For The Claimant's Day Care Tax "
        "Credit",
    .numCareExceedsMinors =
        "The Number Of Children For Which Claimant Pays Child Care Can Not "
        "Exceed The Number of Minor Children in The Family ",
    .careNotResident =
        "Since Children Do Not Reside With Claimant, There Are No Children Qualified for "
        "Claimant's Day Care Tax Credit. Please Enter 0 For Claimant's Qualified Children. The "
        "Care Tax Credit Is Only Available For Children That Reside With A Party More Than 50% "
        "Of The Time.",
    .careExceedsMinors =
        "The Number Of Children That You Entered As Qualified for Claimant's Day Care Tax Credit "
        "Exceeds The Number Of Minors. Please ReEnter The Claimant's Qualified Children. The Care "
        "Tax Credit Is Only Available For Children That Reside With A Party More Than 50% Of The "
        "Time.",
    .careExceedsSplit =
        "The Number Of Children That You Entered As Qualified for Claimant's Day Care Tax Credit "
        "Exceeds The Number Of Children Residing With Claimant. Please ReEnter The Claimant's "
        "Qualified Children. The Care Tax Credit Is Only Available For Children That Reside With "
        "A Party More Than 50% Of The Time.",
    .careMoreThanHalf = " Child(ren) Reside(s) With The Claimant More Than 50% Of The Time. ",
    .careExactWithGreaterIncome =
        " Child(ren) Reside(s) With Claimant Exactly 50 Percent Of The Time With The Claimant "
        "Having The Greater Income. You Show ",
    .careExactWithoutGreaterIncome =
        " Child(ren) Reside(s) With Claimant Exactly 50 Percent Of The Time. In An Exact 50 "
        "Percent Split Of Overnights, The IRS Requires A Parent To Have The Greater Income To "
        "Qualify For The Care Tax Credit For That Child. You Show ",
    .careInconsistent =
        " Child(ren) Eligible For The Claimant's Day Care Tax Credit, Which Is "
        "Inconsistent With The Data Entered. The Most That Enty Could Be Is ",
    .careMoreThanHalfBut =
        " Child(ren) Reside(s) With The Claimant More Than 50% Of The Time, But You Show ",
    .careEligibleShort =
        " Child(ren) Eligible For The Claimant's Day Care Tax Credit. The Most "
        "That Enty Could Be Is ",
    .careShortEnding =
        ". The Care Tax Credit Is Only Available For Children That Reside With A "
        "Party More Than 50% Of The Time. Please Check Your Entries.",
    .special =
        "Please ReEnter Claimant's Monthly Special Expenses, Or Enter A $0 If There Are "
        "No Payments",
    .healthCare =
        "Please ReEnter Claimant's Monthly Health Care Cost, Or Enter A $0 If There Are "
        "No Payments",
    .grossIncome = "Please ReEnter Claimant's Gross Monthly Income",
    .taxOnlyGrossIncome =
        "For a Tax Calculation on The Worksheet or Fin Dec, Please Enter Each "
        "Parent's Gross Monthly Income",
    .depend17 =
        "Please ReEnter The Number Of Children Under Age 17 Declared By The Claimant (For "
        "The Federal Child Tax Credit), Or Enter 0 If None",
    .taxOnlyDepend17 =
        "For a Tax Calculation on The Worksheet or Fin Dec, Please ReEnter The Number Of "
        "Children Under Age 17 Declared By The Claimant (For The Federal Child Tax Credit), or "
        "Enter 0 If None, on The Data Express Form",
    .depend17Limit =
        "The Number Of Children Under Age 17 Declared By The Claimant (For The Child Tax Credit) "
        "Should Be Less Than Or Equal To The Total Number Of Minors In This Case Plus The Number "
        "of Children From Other Relationships (if any).",
    .taxOnlyDepend17Limit =
        "For a Tax Calculation on The Worksheet or Fin Dec, The Number Of Children Under Age 17 "
        "Declared By The Claimant (For The Child Tax Credit) Should Be Less Than Or Equal To The "
        "Total Number Of Minors In This Case Plus The Number of Children From Other "
        "Relationships (if any). Please ReEnter on The Data Express Form",
    .stateTaxRate =
        "Please ReEnter The State Tax Rate For The Claimant (As A Decimal). The Rate "
        "Entered Appears Unusual.",
    .stateTaxAmount = "Please ReEnter The Amount Of Yearly State Tax Paid By The Claimant",
    .filingStatus = "Please Enter Claimant's Tax Filing Status",
};

inline constexpr PartyMessages kPayerMessages = {
    // The Other Party's text has always had two blanks before the dash.
    .splitCount =
        "The Combined Number Of Children In Each Parent's Possession Is Greater Than The "
        "Number Of Minors, Or The Entry Is Not Numeric  - Please ReEnter The Split "
        "Custody",
    .dayCare =
        "Please ReEnter Other Parent's Monthly Day Care Cost, Or Enter A $0 If There Are "
        "No Payments",
    .numCare =
        "Please Enter The Number Of Children Qualified For The Other Party's Day Care Tax "
        "Credit",
    .numCareExceedsMinors =
        "The Number Of Children For Which Other Parent Pays Child Care Can "
        "Not Exceed The Number of Minor Children in The Family ",
    .careNotResident =
        "Since Children Do Not Reside With Other Party, There Are No Children Qualified for "
        "Other Party's Day Care Tax Credit. Please Enter 0 For The Other Party's Qualified "
        "Children. The Care Tax Credit Is Only Available For Children That Reside With A Party "
        "More Than 50% Of The Time.",
    .careExceedsMinors =
        "The Number Of Children That You Entered As Qualified for Other party's Day Care Tax "
        "Credit Exceeds The Number Of Minors. Please ReEnter The Other Party's Qualified "
        "Children. The Care Tax Credit Is Only Available For Children That Reside With A Party "
        "More Than 50% Of The Time.",
    .careExceedsSplit =
        "The Number Of Children That You Entered As Qualified For The Other Party's Day Care Tax "
        "Credit Exceeds The Number Of Children Residing With Other Party. Please ReEnter The "
        "Other Party's Qualified Children. The Care Tax Credit Is Only Available For Children "
        "That Reside With A Party More Than 50% Of The Time.",
    .careMoreThanHalf = " Child(ren) Reside(s) With The Other Party More Than 50% Of The Time. ",
    .careExactWithGreaterIncome =
        " Child(ren) Reside(s) With Other Party Exactly 50 Percent Of The Time With The Other "
        "Party Having The Greater Income. You Show ",
    .careExactWithoutGreaterIncome =
        " Child(ren) Reside(s) With Other Party Exactly 50 Percent Of The Time. In An Exact 50 "
        "Percent Split Of Overnights, The IRS Requires A Parent To Have The Greater Income To "
        "Qualify For The Care Tax Credit For That Child. You Show ",
    .careInconsistent =
        " Child(ren) Eligible For The Other Party's Day Care Tax Credit, Which Is "
        "Inconsistent With The Data Entered. The Most That Enty Could Be Is ",
    .careMoreThanHalfBut =
        " Child(ren) Reside(s) With The Other Party More Than 50% Of The Time, But You Show ",
    .careEligibleShort =
        " Child(ren) Eligible For The Other Party's Day Care Tax Credit. The "
        "Most That Enty Could Be Is ",
    .careShortEnding =
        ". The Care Tax Credit Is Only Available For Children That Reside With A "
        "Party More Than 50% Of The Time. Please ReEnter.",
    .special =
        "Please ReEnter Other Parent's Monthly Special Expenses, Or Enter A $0 If There "
        "Are No Payments",
    .healthCare =
        "Please ReEnter Other Parent's Monthly Health Care Cost, Or Enter A $0 If "
        "There Are No Payments",
    .grossIncome = "Please ReEnter Other Party's Gross Monthly Income",
    .taxOnlyGrossIncome =
        "For a Tax Calculation on The Worksheet or Fin Dec, Please Enter "
        "Parent's Gross Monthly Income",
    .depend17 =
        "Please ReEnter The Number Of Children Under Age 17 Declared By The Other Party "
        "(For The Federal Child Tax Credit), Or Enter 0 If None",
    .taxOnlyDepend17 =
        "For a Tax Calculation on The Worksheet or Fin Dec, Please ReEnter The Number Of "
        "Children Under Age 17 Declared By The Other Party (For The Federal Child Tax Credit), "
        "Or Enter 0 If None, on The Data Express Form",
    .depend17Limit =
        "The Number Of Children Under Age 17 Declared By The Other Party (For The Child Tax "
        "Credit) Should Be Less Than Or Equal To The Total Number Of Minors In This Case Plus The "
        "Number of Children From Other Relationships (if any).",
    .taxOnlyDepend17Limit =
        "For a Tax Calculation on The Worksheet or Fin Dec, The Number Of Children Under Age 17 "
        "Declared By The Other Party (For The Child Tax Credit) Should Be Less Than Or Equal To "
        "The Total Number Of Minors In This Case Plus The Number of Children From Other "
        "Relationships (if any). Please ReEnter on The Data Express Form",
    .stateTaxRate =
        "Please ReEnter The State Tax Rate For The Other Party (As A Decimal). The "
        "Rate Entered Appears Unusual.",
    .stateTaxAmount = "Please ReEnter The Amount Of Yearly State Tax Rate Paid By The Other Party",
    .filingStatus = "Please Enter Other Party's Tax Filing Status",
};

}  // namespace tovaris::express_text
