#include <gtest/gtest.h>

#include <algorithm>

#include "case/case_file.h"
#include "common/scripted_interaction.h"
#include "support/child_support_command.h"
#include "support/nights_in_use.h"
#include "support/results_commands.h"
#include "support/results_display.h"
#include "support_case.h"

namespace tovaris {
namespace {

using testing::SupportCase;

// An example case after the Express Entry child support button.
CaseRecord Calculated(const char* example, SplitMethod split = SplitMethod::Arvey) {
    CaseRecord record;
    record.options.splitMethod = split;
    const auto path = std::filesystem::path(TOVARIS_SOURCE_DIR) / "examples" / example;
    EXPECT_TRUE(OpenCaseFile(record, path).ok) << path;
    ScriptedInteraction ui;
    EXPECT_FALSE(RunChildSupportCommand(record, ui).stopped) << example;
    return record;
}

std::string ValueOf(const DisplayRows& rows, const std::string& label) {
    auto row = std::find_if(rows.begin(), rows.end(),
                            [&](const DisplayRow& r) { return r.label == label; });
    return row == rows.end() ? "(missing)" : row->value;
}

bool HasLabel(const DisplayRows& rows, const std::string& label) {
    return ValueOf(rows, label) != "(missing)";
}

TEST(ResultsScreen, ColumnHeadsByCustody) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"Cust", "Claimant (custodial)", "Other (noncustodial)"},
        {"NonCust", "Claimant (noncustodial)", "Other (custodial)"},
        {"Split", "Claimant (split custody)", "Other (split custody)"},
        {"Shared", "Claimant (shared cust.)", "Other (shared custody)"},
    };
    for (const auto& [custody, claim, other] : rows) {
        CaseRecord record;
        record.globals.CustodyType = custody;
        EXPECT_EQ(ColumnHeads(record), std::make_pair(std::string(claim), std::string(other)));
    }
}

struct OverrideRow {
    int16_t before;
    NetParty party;
    bool change;  // Change, else Reset
    int16_t after;
};

TEST(ResultsScreen, TypedNetIncomeOverrideStates) {
    const OverrideRow rows[] = {
        {1, NetParty::Claimant, true, 2},  {3, NetParty::Claimant, true, 4},
        {4, NetParty::Claimant, true, 4},  {2, NetParty::Claimant, true, 2},
        {1, NetParty::Other, true, 3},     {2, NetParty::Other, true, 4},
        {4, NetParty::Other, true, 4},     {2, NetParty::Claimant, false, 1},
        {4, NetParty::Claimant, false, 3}, {1, NetParty::Claimant, false, 1},
        {3, NetParty::Claimant, false, 3}, {3, NetParty::Other, false, 1},
        {4, NetParty::Other, false, 2},    {2, NetParty::Other, false, 2},
    };
    for (const OverrideRow& row : rows) {
        CaseRecord record;
        record.results.tax.NetOverrideState = row.before;
        ScriptedInteraction ui;
        if (row.change) {
            EXPECT_TRUE(ChangeTypedNet(record, ui, row.party, "$3,000"));
        } else {
            ResetTypedNet(record, row.party);
        }
        EXPECT_EQ(record.results.tax.NetOverrideState, row.after)
            << row.before << (row.change ? " change" : " reset");
    }
}

TEST(ResultsScreen, TypedNetIncomeEntryErrorsChangeNothing) {
    const std::tuple<NetParty, const char*, const char*, const char*> rows[] = {
        {NetParty::Claimant, "abc", "Please Enter The Claimant's New Monthly Net Income",
         "NewClaimNet"},
        {NetParty::Claimant, "-$5", "Claimant's New Net Income Must Be $0 Or Greater",
         "NewClaimNet"},
        {NetParty::Other, "", "Please Enter The Other Parent's New Monthly Net Income",
         "NewOtherNet"},
        {NetParty::Other, "-1", "The Other Parent's New Net Income Must Be $0 Or Greater",
         "NewOtherNet"},
    };
    for (const auto& [party, text, message, field] : rows) {
        CaseRecord record;
        ScriptedInteraction ui;
        EXPECT_FALSE(ChangeTypedNet(record, ui, party, text));
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].title, "Entry Error");
        EXPECT_EQ(ui.messages()[0].text, message);
        EXPECT_EQ(ui.focused(), std::vector<std::string>{field});
        EXPECT_EQ(record.results.tax.NetOverrideState, 1);
    }
}

