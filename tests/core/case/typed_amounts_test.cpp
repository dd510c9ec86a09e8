// Amounts typed on the income screens keep every digit through the refreshes and the calculation.
#include <gtest/gtest.h>

#include <string>

#include "case/case_file.h"
#include "case/income_refresh.h"
#include "common/scripted_interaction.h"
#include "example_case.h"
#include "support/child_support_command.h"

namespace tovaris {
namespace {

// The custodial example with only the Claimant's wages on the Claimant's income screen.
CaseRecord CustodialWithClaimantWages(const char* wages) {
    CaseRecord record = testing::OpenExample("Custodial.QCF");
    for (int column : {kPartyColumn, kNewSpouseColumn}) {
        for (int s = 0; s < kIncomeSourceCount; ++s) {
            TypeIncomeAmount(
                record,
                IncomeFieldName(IncomeParty::Claimant, static_cast<IncomeSource>(s), column), "");
        }
    }
    TypeIncomeAmount(record, "ClaimEarned", wages);
    AddIncomeVars(record, IncomeParty::Claimant);
    return record;
}

TEST(TypedAmounts, LargeWagesKeepTheirDigits) {
    struct Row {
        const char* typed;
        const char* shown;
        const char* express;
        float grossYearly;
        float agi;
    };
    const Row rows[] = {
        {"150,000.55", "$ 150,000.55", "$ 12,500.05", 150000.6f, 150000.55f},
        {"12345678", "$ 12,345,678.00", "$ 1,028,806.50", 12345678.0f, 12345678.0f},
        {"1,234.565", "$ 1,234.57", "$ 102.88", 1234.56f, 1234.57f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        CaseRecord record = CustodialWithClaimantWages(row.typed);
        EXPECT_EQ(record.fields.Text("ClaimEarned"), row.shown);
        EXPECT_EQ(record.fields.Text("ClaimGrossInc"), row.express);
        ScriptedInteraction ui;
        ASSERT_FALSE(RunChildSupportCommand(record, ui).stopped);
        EXPECT_EQ(record.fields.Text("ClaimEarned"), row.shown);
        EXPECT_EQ(record.globals.ClaimGrossYearly, row.grossYearly);
        EXPECT_EQ(record.results.tax.Claim.AGI, row.agi);
    }
}

}  // namespace
}  // namespace tovaris
