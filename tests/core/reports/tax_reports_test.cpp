// The income report and the federal tax credits page.
#include <gtest/gtest.h>

#include "report_case.h"
#include "reports/document_text.h"
#include "reports/tax_reports.h"

namespace tovaris::reports {
namespace {

using testing::Composed;
using testing::Composer;

// The printed line that starts with `label`, its figures joined on.
std::string LineOf(const std::string& page, const std::string& label) {
    const size_t start = page.find(label);
    if (start == std::string::npos) {
        return "";
    }
    return page.substr(start, page.find('\n', start) - start);
}

TEST(TaxReports, GoldenTextOfAJointAndASingleFilerAndTheCreditsPage) {
    const CaseRecord joint = testing::CalculatedExample("JointFilerNewSpouse", false);
    testing::ExpectGolden(DocumentText(Composed(&ComposeIncomeReport, joint)),
                          "income_JointFilerNewSpouse.txt");
    testing::ExpectGolden(DocumentText(Composed(&ComposeCreditsPage, joint)),
                          "credits_JointFilerNewSpouse.txt");
    const CaseRecord single = testing::CalculatedExample("Custodial", false);
    testing::ExpectGolden(DocumentText(Composed(&ComposeIncomeReport, single)),
                          "income_Custodial.txt");
}

TEST(TaxReports, OnlyAJointFilerGetsANewSpousePage) {
    struct Case {
        const char* example;
        size_t pages;
        const char* heading;
    };
    const Case cases[] = {
        {"Custodial", 1, ""},
        {"JointFilerNewSpouse", 2, "Gross Yearly Income For "},
    };
    for (const Case& c : cases) {
        const Document document =
            Composed(&ComposeIncomeReport, testing::CalculatedExample(c.example, false));
        ASSERT_EQ(document.pages().size(), c.pages) << c.example;
        if (c.pages == 2) {
            const std::string page = PageText(document.pages()[1]);
            EXPECT_NE(page.find(c.heading), std::string::npos) << page;
            EXPECT_NE(page.find("New Spouse"), std::string::npos) << page;
        }
    }
}

TEST(TaxReports, OtherChildrenPrintNoAndZeroOrTheirNumber) {
    CaseRecord record = testing::CalculatedExample("Custodial", false);
    std::string page = PageText(Composed(&ComposeIncomeReport, record).pages()[0]);
    EXPECT_EQ(LineOf(page, "Children From Other Relationships"),
              "Children From Other Relationships No No");
    EXPECT_EQ(LineOf(page, "Other Child Support Paid"), "Other Child Support Paid $0 $0");
    record.fields.SetCheck("PayerSecFamCheck", 1);
    record.fields.SetText("PayerNumOther", "1");
    record.fields.SetText("PayerNumOtherNot", "2");
    page = PageText(Composed(&ComposeIncomeReport, record).pages()[0]);
    EXPECT_EQ(LineOf(page, "Children From Other Relationships"),
              "Children From Other Relationships No Yes - 3");
}

TEST(TaxReports, CreditsPageHasBothPartiesAndTheJointProration) {
    const CaseRecord joint = testing::CalculatedExample("JointFilerNewSpouse", false);
    const std::string page = PageText(Composed(&ComposeCreditsPage, joint).pages()[0]);
    for (const char* line : {"Federal Tax Credits", "Claimant - Tax Credits",
                             "Other Parent - Tax Credits", " Total - All Tax Credits = "}) {
        EXPECT_NE(page.find(line), std::string::npos) << line;
    }
    EXPECT_NE(page.find("MFJ PRORATED by"), std::string::npos) << page;
    EXPECT_EQ(page.find("Business Deduction"), std::string::npos) << page;
}

// Under the 2023 law both tax reports say so under their header and name each changed figure;
// under the schedule's rules they carry neither line.
TEST(TaxReports, TaxReportsNameTheLawsChangesUnderTheLawOption) {
    const char* notice = "Federal taxes computed under 2023 federal tax law.";
    for (Composer compose : {Composer(&ComposeIncomeReport), Composer(&ComposeCreditsPage)}) {
        const std::string law =
            PageText(Composed(compose, testing::CalculatedExample("Custodial", false,
                                                                  FederalTaxRules::Law2023))
                         .pages()[0]);
        EXPECT_NE(law.find(notice), std::string::npos) << law;
        EXPECT_NE(law.find("under 2023 law;"), std::string::npos) << law;
        const std::string schedule =
            PageText(Composed(compose, testing::CalculatedExample("Custodial", false)).pages()[0]);
        EXPECT_EQ(schedule.find(notice), std::string::npos) << schedule;
    }
}

}  // namespace
}  // namespace tovaris::reports