TEST(ResultsScreen, TypedNetIncomeRecalculatesAndShows) {
    CaseRecord record = Calculated("Custodial.QCF");
    ScriptedInteraction ui;
    ASSERT_TRUE(ChangeTypedNet(record, ui, NetParty::Claimant, "$3,500.00"));
    ASSERT_TRUE(RecalculateChildSupport(record, ui));
    SupportDisplay display = BuildSupportDisplay(record);
    // The computed $4,095 a month gives way to the typed $3,500.
    EXPECT_EQ(ValueOf(display.claimIncome, " Pre Adj Net/Month"), "$4,095");
    EXPECT_EQ(ValueOf(display.claimIncome, " Manual Adj/Month"), "-$595");
    EXPECT_EQ(ValueOf(display.claimIncome, " Adj Net/Month"), "$3,500");
    EXPECT_EQ(ValueOf(display.otherIncome, " Manual Adj/Month"), "-$0");
    EXPECT_EQ(ValueOf(display.caseFacts, " Manual Inc Adj = "), "Claimant");

    ChangeExtrapolation(record, Extrapolation::Curve);
    ASSERT_TRUE(RecalculateChildSupport(record, ui));
    EXPECT_EQ(record.results.tax.NetOverrideState, 1);
    EXPECT_EQ(ValueOf(BuildSupportDisplay(record).claimIncome, " Adj Net/Month"), "$4,095");
}

// After "Change" every run reads the box again: an edit counts at the next recalculation;
// text that is no number keeps the last figure accepted.
TEST(ResultsScreen, TypedNetBoxesAreReadOnEveryRun) {
    CaseRecord record = Calculated("Custodial.QCF");
    ScriptedInteraction ui;
    ASSERT_TRUE(ChangeTypedNet(record, ui, NetParty::Other, "3000"));
    ASSERT_TRUE(RecalculateChildSupport(record, ui));
    const std::pair<const char*, float> edits[] = {
        {"$2,750", 2750}, {"2,600.50", 2600.5f}, {"lots", 2600.5f}, {"-5", 2600.5f}};
    for (const auto& [text, net] : edits) {
        TypeNetBox(record, NetParty::Other, text);
        ASSERT_TRUE(RecalculateChildSupport(record, ui));
        EXPECT_EQ(record.results.tax.Payer.NetMonthly, net) << text;
    }
    TypeNetBox(record, NetParty::Claimant, "1000");  // the Claimant's figure is not in force
    ASSERT_TRUE(RecalculateChildSupport(record, ui));
    EXPECT_EQ(record.results.tax.Claim.NetMonthly, record.results.tax.Claim.NetMonthlyComputed);
}

TEST(ResultsScreen, LimitsShownThenHiddenRestoreTheTransfer) {
    // The Other Party's share of two children, 477, is above his 1800 - 1519 = 281.
    SupportCase shown("Cust", 2, 4200, 1800);
    float unlimited = shown.Run().ChildSupportTransfer;
    ASSERT_EQ(shown.results().LimitsButton, "Show Limits");
    ASSERT_TRUE(ToggleLimits(shown.record));
    EXPECT_EQ(shown.results().LimitsApplied, 1);
    shown.Run();
    EXPECT_EQ(shown.results().LimitsButton, "Hide Limits");
    EXPECT_LT(shown.results().ChildSupportTransfer, unlimited);
    EXPECT_EQ(ObligationRows(shown.record).back().label, " Basic Support Shown Is The Limitation ");

    ASSERT_TRUE(ToggleLimits(shown.record));
    shown.Run();
    EXPECT_EQ(shown.results().LimitsButton, "Show Limits");
    EXPECT_EQ(shown.results().ChildSupportTransfer, unlimited);
    EXPECT_FALSE(HasLabel(ObligationRows(shown.record), " Basic Support Shown Is The Limitation "));
}

