#include <gtest/gtest.h>

#include <string>

#include "core/maintenance/maintenance_case.h"
#include "maintenance/maintenance_rows.h"

namespace tovaris::maintenance {
namespace {

using testing::MaintenanceOn;

DisplayRows Labels(const DisplayRows& rows) {
    DisplayRows labels;
    for (const DisplayRow& row : rows) {
        labels.push_back({row.label, ""});
    }
    return labels;
}

TEST(MaintenanceDisplay, CustodialCaseTaxedToPayee) {
    const CaseRecord record = MaintenanceOn("Custodial.QCF");
    const MaintenanceDisplay d = MaintenanceDisplayOf(record);
    EXPECT_EQ(d.caseScore, "26.20");
    EXPECT_EQ(d.comment, (DisplayRows{{" This Represents An Arguable Case For Maintenance,", ""},
                                      {" Due To The Parties' Income Differential.", ""}}));
    EXPECT_EQ(d.terms, (DisplayRows{{" Three Years Of Maintenance Should Be Awarded.", ""}}));
    EXPECT_EQ(d.awardSentence, " Recommended Maintenance Is $1,764 Per Year  Or  $147 Per Month.");
    EXPECT_EQ(d.status, "Calculation Shown Has Maintenance Taxed To Payee ");
    EXPECT_EQ(d.caseData, (DisplayRows{
                              {" Years Of Marriage = ", "11.0"},
                              {" Age Of Claimant = ", "38.0"},
                              {" Claimant Ed/Skill = ", "7.0"},
                              {" Number Of Children = ", "2"},
                              {" Number Of Minors = ", "2"},
                              {" Children Claimed Under Age 17", ""},
                              {" Claimant = ", "2"},
                              {" Other Party = ", "0"},
                              {" Claimant's File Status: ", "HH"},
                              {" Other's File Status: ", "S"},
                              {" Primary Caregiver: Claimant", ""},
                          }));
    EXPECT_EQ(d.claimHeading, "Claimant (custodial)");
    EXPECT_EQ(d.payerHeading, "Other (noncustodial)");
    EXPECT_EQ(d.claimColumn, (DisplayRows{
                                 {" Gross Income", "$52,000"},
                                 {" FICA/SE", "-$3,978"},
                                 {" Maintenance", "$1,764"},
                                 {" State Tax", "-$0"},
                                 {" Federal Tax", "-$3,642"},
                                 {" Fed Tax Credits", "$5,200"},
                                 {" Care & Health Paid", "-$11,640"},
                                 {" Child Support", "$22,284"},
                                 {"------------", ""},
                                 {" Net Income", "$61,988"},
                             }));
    EXPECT_EQ(d.payerColumn, (DisplayRows{
                                 {" Gross Income", "$102,000"},
                                 {" FICA/SE", "-$7,803"},
                                 {" Maintenance", "-$1,764"},
                                 {" State Tax", "-$0"},
                                 {" Federal Tax", "-$12,992"},
                                 {" Fed Tax Credits", "$0"},
                                 {" Care & Health Paid", "-$3,720"},
                                 {" Child Support", "-$22,284"},
                                 {"------------", ""},
                                 {" Net Income ", "$53,437"},
                             }));
}

TEST(PartyColumnRows, NoMinorsHaveNoChildrensLines) {
    const CaseRecord record = MaintenanceOn("NoMinorsMaintenance.QCF");
    EXPECT_EQ(Labels(PartyColumnRows(record, IncomeParty::Other)),
              (DisplayRows{{" Gross Income", ""},
                           {" FICA/SE", ""},
                           {" Maintenance", ""},
                           {" State Tax", ""},
                           {" Federal Tax", ""},
                           {" Fed Tax Credits", ""},
                           {"------------", ""},
                           {" Net Income ", ""}}));
}

TEST(PartyColumnRows, JointFilersTaxesAreProrated) {
    const CaseRecord record = MaintenanceOn("JointFilerNewSpouse.QCF");
    const DisplayRows rows = PartyColumnRows(record, IncomeParty::Claimant);
    EXPECT_EQ(rows[3].label, " State Tax (prorated)");
    EXPECT_EQ(rows[4].label, " Federal Tax (prorated)");
}

// The Claimant who pays child support shows it as a deduction, the Other Party as an addition.
TEST(PartyColumnRows, ChildSupportPaidByANonCustodialClaimant) {
    const CaseRecord record = MaintenanceOn("NonCustodial.QCF");
    const DisplayRows claim = PartyColumnRows(record, IncomeParty::Claimant);
    const DisplayRows payer = PartyColumnRows(record, IncomeParty::Other);
    EXPECT_EQ(claim[7], (DisplayRow{" Child Support", "-$8,256"}));
    EXPECT_EQ(payer[7], (DisplayRow{" Child Support", "$8,256"}));
}

struct PriorPaidRow {
    float maint;
    float support;
    const char* label;  // nullptr: no line
    const char* value;
};

class PriorPaidLine : public ::testing::TestWithParam<PriorPaidRow> {};

TEST_P(PriorPaidLine, NamedByWhatWasPaid) {
    CaseRecord record = MaintenanceOn("NoMinorsMaintenance.QCF");
    MaintenanceColumn& c = record.results.maintenance.Claim;
    c.PriorMaintPaid = GetParam().maint;
    c.PriorChildSupportPaid = GetParam().support;
    const DisplayRows rows = PartyColumnRows(record, IncomeParty::Claimant);
    if (GetParam().label == nullptr) {
        EXPECT_EQ(rows[1].label, " FICA/SE");
        return;
    }
    EXPECT_EQ(rows[1], (DisplayRow{GetParam().label, GetParam().value}));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PriorPaidLine,
    ::testing::Values(PriorPaidRow{0, 0, nullptr, nullptr},
                      PriorPaidRow{6000, 0, " Prior Maint Paid", "-$6,000"},
                      PriorPaidRow{0, 2400, " Prior Child Sup. Paid", "-$2,400"},
                      PriorPaidRow{6000, 2400, " Prior CS and Maint Paid", "-$8,400"}));

TEST(ColumnHeadingsOf, EveryCustody) {
    struct Row {
        const char* custody;
        const char* claim;
        const char* payer;
    };
    const Row rows[] = {
        {"Cust", "Claimant (custodial)", "Other (noncustodial)"},
        {"NonCust", "Claimant (noncustodial)", "Other (custodial)"},
        {"Shared", "Claimant (shared cust.)", "Other (shared custody)"},
        {"Split", "Claimant (split custody)", "Other (split custody)"},
        {"NoMinors", "Claimant (no minors)", "Other (no minors)"},
    };
    for (const Row& row : rows) {
        const ColumnHeadings headings = ColumnHeadingsOf(row.custody);
        EXPECT_EQ(headings.claim, row.claim) << row.custody;
        EXPECT_EQ(headings.payer, row.payer) << row.custody;
    }
}

TEST(CaseDataRows, SharedAndSplitCustody) {
    const DisplayRows shared = CaseDataRows(MaintenanceOn("SharedOvernights.QCF"));
    EXPECT_EQ(DisplayRows(shared.begin() + 8, shared.begin() + 11),
              (DisplayRows{{"       - Shared Custody -", ""},
                           {" Claimant's Nights ", "200.0"},
                           {" Other's Nights ", "165.0"}}));
    EXPECT_EQ(shared.back(), (DisplayRow{" Caregiving: Shared Equally", ""}));

    const DisplayRows split = CaseDataRows(MaintenanceOn("SplitTwoEach.QCF"));
    EXPECT_EQ(DisplayRows(split.begin() + 8, split.begin() + 11),
              (DisplayRows{{"       - Split Custody -", ""},
                           {" Claimant's Children =", "2"},
                           {" Other's Children =", "2"}}));
}

TEST(MaintenanceDisplay, SecondTermLineWhenThereIsOne) {
    const MaintenanceDisplay d = MaintenanceDisplayOf(MaintenanceOn("NoMinorsMaintenance.QCF"));
    EXPECT_EQ(d.terms, (DisplayRows{{" Permanent Maintenance Could Be Considered.", ""},
                                    {" Maintenance Should Continue For 11.0 Years.", ""}}));
}

}  // namespace
}  // namespace tovaris::maintenance
