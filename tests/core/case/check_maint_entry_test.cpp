#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "case/express_messages.h"
#include "case/express_read_in.h"
#include "common/scripted_interaction.h"

namespace tovaris {
namespace {

using namespace express_text;

// A Claimant of 40 after 10 years of marriage, primary caregiver, the highest skill score, with
// the read-in's children globals as CheckDataEntry leaves them for one custodial minor.
CaseRecord ValidCase() {
    CaseRecord record;
    CaseFields& f = record.fields;
    f.SetText("NumChild", "1");
    f.SetText("ClaimAge", "40");
    f.SetText("YrsMarriage", "10");
    f.Select("CharOption1");
    f.SetText("EdSkillScore", "15");
    f.SetText("ChildSupport", "$450");
    record.globals.NumMinors = 1;
    record.globals.CustodyType = "Cust";
    return record;
}

struct Row {
    const char* name;
    std::function<void(CaseRecord&)> change;
    std::string_view message;
    std::string_view field;
};

const Row kRows[] = {
    {"AgeMissing", [](CaseRecord& r) { r.fields.SetText("ClaimAge", ""); }, kClaimantAge,
     "ClaimAge"},
    {"AgeTwelve", [](CaseRecord& r) { r.fields.SetText("ClaimAge", "12"); }, kClaimantAge,
     "ClaimAge"},
    {"AgeHundred", [](CaseRecord& r) { r.fields.SetText("ClaimAge", "100"); }, kClaimantAge,
     "ClaimAge"},
    {"YearsNegative", [](CaseRecord& r) { r.fields.SetText("YrsMarriage", "-1"); }, kYearsMarried,
     "YrsMarriage"},
    // 28 years + 13 = 41, more than the Claimant's 40 years.
    {"MarriedBeforeThirteen", [](CaseRecord& r) { r.fields.SetText("YrsMarriage", "28"); },
     kAgeOrYears, "YrsMarriage"},
    {"NoCaregiver", [](CaseRecord& r) { r.fields.Select("CharOption1", false); }, kCaregiver,
     "CharOption1"},
    {"SkillAboveFifteen", [](CaseRecord& r) { r.fields.SetText("EdSkillScore", "15.5"); }, kEdSkill,
     "EdSkillScore"},
    {"SkillMissing", [](CaseRecord& r) { r.fields.SetText("EdSkillScore", ""); }, kEdSkill,
     "EdSkillScore"},
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

class CheckMaintEntryRow : public testing::TestWithParam<Row> {};

TEST_P(CheckMaintEntryRow, StopsWithItsMessageOnItsField) {
    const Row& row = GetParam();
    CaseRecord record = ValidCase();
    row.change(record);
    ScriptedInteraction interaction;
    ReadInResult result = CheckMaintEntry(record, interaction);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.title, kEntryError);
    EXPECT_EQ(result.message, row.message);
    EXPECT_EQ(result.field, row.field);
    ASSERT_EQ(interaction.messages().size(), 1u);
    ASSERT_EQ(interaction.focused().size(), 1u);
    EXPECT_EQ(interaction.focused()[0], row.field);
}

INSTANTIATE_TEST_SUITE_P(EveryCheck, CheckMaintEntryRow, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(CheckMaintEntry, FillsTheMaintenanceGlobalsAndResetsTheOverrides) {
    CaseRecord record = ValidCase();
    record.fields.Select("CharOption3");
    record.globals.AwardOverride = "Y";
    record.globals.UnallocInForce = "Y";
    record.globals.NewUnallocFlag = "Y";
    ScriptedInteraction interaction;
    ASSERT_FALSE(CheckMaintEntry(record, interaction).stopped);
    const CaseGlobals& g = record.globals;
    EXPECT_EQ(g.ClaimantAge, 40);
    EXPECT_EQ(g.YearsMarried, 10);
    EXPECT_EQ(g.CaregiverCode, 3);
    EXPECT_EQ(g.ClaimantEdSkill, 15);
    EXPECT_EQ(g.ChildSupportMonthly, 450);
    EXPECT_EQ(g.AwardOverride, "N");
    EXPECT_EQ(g.UnallocInForce, "N");
    EXPECT_EQ(g.NewUnallocFlag, "N");
}

TEST(CheckMaintEntry, NoCaregiverIsAskedWhenNoChildrenWereBorn) {
    CaseRecord record = ValidCase();
    record.fields.SetText("NumChild", "0");
    record.fields.Select("NoMinorOption");
    record.fields.Select("CharOption1", false);
    record.globals.NumMinors = 0;
    ScriptedInteraction interaction;
    EXPECT_FALSE(CheckMaintEntry(record, interaction).stopped);
    EXPECT_EQ(record.globals.CaregiverCode, 0);
}

TEST(CheckMaintEntry, WithoutMinorsTheChildFiguresAreCleared) {
    CaseRecord record = ValidCase();
    record.fields.SetText("ClaimDayCare", "200");
    record.globals.NumMinors = 0;
    record.globals.DayCareClaim = 200;
    ScriptedInteraction interaction;
    ASSERT_FALSE(CheckMaintEntry(record, interaction).stopped);
    EXPECT_EQ(record.fields.Text("ChildSupport"), "");
    EXPECT_EQ(record.fields.Text("ClaimDayCare"), "");
    EXPECT_EQ(record.globals.ChildSupportMonthly, 0);
    EXPECT_EQ(record.globals.DayCareClaim, 0);
}

// A non-custodial Claimant pays support: with child support calculated first a positive entry
// is questioned, and the amount is held as negative.
TEST(CheckMaintEntry, NonCustodialClaimantSupportIsAPayment) {
    CaseRecord record = ValidCase();
    record.globals.CustodyType = "NonCust";
    record.options.calculationOrder = CalculationOrder::CSFirst;

    ScriptedInteraction reenter(kAnswerYes);
    ReadInResult stop = CheckMaintEntry(record, reenter);
    EXPECT_TRUE(stop.stopped);
    EXPECT_EQ(stop.title, kEntryWarning);
    EXPECT_EQ(stop.message, kNonCustodialSupport);
    EXPECT_EQ(stop.field, "ChildSupport");

    ScriptedInteraction goOn(kAnswerNo);
    EXPECT_FALSE(CheckMaintEntry(record, goOn).stopped);
    EXPECT_EQ(record.globals.ChildSupportMonthly, -450);

    record.options.calculationOrder = CalculationOrder::MaintFirst;
    ScriptedInteraction maintFirst(kAnswerYes);
    EXPECT_FALSE(CheckMaintEntry(record, maintFirst).stopped);
    EXPECT_TRUE(maintFirst.messages().empty());
}

TEST(CheckDataEntry3, ReadsTheMaintenanceTransferAndTheDayCareFlag) {
    CaseRecord record;
    record.fields.SetText("CurrentMaintTransfer", "$1,250");
    record.globals.DayCarePayer = 10;
    CheckDataEntry3(record);
    EXPECT_EQ(record.globals.MaintForChildSupport, 1250);
    EXPECT_EQ(record.globals.DayCareFlag, "Y");

    record.fields.SetText("CurrentMaintTransfer", "none");
    record.globals.DayCarePayer = 0;
    CheckDataEntry3(record);
    EXPECT_EQ(record.globals.MaintForChildSupport, 0);
    EXPECT_EQ(record.fields.Text("CurrentMaintTransfer"), "");
    EXPECT_EQ(record.globals.DayCareFlag, "N");

    record.fields.SetText("CurrentMaintTransfer", "900");
    CheckDataEntry3(record, {.financialDeclaration = true});
    EXPECT_EQ(record.globals.MaintForChildSupport, 0);
}

}  // namespace
}  // namespace tovaris