TEST(ResultsScreen, ButtonsWithoutAChoiceDoNothing) {
    CaseRecord record;
    record.results.support.LimitsButton = "No Limitations";
    record.results.support.DeviationButton = "No 2nd Families";
    EXPECT_FALSE(ToggleLimits(record));
    EXPECT_FALSE(ToggleDeviation(record));
    record.results.support.DeviationButton = "Show Deviation";
    EXPECT_TRUE(ToggleDeviation(record));
    EXPECT_EQ(record.results.support.DeviationApplied, 1);
}

TEST(ResultsScreen, ObligationLabelsByMethod) {
    struct Row {
        const char* custody;
        SharedMethod shared;
        SplitMethod split;
        std::vector<std::string> labels;
    };
    const Row rows[] = {
        {"Shared",
         SharedMethod::SumDaysColorado,
         SplitMethod::Arvey,
         {" Claimant's Basic Ob. (Times 1.5) ", " Other's Basic Ob. (Times 1.5)  "}},
        {"Split",
         SharedMethod::SumDays,
         SplitMethod::DualWS,
         {" Claimant's Basic Ob. To Fam 2 ", " Other's Basic Ob. To Fam 1 "}},
        {"Split",
         SharedMethod::SumDays,
         SplitMethod::Arvey,
         {" Claimant's Basic Obligation  ", " Other's Basic Obligation  "}},
    };
    for (const Row& row : rows) {
        CaseRecord record;
        record.globals.CustodyType = row.custody;
        record.options.sharedMethod = row.shared;
        record.options.splitMethod = row.split;
        DisplayRows obligations = ObligationRows(record);
        EXPECT_EQ(obligations[0].label, row.labels[0]);
        EXPECT_EQ(obligations[1].label, row.labels[1]);
    }
}

TEST(ResultsScreen, DualWorksheetSplitCaseEndToEnd) {
    CaseRecord record = Calculated("SplitTwoEach.QCF", SplitMethod::DualWS);
    SupportDisplay display = BuildSupportDisplay(record);
    // Each household's 2 children at $1,166; each parent owes the household he does not live in.
    EXPECT_EQ(display.perChild,
              (std::vector<std::string>{"     -Claimant's Family-", " Child #1: $1,166 /Month",
                                        " Child #2: $1,166 /Month", "     -Other Parent's Family-",
                                        " Child #1: $1,166 /Month", " Child #2: $1,166 /Month"}));
    EXPECT_EQ(display.method, std::vector<std::string>{" Uses Dual Worksheets For Split Custody."});
    EXPECT_EQ(ValueOf(display.obligations, " Claimant's Basic Ob. To Fam 2 "), "$974");
    // Each basic obligation plus half of that parent's expense share less what he paid.
    EXPECT_EQ(ValueOf(display.obligations, " Claimant's Net Obligation "), "$886");
    EXPECT_EQ(ValueOf(display.obligations, " Other's Net Obligation  "), "$1,446");
    EXPECT_EQ(display.transfer, "Child Support Is $561 Per Month. Paid By Other Parent. ");
}

TEST(ResultsScreen, DualWorksheetsShowHalfOfEachExpense) {
    CaseRecord record;
    record.globals.CustodyType = "Split";
    record.options.splitMethod = SplitMethod::DualWS;
    record.results.support.ClaimExpenseShare = 403;
    record.results.support.CareHealthPaidPayer = 385;
    DisplayRows rows = ObligationRows(record);
    EXPECT_EQ(ValueOf(rows, " 1/2 Claimant's Expenses Obligation  "), "$202");
    EXPECT_EQ(ValueOf(rows, " 1/2 Other's Expenses Credit  "), "-$193");
}

