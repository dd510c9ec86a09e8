#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case/express_messages.h"
#include "case/express_read_in.h"
#include "common/scripted_interaction.h"

namespace tovaris {
namespace {

using namespace express_text;

// A complete custodial case that passes every check without a warning: two children born, both
// minors aged 5 and 13, living with the Claimant, who files as head of household.
CaseRecord ValidCase() {
    CaseRecord record;
    CaseFields& f = record.fields;
    f.SetText("NumChild", "2");
    f.SetText("MinChild", "2");
    f.SetText("Child(0)", "5");
    f.SetText("Child(1)", "13");
    f.Select("CustodialOption");
    f.SetText("ClaimDayCare", "$300");
    f.SetText("OtherDayCare", "0");
    f.SetText("ClaimNumCare", "1");
    f.SetText("OtherNumCare", "0");
    f.SetText("ClaimSpecial", "0");
    f.SetText("OtherSpecial", "$0");
    f.SetText("ClaimHealthCare", "$ 100");
    f.SetText("OtherHealthCare", "0");
    f.SetText("ClaimGrossInc", "$3,000");
    f.SetText("PayGrossInc", "5000");
    f.SetText("ClaimDepend17", "2");
    f.SetText("PayerDepend17", "0");
    f.Select("ClaimHeadHouse");
    f.Select("PayerSingle");
    return record;
}

// The valid case with shared possession, half the nights each, the Claimant earning less.
CaseRecord SharedCase() {
    CaseRecord record = ValidCase();
    CaseFields& f = record.fields;
    f.Select("SharedOption");
    f.SetText("PercentOfTimeValue", ".5");
    f.SetText("ClaimDays", "182.5");
    f.SetText("PayerPerCent", ".5");
    f.SetText("PayerDays", "182.5");
    f.SetText("ClaimNumCare", "0");
    return record;
}

// The valid case with split possession: the younger child with the Claimant, the older with
// the Other Party.
CaseRecord SplitCase() {
    CaseRecord record = ValidCase();
    CaseFields& f = record.fields;
    f.Select("SplitOption");
    f.SetText("ClaimantPossessionSplit", "1");
    f.SetText("OtherPossessionSplit", "1");
    f.Select("ClaimChild(0)");
    f.Select("OtherChild(1)");
    f.SetText("OtherNumCare", "1");
    f.Select("PayerHeadHouse");
    return record;
}

struct Stop {
    std::string_view title;
    std::string_view message;
    std::string_view field;
};

// One change to a field: a text, or "on"/"off" for an option button.
struct Edit {
    const char* field;
    const char* value;
};

struct Row {
    const char* name;
    CaseRecord (*base)();
    std::vector<Edit> edits;
    Stop expected;
    ReadInMode mode = {};
};

void Apply(CaseFields& fields, const std::vector<Edit>& edits) {
    for (const Edit& edit : edits) {
        if (FindField(edit.field).kind == FieldKind::Option) {
            fields.Select(edit.field, std::string_view(edit.value) == "on");
        } else {
            fields.SetText(edit.field, edit.value);
        }
    }
}

// clang-format off
// Each row breaks one entry of a valid case; the rows follow the order of the checks, so a row
// failing check n shows that checks 1..n-1 passed. Warnings are answered "Yes" (re-enter).
const Row kRows[] = {
    {"NumChildMissing", ValidCase, {{"NumChild", ""}}, {kEntryError, kNumChild, "NumChild"}},
    {"NumChildNegative", ValidCase, {{"NumChild", "-1"}}, {kEntryError, kNumChild, "NumChild"}},
    {"MinChildSix", ValidCase, {{"MinChild", "6"}}, {kEntryError, kMinChildRange, "MinChild"}},
    {"MinChildText", ValidCase, {{"MinChild", "two"}}, {kEntryError, kMinChildRange, "MinChild"}},
    {"MinorsAboveBorn", ValidCase, {{"NumChild", "1"}},
     {kEntryError, kMinorsExceedChildren, "MinChild"}},
    {"NoAges", ValidCase, {{"Child(0)", ""}, {"Child(1)", ""}},
     {kEntryError, kNoAges, "Child(0)"}},
    {"AgeNotNumeric", ValidCase, {{"Child(1)", "abc"}}, {kEntryError, kAgesCount, "Child(0)"}},
    {"ExtraAge", ValidCase, {{"Child(4)", "2"}}, {kEntryError, kAgesCount, "Child(0)"}},
    {"OverAge", ValidCase, {{"Child(1)", "19"}}, {kEntryWarning, kOverAge, "Child(1)"}},
    {"NoCustody", ValidCase, {{"CustodialOption", "off"}},
     {kEntryError, kCustodyStatus, "CustodialOption"}},
    {"ClaimDayCare", ValidCase, {{"ClaimDayCare", ""}},
     {kEntryError, kClaimMessages.dayCare, "ClaimDayCare"}},
    {"OtherDayCare", ValidCase, {{"OtherDayCare", "n/a"}},
     {kEntryError, kPayerMessages.dayCare, "OtherDayCare"}},
    {"ClaimNumCare", ValidCase, {{"ClaimNumCare", ""}},
     {kEntryError, kClaimMessages.numCare, "ClaimNumCare"}},
    {"ClaimNumCareAboveMinors", ValidCase, {{"ClaimNumCare", "3"}},
     {kEntryError, kClaimMessages.numCareExceedsMinors, "ClaimNumCare"}},
    {"OtherNumCare", ValidCase, {{"OtherNumCare", ""}},
     {kEntryError, kPayerMessages.numCare, "OtherNumCare"}},
    {"OtherNumCareAboveMinors", ValidCase, {{"OtherNumCare", "3"}},
     {kEntryError, kPayerMessages.numCareExceedsMinors, "OtherNumCare"}},
    {"ClaimCareWhileNonCustodial", ValidCase, {{"NonCustodialOption", "on"}},
     {kEntryError, kClaimMessages.careNotResident, "ClaimNumCare"}},
    {"OtherCareWhileClaimantCustodial", ValidCase, {{"OtherNumCare", "1"}},
     {kEntryError, kPayerMessages.careNotResident, "OtherNumCare"}},
    {"ClaimCareAboveSplitCount", SplitCase, {{"ClaimNumCare", "2"}},
     {kEntryError, kClaimMessages.careExceedsSplit, "ClaimNumCare"}},
    {"OtherCareAboveSplitCount", SplitCase, {{"OtherNumCare", "2"}},
     {kEntryError, kPayerMessages.careExceedsSplit, "OtherNumCare"}},
    {"ClaimSpecial", ValidCase, {{"ClaimSpecial", ""}},
     {kEntryError, kClaimMessages.special, "ClaimSpecial"}},
    {"OtherSpecial", ValidCase, {{"OtherSpecial", ""}},
     {kEntryError, kPayerMessages.special, "OtherSpecial"}},
    {"ClaimHealthCare", ValidCase, {{"ClaimHealthCare", ""}},
     {kEntryError, kClaimMessages.healthCare, "ClaimHealthCare"}},
    {"OtherHealthCare", ValidCase, {{"OtherHealthCare", "-"}},
     {kEntryError, kPayerMessages.healthCare, "OtherHealthCare"}},
    {"MinorsInNoMinorsCase", ValidCase, {{"NoMinorOption", "on"}},
     {kEntryError, kMinorsInNoMinorsCase, "MinChild"}},
    {"SharedWithoutShare", SharedCase, {{"PercentOfTimeValue", ""}},
     {kEntryError, kSharedTimeMissing, "PercentOfTimeValue"}},
    {"SharedShareLow", SharedCase, {{"PercentOfTimeValue", ".349"}},
     {kEntryWarning, kSharedTimeLow, "PercentOfTimeValue"}},
    {"SharedShareHigh", SharedCase, {{"PercentOfTimeValue", ".651"}},
     {kEntryWarning, kSharedTimeHigh, "PercentOfTimeValue"}},
    {"SplitClaimCountMissing", SplitCase, {{"ClaimantPossessionSplit", ""}, {"ClaimNumCare", "0"}},
     {kEntryError, kSplitCountMissing, "ClaimantPossessionSplit"}},
    {"SplitOtherCountZero", SplitCase, {{"OtherPossessionSplit", "0"}, {"OtherNumCare", "0"}},
     {kEntryError, kSplitCountMissing, "OtherPossessionSplit"}},
    {"SplitSumBelowMinors", SplitCase, {{"NumChild", "3"}, {"MinChild", "3"}, {"Child(2)", "8"}},
     {kEntryError, kSplitSum, "ClaimantPossessionSplit"}},
    {"ClaimGross", ValidCase, {{"ClaimGrossInc", ""}},
     {kEntryError, kClaimMessages.grossIncome, "ClaimGrossInc"}},
    {"OtherGross", ValidCase, {{"PayGrossInc", "x"}},
     {kEntryError, kPayerMessages.grossIncome, "PayGrossInc"}},
    {"ClaimDepend17Missing", ValidCase, {{"ClaimDepend17", ""}},
     {kEntryError, kClaimMessages.depend17, "ClaimDepend17"}},
    {"OtherDepend17Negative", ValidCase, {{"PayerDepend17", "-1"}},
     {kEntryError, kPayerMessages.depend17, "PayerDepend17"}},
    {"ClaimDepend17AboveMinors", ValidCase, {{"ClaimDepend17", "3"}},
     {kEntryError, kClaimMessages.depend17Limit, "ClaimDepend17"}},
    {"OtherDepend17AboveMinors", ValidCase, {{"PayerDepend17", "3"}},
     {kEntryError, kPayerMessages.depend17Limit, "PayerDepend17"}},
    {"Depend17SumAboveMinors", ValidCase, {{"PayerDepend17", "1"}},
     {kEntryError, kDepend17Sum, "ClaimDepend17"}},
    {"ClaimStateRateHalf", ValidCase, {{"ClaimStateTax", ".5"}},
     {kEntryError, kClaimMessages.stateTaxRate, "ClaimStateTax"}},
    {"OtherStateRatePercent", ValidCase, {{"PayerStateTax", "5%"}},
     {kEntryError, kPayerMessages.stateTaxRate, "PayerStateTax"}},
    {"OtherStateAmountNegative", ValidCase,
     {{"PayerStateTaxCombo", "As Amount"}, {"PayerStateTax", "-$10"}},
     {kEntryError, kPayerMessages.stateTaxAmount, "PayerStateTax"}},
    {"ClaimFilingStatus", ValidCase, {{"ClaimHeadHouse", "off"}},
     {kEntryError, kClaimMessages.filingStatus, "ClaimHeadHouse"}},
    {"OtherFilingStatus", ValidCase, {{"PayerSingle", "off"}},
     {kEntryError, kPayerMessages.filingStatus, "PayerHeadHouse"}},

    // Filing statuses that do not fit the custody type.
    {"CustodialClaimantSingle", ValidCase, {{"ClaimSingle", "on"}},
     {kEntryWarning, kCustClaimSingle, "ClaimSingle"}},
    {"CustodialOtherHead", ValidCase, {{"PayerHeadHouse", "on"}},
     {kEntryWarning, kCustPayerHead, "PayerHeadHouse"}},
    {"NonCustodialClaimantHead", ValidCase,
     {{"NonCustodialOption", "on"}, {"ClaimNumCare", "0"}, {"PayerHeadHouse", "on"}},
     {kEntryWarning, kNonCustClaimHead, "ClaimHeadHouse"}},
    {"NonCustodialOtherSingle", ValidCase,
     {{"NonCustodialOption", "on"}, {"ClaimNumCare", "0"}, {"ClaimSingle", "on"}},
     {kEntryWarning, kNonCustPayerSingle, "PayerSingle"}},
    {"SharedHalfClaimantSingle", SharedCase, {{"ClaimSingle", "on"}},
     {kEntryWarning, kSharedClaimSingle, "ClaimSingle"}},
    {"SharedHalfOtherHead", SharedCase, {{"PayerHeadHouse", "on"}},
     {kEntryWarning, kSharedPayerHead, "PayerHeadHouse"}},
    {"SharedLessClaimantHead", SharedCase, {{"PercentOfTimeValue", ".45"}},
     {kEntryWarning, kSharedClaimHead, "ClaimHeadHouse"}},
    {"SharedLessOtherSingle", SharedCase, {{"PercentOfTimeValue", ".45"}, {"ClaimSingle", "on"}},
     {kEntryWarning, kSharedPayerSingle, "PayerSingle"}},
    {"SplitClaimantSingle", SplitCase, {{"ClaimSingle", "on"}},
     {kEntryWarning, kSplitClaimSingle, "ClaimSingle"}},
    {"SplitOtherSingle", SplitCase, {{"PayerSingle", "on"}},
     {kEntryWarning, kSplitPayerSingle, "PayerSingle"}},
    {"NoMinorsClaimantHead", ValidCase,
     {{"MinChild", "0"}, {"Child(0)", ""}, {"Child(1)", ""}, {"ClaimDepend17", "0"},
      {"NoMinorOption", "on"}},
     {kEntryWarning, kNoMinorsClaimHead, "ClaimHeadHouse"}},
    {"NoMinorsOtherHead", ValidCase,
     {{"NumChild", "0"}, {"Child(0)", ""}, {"Child(1)", ""}, {"ClaimDepend17", "0"},
      {"NoMinorOption", "on"}, {"ClaimSingle", "on"}, {"PayerHeadHouse", "on"}},
     {kEntryWarning, kNoMinorsPayerHead, "PayerHeadHouse"}},

    // Tax-only validation words its messages for the worksheet and the financial declaration.
    {"TaxOnlyClaimGross", ValidCase, {{"ClaimGrossInc", ""}},
     {kEntryError, kClaimMessages.taxOnlyGrossIncome, "ClaimGrossInc"}, {.taxOnly = true}},
    {"TaxOnlyOtherGross", ValidCase, {{"PayGrossInc", ""}},
     {kEntryError, kPayerMessages.taxOnlyGrossIncome, "PayGrossInc"}, {.taxOnly = true}},
    {"TaxOnlyClaimDepend17", ValidCase, {{"ClaimDepend17", ""}},
     {kEntryError, kClaimMessages.taxOnlyDepend17, "ClaimDepend17"}, {.taxOnly = true}},
    {"TaxOnlyOtherDepend17", ValidCase, {{"PayerDepend17", ""}},
     {kEntryError, kPayerMessages.taxOnlyDepend17, "PayerDepend17"}, {.taxOnly = true}},
    {"TaxOnlyClaimDepend17Limit", ValidCase, {{"ClaimDepend17", "4"}},
     {kEntryError, kClaimMessages.taxOnlyDepend17Limit, "ClaimDepend17"}, {.taxOnly = true}},
    {"TaxOnlyOtherDepend17Limit", ValidCase, {{"PayerDepend17", "4"}},
     {kEntryError, kPayerMessages.taxOnlyDepend17Limit, "PayerDepend17"}, {.taxOnly = true}},
    {"TaxOnlyDepend17Sum", ValidCase, {{"PayerDepend17", "2"}},
     {kEntryError, kTaxOnlyDepend17Sum, "ClaimDepend17"}, {.taxOnly = true}},
    {"TaxOnlyFilingStatus", ValidCase, {{"PayerSingle", "off"}},
     {kEntryError, kTaxOnlyFilingStatus, "PayerHeadHouse"}, {.taxOnly = true}},
};
// clang-format on

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

class CheckDataEntryRow : public testing::TestWithParam<Row> {};

TEST_P(CheckDataEntryRow, StopsWithItsMessageOnItsField) {
    const Row& row = GetParam();
    CaseRecord record = row.base();
    Apply(record.fields, row.edits);
    ScriptedInteraction interaction(kAnswerYes);

    ReadInResult result = CheckDataEntry(record, interaction, row.mode);

    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.title, row.expected.title);
    EXPECT_EQ(result.message, row.expected.message);
    EXPECT_EQ(result.field, row.expected.field);
    ASSERT_EQ(interaction.messages().size(), 1u) << "an earlier check spoke up";
    EXPECT_EQ(interaction.messages()[0].title, row.expected.title);
    EXPECT_EQ(interaction.messages()[0].text, row.expected.message);
    ASSERT_EQ(interaction.focused().size(), 1u);
    EXPECT_EQ(interaction.focused()[0], row.expected.field);
}

INSTANTIATE_TEST_SUITE_P(EveryCheck, CheckDataEntryRow, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(CheckDataEntry, BaseCasesPassSilently) {
    for (auto base : {ValidCase, SharedCase, SplitCase}) {
        CaseRecord record = base();
        ScriptedInteraction interaction(kAnswerYes);
        EXPECT_FALSE(CheckDataEntry(record, interaction).stopped);
        EXPECT_TRUE(interaction.messages().empty());
    }
}

TEST(CheckDataEntry, FillsTheCaseGlobals) {
    CaseRecord record = ValidCase();
    record.fields.SetText("PayerStateTaxCombo", "As Amount");
    record.fields.SetText("PayerStateTax", "$1,200");
    ScriptedInteraction interaction;
    ASSERT_FALSE(CheckDataEntry(record, interaction).stopped);

    const CaseGlobals& g = record.globals;
    EXPECT_EQ(g.NumChildren, 2);
    EXPECT_EQ(g.NumMinors, 2);
    EXPECT_EQ(g.NumChildAges, 2);
    EXPECT_EQ(g.NumMinorsUnder12, 1);
    EXPECT_EQ(g.NumMinors12Plus, 1);
    EXPECT_EQ(g.CustodyType, "Cust");
    EXPECT_EQ(g.DayCareClaim, 300);
    EXPECT_EQ(g.ClaimNumCare, 1);
    EXPECT_EQ(g.ClaimHealthCareMo, 100);
    EXPECT_EQ(g.ClaimGrossYearly, 36000);
    EXPECT_EQ(g.PayerGrossYearly, 60000);
    EXPECT_EQ(g.ClaimDepend17Count, 2);
    EXPECT_EQ(g.PayerStateTaxAmount, 1200);
    EXPECT_EQ(g.PayerStateTaxRate, 0);
    EXPECT_EQ(g.ClaimFilingStatus, "Head");
    EXPECT_EQ(g.PayerFilingStatus, "Single");
}

TEST(CheckDataEntry, GlobalsReadBeforeAStopKeepTheirNewValues) {
    CaseRecord record = ValidCase();
    record.fields.SetText("ClaimSpecial", "");
    record.globals.ClaimGrossYearly = 1;
    ScriptedInteraction interaction;
    ASSERT_TRUE(CheckDataEntry(record, interaction).stopped);
    EXPECT_EQ(record.globals.DayCareClaim, 300);
    EXPECT_EQ(record.globals.ClaimGrossYearly, 1);
}

// Five minors aged 3, 11, 12, 18 and 19: two under 12, three of 12 and over, the 19-year-old
// held as 18.6, and one over-age warning for the one age above 18.
TEST(CheckDataEntry, AgeBandsAndTheOverAgeChild) {
    CaseRecord record = ValidCase();
    CaseFields& f = record.fields;
    f.SetText("NumChild", "5");
    f.SetText("MinChild", "5");
    const char* ages[] = {"3", "11", "12", "18", "19"};
    for (int i = 0; i < 5; ++i) {
        f.SetText("Child(" + std::to_string(i) + ")", ages[i]);
    }
    ScriptedInteraction goOn(kAnswerNo);
    ASSERT_FALSE(CheckDataEntry(record, goOn).stopped);
    ASSERT_EQ(goOn.messages().size(), 1u);
    EXPECT_EQ(goOn.messages()[0].text, kOverAge);
    EXPECT_EQ(record.globals.NumMinorsUnder12, 2);
    EXPECT_EQ(record.globals.NumMinors12Plus, 3);
    EXPECT_EQ(record.globals.ChildAges[4], 18.6f);

    ScriptedInteraction synopsis(kAnswerYes);
    EXPECT_FALSE(CheckDataEntry(record, synopsis, {.synopsis = true}).stopped);
    EXPECT_TRUE(synopsis.messages().empty());
    ScriptedInteraction taxOnly(kAnswerYes);
    EXPECT_FALSE(CheckDataEntry(record, taxOnly, {.taxOnly = true}).stopped);
}

TEST(CheckDataEntry, AnAgeThatIsNotANumberIsEmptied) {
    CaseRecord record = ValidCase();
    record.fields.SetText("Child(1)", "teen");
    ScriptedInteraction interaction;
    CheckDataEntry(record, interaction);
    EXPECT_EQ(record.fields.Text("Child(1)"), "");
}

TEST(CheckDataEntry, NoChildrenBornMeansNoMinorsWhateverTheField) {
    CaseRecord record = ValidCase();
    CaseFields& f = record.fields;
    f.SetText("NumChild", "0");
    f.SetText("MinChild", "");
    f.SetText("Child(0)", "");
    f.SetText("Child(1)", "");
    f.SetText("ClaimDayCare", "");
    f.SetText("ClaimDepend17", "0");
    f.Select("NoMinorOption");
    f.Select("ClaimSingle");
    ScriptedInteraction interaction(kAnswerYes);
    EXPECT_FALSE(CheckDataEntry(record, interaction).stopped);
    EXPECT_EQ(record.globals.NumMinors, 0);
    EXPECT_EQ(record.globals.DayCareClaim, 0);
    EXPECT_EQ(record.globals.ClaimNumCare, 0);
    EXPECT_EQ(record.globals.CustodyType, "NoMinors");
}

// The bounds themselves are shared schedules: .35 and .65 pass, just outside them warns.
TEST(CheckDataEntry, SharedShareWarningsOutsideThirtyFiveToSixtyFivePercent) {
    struct Case {
        const char* share;
        bool warns;
    };
    for (Case c : {Case{".35", false}, Case{".349", true}, Case{".351", false}, Case{".65", false},
                   Case{".651", true}}) {
        CaseRecord record = SharedCase();
        record.fields.SetText("PercentOfTimeValue", c.share);
        if (std::stod(c.share) < 0.5) {  // keep the filing statuses plausible
            record.fields.Select("ClaimSingle");
            record.fields.Select("PayerHeadHouse");
        }
        ScriptedInteraction interaction(kAnswerNo);
        EXPECT_FALSE(CheckDataEntry(record, interaction).stopped) << c.share;
        EXPECT_EQ(interaction.messages().size(), c.warns ? 1u : 0u) << c.share;
    }
}

TEST(CheckDataEntry, SharedPossessionSetsTimeAndOvernights) {
    CaseRecord record = SharedCase();
    record.fields.SetText("PercentOfTimeValue", ".548");
    record.fields.SetText("ClaimDays", "200.0");
    ScriptedInteraction interaction;
    ASSERT_FALSE(CheckDataEntry(record, interaction).stopped);
    EXPECT_EQ(record.globals.ClaimSharedTime, 0.548f);
    EXPECT_EQ(record.globals.ClaimOvernights, 200);
    EXPECT_EQ(record.globals.PayerOvernights, 165);
}

TEST(CheckDataEntry, SplitPossessionCountsEachHouseholdByAge) {
    CaseRecord record = SplitCase();
    ScriptedInteraction interaction;
    ASSERT_FALSE(CheckDataEntry(record, interaction).stopped);
    const CaseGlobals& g = record.globals;
    EXPECT_EQ(g.ClaimChildrenSplit, 1);
    EXPECT_EQ(g.PayerChildrenSplit, 1);
    EXPECT_EQ(g.ClaimSplitUnder12, 1);
    EXPECT_EQ(g.ClaimSplit12Plus, 0);
    EXPECT_EQ(g.PayerSplitUnder12, 0);
    EXPECT_EQ(g.PayerSplit12Plus, 1);
}

TEST(CheckDataEntry, ChildrenFromOtherRelationshipsCountOnlyWhenTicked) {
    CaseRecord record = ValidCase();
    CaseFields& f = record.fields;
    f.SetText("PayerNumOther", "1");
    f.SetText("PayerNumOtherNot", "2");
    f.SetText("PayerOtherChildAge(0)", "4");
    f.SetText("PayerOtherChildAge(1)", "14");
    f.SetText("PayerDepend17", "3");
    ScriptedInteraction interaction(kAnswerYes);
    EXPECT_EQ(CheckDataEntry(record, interaction).message, kPayerMessages.depend17Limit);

    f.SetCheck("PayerSecFamCheck", 1);
    f.SetText("ClaimDepend17", "0");
    ScriptedInteraction again(kAnswerYes);
    EXPECT_FALSE(CheckDataEntry(record, again).stopped);
    const CaseGlobals& g = record.globals;
    EXPECT_EQ(g.PayerOtherKids, 1);
    EXPECT_EQ(g.PayerOtherKidsNot, 2);
    EXPECT_EQ(g.PayerOtherBands.homeUnder12, 1);
    EXPECT_EQ(g.PayerOtherBands.home12Plus, 0);
    EXPECT_EQ(g.PayerOtherBands.away12Plus, 1);
    EXPECT_EQ(g.PayerOtherBands.awayUnder12, 1);  // no age entered
    EXPECT_EQ(g.ClaimOtherKids, 0);
}

TEST(CheckDataEntry, FinancialDeclarationEndsAfterTheGrossIncomes) {
    CaseRecord record = ValidCase();
    CaseFields& f = record.fields;
    f.SetText("ClaimNumCare", "");
    f.SetText("ClaimDepend17", "");
    f.SetText("ClaimStateTax", "9");
    f.Select("ClaimHeadHouse", false);
    f.Select("NoMinorOption");
    ScriptedInteraction interaction(kAnswerYes);
    EXPECT_FALSE(CheckDataEntry(record, interaction, {.financialDeclaration = true}).stopped);
    EXPECT_TRUE(interaction.messages().empty());
    EXPECT_EQ(record.globals.ClaimNumCare, 0);

    f.SetText("PayGrossInc", "");
    ScriptedInteraction again(kAnswerYes);
    EXPECT_EQ(CheckDataEntry(record, again, {.financialDeclaration = true}).field, "PayGrossInc");
}

// Shared possession, two minors: the oldest spends 200 nights with the Claimant (parenting time
// row 0), the other's row is empty and takes the Express nights, 182.5.
CaseRecord SharedDayCareCase() {
    CaseRecord record = SharedCase();
    record.fields.SetText("ClaimDays(0)", "200");
    return record;
}

TEST(CheckDataEntry, SharedDayCareCreditAtExactlyHalfFollowsTheGreaterIncome) {
    struct Case {
        const char* name;
        const char* claimCare;
        const char* otherCare;
        std::string message;
        const char* field;
    };
    const Case cases[] = {
        {"ClaimantEarnsLess", "2", "0",
         "1 Child(ren) Reside(s) With The Claimant More Than 50% Of The Time. 1 Child(ren) "
         "Reside(s) With Claimant Exactly 50 Percent Of The Time. In An Exact 50 Percent Split Of "
         "Overnights, The IRS Requires A Parent To Have The Greater Income To Qualify For The "
         "Care Tax Credit For That Child. You Show 2 Child(ren) Eligible For The Claimant's Day "
         "Care Tax Credit, Which Is Inconsistent With The Data Entered. The Most That Enty Could "
         "Be Is 1. Please Check Your Entries.",
         "ClaimNumCare"},
        {"OtherEarnsMore", "1", "2",
         "0 Child(ren) Reside(s) With The Other Party More Than 50% Of The Time. 1 Child(ren) "
         "Reside(s) With Other Party Exactly 50 Percent Of The Time With The Other Party Having "
         "The Greater Income. You Show 2 Child(ren) Eligible For The Other Party's Day Care Tax "
         "Credit, Which Is Inconsistent With The Data Entered. The Most That Enty Could Be Is 1. "
         "Please Check Your Entries.",
         "OtherNumCare"},
    };
    for (const Case& c : cases) {
        CaseRecord record = SharedDayCareCase();
        record.fields.SetText("ClaimNumCare", c.claimCare);
        record.fields.SetText("OtherNumCare", c.otherCare);
        ScriptedInteraction interaction;
        ReadInResult result = CheckDataEntry(record, interaction);
        EXPECT_EQ(result.message, c.message) << c.name;
        EXPECT_EQ(result.field, c.field) << c.name;
        EXPECT_EQ(interaction.beeps(), 1) << c.name;
    }
}

TEST(CheckDataEntry, SharedDayCareCreditWithoutAnExactHalf) {
    CaseRecord record = SharedDayCareCase();
    record.fields.SetText("ClaimDays", "200");
    record.fields.SetText("ClaimNumCare", "2");
    record.fields.SetText("OtherNumCare", "1");
    ScriptedInteraction interaction;
    EXPECT_EQ(CheckDataEntry(record, interaction).message,
              "0 Child(ren) Reside(s) With The Other Party More Than 50% Of The Time, But You "
              "Show 1 Child(ren) Eligible For The Other Party's Day Care Tax Credit. The Most "
              "That Enty Could Be Is 0. The Care Tax Credit Is Only Available For Children That "
              "Reside With A Party More Than 50% Of The Time. Please ReEnter.");

    record.fields.SetText("ClaimDays", "100");
    record.fields.SetText("ClaimDays(0)", "");
    ScriptedInteraction claimant;
    EXPECT_EQ(CheckDataEntry(record, claimant).message,
              "0 Child(ren) Reside(s) With The Claimant More Than 50% Of The Time, But You Show 2 "
              "Child(ren) Eligible For The Claimant's Day Care Tax Credit. The Most That Enty "
              "Could Be Is 0. The Care Tax Credit Is Only Available For Children That Reside With "
              "A Party More Than 50% Of The Time. Please Check Your Entries.");
}

}  // namespace
}  // namespace tovaris
