// The case file holds the income and business screens' amounts yearly, whatever period a screen
// shows when the case is saved.
#include <gtest/gtest.h>

#include <string>

#include "case/case_file.h"
#include "case/income_business.h"
#include "case/income_refresh.h"
#include "common/scripted_interaction.h"
#include "example_case.h"
#include "support/child_support_command.h"

namespace tovaris {
namespace {

void Calculate(CaseRecord& record) {
    ScriptedInteraction ui;
    EXPECT_FALSE(RunChildSupportCommand(record, ui).stopped);
}

TEST(CaseFilePeriods, EveryScreenInEveryPeriodSavesYearlyAmounts) {
    struct Screen {
        IncomeParty party;
        const char* field;
        bool business;
    };
    const Screen screens[] = {
        {IncomeParty::Claimant, "ClaimEarned", false},
        {IncomeParty::Other, "PayerEarned", false},
        {IncomeParty::Claimant, "ClaimBusiness.CWages(0)", true},
        {IncomeParty::Other, "PayerBusiness.CWages(0)", true},
    };
    const IncomePeriod periods[] = {IncomePeriod::Yearly, IncomePeriod::Monthly,
                                    IncomePeriod::SemiWeekly, IncomePeriod::Weekly,
                                    IncomePeriod::Hourly};
    for (const Screen& screen : screens) {
        for (IncomePeriod period : periods) {
            SCOPED_TRACE(std::string(screen.field) + " " + std::string(PeriodLabel(period)));
            CaseRecord record = testing::OpenExample("Custodial.QCF");
            if (screen.business) {
                ChangeBusinessPeriod(record, screen.party, period);
                TypeIncomeAmount(record, screen.field, "1000");
                RefreshBusinessScreen(record, screen.party);
            } else {
                ChangeIncomePeriod(record, screen.party, period);
                TypeIncomeAmount(record, screen.field, "1000");
            }
            AddIncomeVars(record, screen.party);  // as the screen does when the field is left
            const std::string shownBefore = record.fields.Text(screen.field);
            CaseRecord reopened;
            ASSERT_TRUE(LoadData(reopened, SaveData(record), "Periods.QCF").ok);
            EXPECT_EQ(record.fields.Text(screen.field), shownBefore);  // the screen stays as shown

            Calculate(record);
            Calculate(reopened);
            // A converted amount is saved to the cent, as the screen shows it.
            constexpr double kCent = 0.005;
            for (IncomeParty party : kIncomeParties) {
                EXPECT_NEAR(reopened.income.Of(party).YearlyTotal(),
                            record.income.Of(party).YearlyTotal(), kCent);
            }
            EXPECT_FLOAT_EQ(reopened.globals.ClaimGrossYearly, record.globals.ClaimGrossYearly);
            EXPECT_FLOAT_EQ(reopened.globals.PayerGrossYearly, record.globals.PayerGrossYearly);
            EXPECT_NEAR(reopened.results.tax.Claim.AGI, record.results.tax.Claim.AGI, kCent);
            EXPECT_NEAR(reopened.results.tax.Payer.AGI, record.results.tax.Payer.AGI, kCent);
            EXPECT_EQ(reopened.results.support.ChildSupportTransfer,
                      record.results.support.ChildSupportTransfer);
        }
    }
}

}  // namespace
}  // namespace tovaris