TEST(ResultsScreen, TierPanelFromTheCaseDownToOneChild) {
    CaseRecord record = Calculated("SharedOvernights.QCF");
    std::vector<std::string> lines = TierLines(record);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 12), "3 Children: ");
    EXPECT_NE(lines[0].find(" Basic Ob./Mo. Is $2,850 (Ages: 4, 8, 12) Av. Nights "),
              std::string::npos);
    EXPECT_EQ(lines[2].substr(0, 9), "1 Child: ");
    EXPECT_NE(lines[2].find("(Age: 4)"), std::string::npos);
    EXPECT_EQ(lines[3],
              "You May Need To Run The Program With Redefined Exemptions and Expenses For "
              "Accurate Tiered Support.");
    EXPECT_EQ(TierCaption(record), "Tier - Without Net Expense Obligation of $506");
}

TEST(ResultsScreen, CaseFactsOfASharedCase) {
    CaseRecord record = Calculated("SharedOvernights.QCF");
    DisplayRows facts = CaseFactRows(record);
    EXPECT_EQ(ValueOf(facts, " Claimant's Nights "), "200.0");
    EXPECT_EQ(ValueOf(facts, " Other's Nights "), "165.0");
    EXPECT_EQ(ValueOf(facts, " Claimant's File Status: "), "HH");
    EXPECT_EQ(ValueOf(facts, " Other's File Status: "), "S");
    EXPECT_TRUE(HasLabel(facts, "    - Shared Custody - "));
    EXPECT_FALSE(HasLabel(facts, "    - Split Custody -"));
}

// No minors: no pass runs, so nothing of one is shown, and the screen says why.
TEST(ResultsScreen, NoMinorsShowNoPassFigures) {
    CaseRecord record = Calculated("NoMinorsMaintenance.QCF");
    SupportDisplay display = BuildSupportDisplay(record);
    EXPECT_EQ(display.transfer,
              "There Are No Minor Children In This Case, So There Is No Child Support.");
    EXPECT_TRUE(display.tableNotes.empty());
    EXPECT_TRUE(display.obligations.empty());
    EXPECT_TRUE(TierLines(record).empty());
    for (const DisplayRows& income : {display.claimIncome, display.otherIncome}) {
        EXPECT_FALSE(HasLabel(income, " Pays % Of Expenses At"));
        EXPECT_FALSE(HasLabel(income, " 45% Of Net Income"));
        EXPECT_TRUE(HasLabel(income, " Adj Net/Month"));
    }
}

// A share of .55 on the Express Entry screen with 150 nights typed for the oldest child: the
// family is priced with the table's average, and every figure shown says so.
TEST(ResultsScreen, SharedNightsShownAreTheNightsUsed) {
    CaseRecord record;
    ASSERT_TRUE(OpenCaseFile(record, std::filesystem::path(TOVARIS_SOURCE_DIR) / "examples" /
                                         "SharedOvernights.QCF")
                    .ok);
    const std::pair<const char*, const char*> entries[] = {
        {"PercentOfTimeValue", ".55"}, {"ClaimDays", "200.8"},  {"PayerPerCent", ".45"},
        {"PayerDays", "164.2"},        {"ClaimDays(0)", "150"}, {"ClaimDays(1)", ""},
        {"ClaimDays(2)", ""},
    };
    for (const auto& [field, text] : entries) {
        record.fields.SetText(field, text);
    }
    EXPECT_EQ(support::NightsInUseNote(record.fields),
              "In Use: .504 (183.9 Nights), From The Parenting Time Table");
    ScriptedInteraction ui;
    const ReadInResult result = RunChildSupportCommand(record, ui);
    ASSERT_FALSE(result.stopped) << result.message;
    DisplayRows facts = CaseFactRows(record);
    EXPECT_EQ(ValueOf(facts, " Claimant's Nights "), "183.9");
    EXPECT_EQ(ValueOf(facts, " Other's Nights "), "181.1");
    EXPECT_NE(TierLines(record)[0].find("Av. Nights 183.9/181.1"), std::string::npos);

    record.fields.SetText("ClaimDays(0)", "");
    EXPECT_EQ(support::NightsInUseNote(record.fields), "");  // the share is the one in use
}

}  // namespace
}  // namespace tovaris
