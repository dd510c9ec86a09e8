// The worksheet against the standard calculation, and the exchange with the Express Entry
// screen, on the example cases and on custodial cases varied around one of them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "case/case_file.h"
#include "case/case_record.h"
#include "case/income_refresh.h"
#include "case/income_screen.h"
#include "common/entry_text.h"
#include "common/scripted_interaction.h"
#include "core/forms/worksheet_case.h"
#include "forms/worksheet_calculation.h"
#include "forms/worksheet_commands.h"
#include "forms/worksheet_sheet.h"
#include "forms/worksheet_transfer.h"
#include "support/child_support_command.h"
#include "tax/net_income_phase.h"

namespace tovaris::forms {
namespace {

// As the user leaves the income screens: the Express gross incomes follow them.
void CloseIncomeScreens(CaseRecord& record) {
    ScriptedInteraction interaction;
    for (IncomeParty party : kIncomeParties) {
        EXPECT_TRUE(CloseIncomeScreen(record, party, interaction));
    }
}

// The worksheet as a practitioner fills it: data from the Express screen, taxes, calculation.
CaseRecord FilledWorksheet(CaseRecord record) {
    ScriptedInteraction interaction(kAnswerNo);
    GetDataFromExpress(record, interaction);
    EXPECT_TRUE(EstimateTaxes(record, interaction));
    EXPECT_TRUE(CalculateWorksheet(record, interaction));
    return record;
}

CaseRecord StandardCalculation(CaseRecord record) {
    ScriptedInteraction interaction(kAnswerNo);
    EXPECT_FALSE(RunChildSupportCommand(record, interaction).stopped);
    return record;
}

double Shown(const CaseRecord& record, std::string_view line, int column) {
    return LineFigure(record.fields, line, column);
}

struct Comparison {
    double netDifference[2];  // line 3 - the standard monthly net, Claimant then Other Party
    double transferDifference;
};

// Line 17 of the paying parent against the standard transfer, both as the Other Party paying.
Comparison Compare(const CaseRecord& standard, const CaseRecord& worksheet) {
    int claimant = ClaimantColumnIndex(worksheet);
    const TaxResults& tax = standard.results.tax;
    Comparison c{};
    c.netDifference[0] = Shown(worksheet, "3", claimant) - tax.Claim.NetMonthly;
    c.netDifference[1] = Shown(worksheet, "3", 1 - claimant) - tax.Payer.NetMonthly;
    double transfer = standard.results.support.ChildSupportTransfer;
    int payer = transfer >= 0 ? 1 - claimant : claimant;
    c.transferDifference = Shown(worksheet, "17", payer) - std::fabs(transfer);
    return c;
}

// The standard calculation rounds each monthly tax on its own (federal tax, credits, payroll
// tax, state tax, each deduction), the worksheet rounds the income taxes as one line and the
// deductions as another: a net income may differ by a dollar. The transfer is priced from whole
// dollar shares on both sides and comes out the same.
constexpr double kRoundingNet = 1;
constexpr double kRoundingTransfer = 0;

void ExpectAgreement(const CaseRecord& example, const std::string& what, bool transfer) {
    Comparison c = Compare(StandardCalculation(example), FilledWorksheet(example));
    EXPECT_LE(std::fabs(c.netDifference[0]), kRoundingNet) << what;
    EXPECT_LE(std::fabs(c.netDifference[1]), kRoundingNet) << what;
    if (transfer) {
        EXPECT_LE(std::fabs(c.transferDifference), kRoundingTransfer) << what;
    }
}

TEST(WorksheetAgainstStandard, CustodialExamplesAgree) {
    for (const char* name : {"Custodial", "NonCustodial", "JointFilerNewSpouse"}) {
        ExpectAgreement(OpenExample(name), name, true);
    }
}

// Shared and split arrangements adjust the transfer for the residential schedule, which the
// worksheet leaves to its attachment; the net incomes still agree.
TEST(WorksheetAgainstStandard, ResidentialSchedulesAgreeOnNetIncomes) {
    for (const char* name : {"SharedOvernights", "SplitTwoEach"}) {
        ExpectAgreement(OpenExample(name), name, false);
    }
}

struct Variation {
    const char* claimWages;
    const char* payerWages;
    const char* payerSelf;
    const char* children;  // ages, one digit each
    const char* dayCare;
    const char* payerHealth;
    bool fParent;
};

std::vector<Variation> Variations() {
    const char* claim[] = {"24,000", "41,500", "63,000", "88,000"};
    const char* payer[] = {"52,000", "75,000", "96,000", "140,000"};
    const char* self[] = {"", "18,000"};
    const char* kids[] = {"6", "49", "368"};
    std::vector<Variation> all;
    int n = 0;
    for (const char* c : claim) {
        for (const char* p : payer) {
            for (const char* s : self) {
                const char* k = kids[n % 3];
                all.push_back({c, p, s, k, n % 2 ? "450" : "0", n % 3 ? "210" : "0", n % 5 == 0});
                ++n;
            }
        }
    }
    return all;
}

// The same property over custodial cases varied around the Custodial example, which stay clear
// of the limitations, the $50 floor and the top of the table: there the worksheet and the
// standard calculation must agree but for rounding.
TEST(WorksheetAgainstStandard, VariedCustodialCasesAgree) {
    CaseRecord base = OpenExample("Custodial");
    for (const Variation& v : Variations()) {
        CaseRecord example = base;
        // Typed as the user types them, so that the Express gross incomes follow.
        TypeIncomeAmount(example, "ClaimEarned", v.claimWages);
        TypeIncomeAmount(example, "PayerEarned", v.payerWages);
        TypeIncomeAmount(example, "PayerSelf", v.payerSelf);
        CloseIncomeScreens(example);
        std::string ages = v.children;
        std::string count = std::to_string(ages.size());
        example.fields.SetText("NumChild", count);
        example.fields.SetText("MinChild", count);
        example.fields.SetText("ClaimDepend17", count);
        for (int k = 0; k < 5; ++k) {
            example.fields.SetText("Child(" + std::to_string(k) + ")",
                                   k < int(ages.size()) ? std::string(1, ages[k]) : "");
        }
        example.fields.SetText("ClaimDayCare", v.dayCare);
        example.fields.SetText("ClaimNumCare", v.dayCare[0] == '0' ? "0" : "1");
        example.fields.SetText("OtherHealthCare", v.payerHealth);
        example.options.claimantColumn =
            v.fParent ? ClaimantColumn::Column1 : ClaimantColumn::Column2;
        ExpectAgreement(example,
                        std::string(v.claimWages) + "/" + v.payerWages + "/" + v.payerSelf +
                            " children " + v.children,
                        true);
    }
}

// With the estimate in force as the worksheet's typed taxes, the net-income phase takes the
// worksheet's taxes: its monthly net incomes come within the rounding of each part of line 3.
TEST(WorksheetTaxOverride, NetIncomePhaseUsesTheWorksheetTaxesOnce) {
    CaseRecord record = FilledWorksheet(OpenExample("Custodial"));
    SetLineFigure(record.fields, WorksheetLineById("2a"), 0, 1000);
    RaiseWorksheetTaxOverride(record);
    int claimant = ClaimantColumnIndex(record);
    RunNetIncomePhase(record);
    const TaxResults& tax = record.results.tax;
    EXPECT_FALSE(tax.WorksheetTaxOverride);
    EXPECT_FLOAT_EQ(tax.Payer.FederalTax, 12000);  // the Other Party stands in Column 1
    EXPECT_EQ(tax.Payer.StateTax, 0);
    EXPECT_EQ(tax.Payer.TotalCredits, 0);
    EXPECT_NEAR(tax.Claim.NetMonthly, Shown(record, "3", claimant), 2);
}

// Express -> worksheet -> Express: every field the two directions share reads the same amount
// afterwards. The amounts are whole dollars a month, as the reverse direction rounds.
TEST(WorksheetExchange, ExpressFieldsSurviveTheRoundTrip) {
    for (const char* name : {"Custodial", "NonCustodial", "SharedOvernights"}) {
        CaseRecord record = OpenExample(name);
        for (auto [field, text] : {std::pair{"ClaimEarned", "54,000"},
                                   {"PayerEarned", "90,000"},
                                   {"PayerEarnedExempt", "6,000"},
                                   {"PayerLT", "3,600"},
                                   {"ClaimStIndus", "600"},
                                   {"PayerStIndus", "720"},
                                   {"ClaimPriorMaintPaid", "2,400"}}) {
            TypeIncomeAmount(record, field, text);
        }
        CloseIncomeScreens(record);
        record.fields.SetText("CurrentMaintTransfer", "500");
        const char* shared[] = {"ClaimEarned",
                                "PayerEarned",
                                "ClaimEarnedExempt",
                                "PayerEarnedExempt",
                                "ClaimST",
                                "PayerST",
                                "ClaimSelf",
                                "PayerSelf",
                                "ClaimLT",
                                "PayerLT",
                                "ClaimSS",
                                "ClaimStIndus",
                                "PayerStIndus",
                                "ClaimDues",
                                "PayerDues",
                                "ClaimPensionPay",
                                "PayerPensionPay",
                                "ClaimRetire",
                                "PayerRetire",
                                "ClaimPriorMaintPaid",
                                "CurrentMaintTransfer",
                                "ClaimHealthCare",
                                "OtherHealthCare",
                                "ClaimDayCare",
                                "OtherDayCare",
                                "ClaimSpecial",
                                "OtherSpecial",
                                "ClaimantName",
                                "Child(0)"};
        CaseRecord before = record;
        ScriptedInteraction interaction(kAnswerYes);
        GetDataFromExpress(record, interaction);
        ASSERT_TRUE(CalculateWorksheet(record, interaction));  // totals 10c and 11e go back
        TransferDataToExpress(record);
        for (const char* field : shared) {
            const std::string& was = before.fields.Text(field);
            const std::string& is = record.fields.Text(field);
            std::optional<double> amount = ReadAmount(was);
            if (amount && field != std::string("Child(0)")) {
                EXPECT_NEAR(ReadAmount(is).value_or(-1), *amount, 0.005)
                    << name << " " << field << ": " << was << " -> " << is;
            } else if (!was.empty()) {
                EXPECT_EQ(is, was) << name << " " << field;
            }
        }
    }
}

TEST(WorksheetExchange, ImputedWagesGoToLine1fAndBack) {
    CaseRecord record = OpenExample("Custodial");
    record.globals.PayerImputeStatus = "Imputed";
    ScriptedInteraction interaction(kAnswerYes);
    GetDataFromExpress(record, interaction);
    EXPECT_EQ(record.fields.Text("f1f"), "$ 8,000.00");  // 96,000 a year, Other Party in Column 1
    EXPECT_EQ(record.fields.Text("a1f(0)"), "");
    EXPECT_EQ(record.fields.Text("d1mCM"), "$");  // no current maintenance
    EXPECT_EQ(record.fields.Text("NameMother"), "Marriage of Hartley");
    EXPECT_EQ(record.fields.Text("Age(1)"), "9");
    record.fields.SetText("f1f", "$ 7,000.40");
    TransferDataToExpress(record);
    EXPECT_EQ(ReadAmount(record.fields.Text("PayerEarned")), 84000);
}

TEST(WorksheetExchange, ReverseDifferences) {
    CaseRecord record = OpenExample("Custodial");
    record.fields.SetText("c1f", "2,500");
    record.fields.SetText("h2f", "400.60");
    record.fields.SetText("a8f", "100");
    record.fields.SetText("b8f", "50");
    record.fields.SetText("c8f", "150");
    record.fields.SetText("a9f", "$");
    record.fields.SetText("e9f", "$ 300");
    TransferDataToExpress(record);
    EXPECT_EQ(record.fields.Text("OtherHealthCare"), "$ 150");  // line 10c, not 10a
    EXPECT_EQ(record.fields.Text("OtherDayCare"), "$ 0");
    EXPECT_EQ(record.fields.Text("OtherSpecial"), "$ 300");             // 11e - 11a
    EXPECT_EQ(ReadAmount(record.fields.Text("PayerSelf")), 2099 * 12);  // (1c - 2h) a month
}

TEST(WorksheetExchange, ClearingFirstIsAskedAndKeepsTheReserve) {
    CaseRecord record = OpenExample("Custodial");
    record.fields.SetText("NeedLimit", "$ 1,600");
    record.fields.SetText("d16f", "$ 20,000");
    record.fields.SetText("NText(0)", "01/05/2024");
    ScriptedInteraction no(kAnswerNo);
    GetDataFromExpress(record, no);
    EXPECT_EQ(no.messages().at(0).title, kDataTransferTitle);
    EXPECT_EQ(record.fields.Text("d16f"), "$ 20,000");
    ScriptedInteraction yes(kAnswerYes);
    GetDataFromExpress(record, yes);
    EXPECT_EQ(record.fields.Text("d16f"), "");
    EXPECT_EQ(record.fields.Text("NeedLimit"), "$ 1,600");
    EXPECT_EQ(record.fields.Text("NText(0)"), "01/05/2024");  // the extra page keeps its entries
}

}  // namespace
}  // namespace tovaris::forms
