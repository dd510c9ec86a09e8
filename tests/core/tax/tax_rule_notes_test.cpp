#include <gtest/gtest.h>

#include "tax/credit_lines.h"
#include "tax/tax_rule_notes.h"
#include "tax_family.h"

namespace tovaris {
namespace {

// Head of household with one child: 10000 of W-2 wages and 4000 deferred into a 401(k). The
// law leaves the deferral out of earned income (see LawRules), which changes the refundable
// child tax credit, the earned income credit and so the total; nothing else.
Family DeferringParent(FederalTaxRules rules) {
    Family f("Head", "Single", "Cust");
    f.Tick("ClaimEICCheck").record.fields.Select("ClaimEICOne");
    f.Enter("ClaimEarned", "10000").Enter("ClaimEarnedExempt", "4000").Gross(14000, 0);
    f.record.globals.ClaimDepend17Count = 1;
    f.record.options.federalTaxRules = rules;
    f.Run();
    return f;
}

TEST(TaxRuleNotes, EveryFigureTheLawChangedIsExplained) {
    Family f = DeferringParent(FederalTaxRules::Law2023);
    const std::vector<std::string> changed = {
        "Additional Child Tax Credit: 1,125.00 under 2023 law; 1,600.00 under schedule rules",
        "EITC: 3,409.00 under 2023 law; 3,995.00 under schedule rules",
        "Total Credits: 4,534.00 under 2023 law; 5,595.00 under schedule rules",
    };
    EXPECT_EQ(tax::LawDifferenceLines(f.record, IncomeParty::Claimant), changed);
    EXPECT_TRUE(tax::LawDifferenceLines(f.record, IncomeParty::Other).empty());

    std::vector<std::string> popup = {"Federal taxes computed under 2023 federal tax law."};
    popup.insert(popup.end(), changed.begin(), changed.end());
    EXPECT_EQ(tax::PartyCreditLines(f.record, IncomeParty::Claimant).ruleNotes, popup);

    const std::vector<std::string> notes = tax::TaxRulesNotes(f.record);
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[1], " Claimant - " + changed[0]);
}

TEST(TaxRuleNotes, NothingUnderTheScheduleRules) {
    Family f = DeferringParent(FederalTaxRules::Schedule);
    EXPECT_EQ(tax::FederalTaxRulesNotice(FederalTaxRules::Schedule), "");
    EXPECT_TRUE(tax::TaxRulesNotes(f.record).empty());
    EXPECT_TRUE(tax::PartyCreditLines(f.record, IncomeParty::Claimant).ruleNotes.empty());
}

}  // namespace
}  // namespace tovaris
