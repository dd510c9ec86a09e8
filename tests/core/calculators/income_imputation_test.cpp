#include "calculators/income_imputation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calculators/reference_tables.h"
#include "case/case_file.h"
#include "case/income_refresh.h"
#include "common/format.h"

namespace tovaris::calculators {
namespace {

TEST(MinimumWages, ListsTheSixtySixRowsWithTheTellingWages) {
    const auto& wages = StateMinimumWages();
    ASSERT_EQ(wages.size(), 66u);
    EXPECT_EQ(wages.front().name, "Alabama");
    EXPECT_EQ(wages.back().name, "Wyoming");
    const std::pair<const char*, const char*> telling[] = {
        {"Washington", "$15.74"},
        {"WA-Seatac", "$19.06"},
        {"WA-Seattle-Large Employer", "$18.69"},
        {"WA-Seattle-Small with Med.", "$16.50"},
        {"WA-Tacoma", "$15.74"},
        {"Arizona", "$13.85"},
        {"Wash D.C.", "$16.10"},
        {"Alabama", "$7.25"},
    };
    for (const auto& [state, hourly] : telling) {
        const auto figures = FiguresFor(state, std::nullopt, std::nullopt);
        ASSERT_TRUE(figures.has_value()) << state;
        EXPECT_EQ(figures->hourly, hourly) << state;
    }
    EXPECT_FALSE(FiguresFor("Atlantis", std::nullopt, std::nullopt).has_value());
}

TEST(MinimumWages, MonthlyMinimumIsFortyHoursOverThreeSixtyFiveEightyFourthsWeeks) {
    const auto figures = FiguresFor(kDefaultWageState, std::nullopt, std::nullopt);
    ASSERT_TRUE(figures.has_value());
    EXPECT_EQ(FormatSingle(figures->moMin, kMoMinFormat), "$2,735.76");
    EXPECT_FALSE(figures->netMedian.has_value());
    EXPECT_EQ(Format(MonthlyMinimumIncome(7.25), kMoMinFormat), "$1,260.12");
}

TEST(MedianIncome, TableBySexAndAgeBand) {
    EXPECT_EQ(MedianNetMonthly(Sex::Female, 3), 4067);  // 45-54
    EXPECT_EQ(MedianNetMonthly(Sex::Male, 0), 2339);
    EXPECT_EQ(MedianNetMonthly(Sex::Male, 5), 5982);
    EXPECT_EQ(MedianNetMonthly(Sex::Female, 1), 3542);
    const auto figures = FiguresFor("Washington", Sex::Female, 3);
    ASSERT_TRUE(figures->netMedian.has_value());
    EXPECT_EQ(*figures->netMedian, 4067);
    EXPECT_FLOAT_EQ(*figures->grossMedian,
                    static_cast<float>(GrossForMonthlyNet(4067).grossYearly / 12));
}

// The search stops at the first gross, stepping a dollar from its start, where the computed
// net is the target or lies on the other side of it.
TEST(MedianIncome, GrossSearchStopsAtTheTargetOrWhereTheDirectionTurns) {
    for (double target : {4067.0, 2234.0, 5982.0, 100.0, 4067.5, 2339.25, 3703.75}) {
        SCOPED_TRACE(target);
        const GrossEquivalent found = GrossForMonthlyNet(target);
        EXPECT_DOUBLE_EQ(found.netMonthly, MonthlyNetOfSingleWages(found.grossYearly));
        const double start = std::floor(12 * target * 1.35);
        const bool startHigh = MonthlyNetOfSingleWages(start) > target;
        const double step = startHigh ? -1 : 1;
        for (double gross = start; gross != found.grossYearly; gross += step) {
            EXPECT_EQ(MonthlyNetOfSingleWages(gross) > target, startHigh) << gross;
            EXPECT_NE(MonthlyNetOfSingleWages(gross), target) << gross;
        }
        if (target == std::floor(target)) {
            EXPECT_EQ(found.netMonthly, target);
        } else {
            EXPECT_NE(found.netMonthly > target, startHigh);
        }
    }
}

TEST(MedianIncome, MonthlyNetRoundsEachComponent) {
    // 60,010 a year: 5,000.83 gross, federal tax 5,463 / 12 = 455.25, payroll 4,591 / 12 =
    // 382.58.
    EXPECT_DOUBLE_EQ(MonthlyNetOfSingleWages(60010), 5001 - 455 - 383);
}

// A case with the Claimant's wages typed on his income screen, yearly.
CaseRecord WithWages(const char* claimWages) {
    CaseRecord record;
    TypeIncomeAmount(record, "ClaimEarned", claimWages);
    TypeIncomeAmount(record, "ClaimSS", "6000");
    AddIncomeVars(record, IncomeParty::Claimant);
    return record;
}

struct ImputeCase {
    ImputeMethod method;
    IncomeParty party;
    ClaimantColumn column;
    const char* wages;  // the party's wages field afterwards
    const char* note;
    const char* noteWS;
};

TEST(ApplyImputation, EachOptionSetsWagesStatusAndBothNotes) {
    const float grossMedian = *FiguresFor("Washington", Sex::Female, 3)->grossMedian;
    const std::string median = FormatSingle(grossMedian, kIncomeAmountFormat);
    const ImputeCase cases[] = {
        {ImputeMethod::WageImpute, IncomeParty::Claimant, ClaimantColumn::Column2, "$ 2,735.76",
         "Claimant's Income Has Been Imputed Using The Minimum Wage Of The Claimant's Residence "
         "State. ",
         "Parent 2's Income Has Been Imputed Using The Minimum Wage Of Parent 2's Residence "
         "State. "},
        {ImputeMethod::WageImpute, IncomeParty::Other, ClaimantColumn::Column2, "$ 2,735.76",
         "The Other Party's Income Has Been Imputed Using The Minimum Wage Of The Other Party's "
         "Residence State. ",
         "Parent 1's Income Has Been Imputed Using The Minimum Wage Of Parent 1's Residence "
         "State. "},
        {ImputeMethod::MedianImpute, IncomeParty::Claimant, ClaimantColumn::Column1, median.c_str(),
         "Claimant's Income Has Been Imputed Using The Federal Approximate Median Net Monthly "
         "Income Table. ",
         "Parent 1's Income Has Been Imputed Using The Federal Approximate Median Net Monthly "
         "Income Table. "},
        {ImputeMethod::HistoryImpute, IncomeParty::Claimant, ClaimantColumn::Column2, "$ 30,000.00",
         "Claimant's Income Has Been Imputed Using The Claimants Record Of Historical Earnings. ",
         "Parent 2's Income Has Been Imputed Using Parent 2's Record Of Historical Earnings."},
        {ImputeMethod::HistoryImpute, IncomeParty::Other, ClaimantColumn::Column1, "",
         "Other Party's Income Has Been Imputed Using The Other Party's Record Of Historical "
         "Earnings. ",
         "Parent 2's Income Has Been Imputed Using Parent 2's Record Of Historical Earnings."},
    };
    for (const ImputeCase& c : cases) {
        SCOPED_TRACE(c.note);
        CaseRecord record = WithWages("30000");
        record.options.claimantColumn = c.column;
        const auto figures = FiguresFor("Washington", Sex::Female, 3);
        ApplyImputation(record, c.party, c.method, *figures);
        const bool claimant = c.party == IncomeParty::Claimant;
        const CaseGlobals& g = record.globals;
        EXPECT_EQ(record.fields.Text(claimant ? "ClaimEarned" : "PayerEarned"), c.wages);
        EXPECT_EQ(claimant ? g.ClaimImputeStatus : g.PayerImputeStatus, "Imputed");
        EXPECT_EQ(claimant ? g.ClaimImputeNote : g.PayerImputeNote, c.note);
        EXPECT_EQ(claimant ? g.ClaimImputeNoteWS : g.PayerImputeNoteWS, c.noteWS);
        EXPECT_EQ(CurrentImputeMethod(record, c.party), c.method);
        EXPECT_EQ(
            CurrentImputeMethod(record, claimant ? IncomeParty::Other : IncomeParty::Claimant),
            ImputeMethod::DoNotImpute);
    }
}

TEST(ApplyImputation, MinimumWageIsEnteredMonthlyAndFlowsToTheGrossIncome) {
    CaseRecord record = WithWages("30000");
    ApplyImputation(record, IncomeParty::Claimant, ImputeMethod::WageImpute,
                    *FiguresFor("Washington", std::nullopt, std::nullopt));
    const PartyIncomeEntries& screen = record.income.Of(IncomeParty::Claimant);
    EXPECT_EQ(screen.period, IncomePeriod::Monthly);
    EXPECT_EQ(record.fields.Text("ClaimSS"), "$ 500.00");  // the other incomes stay, shown monthly
    EXPECT_EQ(record.fields.Text("ClaimGrossInc"), "$ 3,235.76");
    BringIncomeScreensToYearly(record);
    EXPECT_NEAR(screen.Income(IncomeSource::Earned), 2735.76f * 12, 0.01);
}

TEST(ApplyImputation, DoNotImputeResetsStatusAndNotesButKeepsTheWages) {
    CaseRecord record = WithWages("30000");
    ApplyImputation(record, IncomeParty::Claimant, ImputeMethod::WageImpute,
                    *FiguresFor("WA-Seatac", std::nullopt, std::nullopt));
    const std::string wages = record.fields.Text("ClaimEarned");
    ApplyImputation(record, IncomeParty::Claimant, ImputeMethod::DoNotImpute,
                    *FiguresFor("Washington", std::nullopt, std::nullopt));
    EXPECT_EQ(record.globals.ClaimImputeStatus, "Not Imputed");
    EXPECT_EQ(record.globals.ClaimImputeNote, "");
    EXPECT_EQ(record.globals.ClaimImputeNoteWS, "");
    EXPECT_EQ(record.fields.Text("ClaimEarned"), wages);
    EXPECT_EQ(wages, "$ 3,312.81");  // 19.06 x 40 x 365 / 84
}

TEST(ApplyImputation, TheImputationIsSavedAndReopenedWithTheCase) {
    CaseRecord record = WithWages("30000");
    ApplyImputation(record, IncomeParty::Other, ImputeMethod::MedianImpute,
                    *FiguresFor("Washington", Sex::Male, 1));
    CaseRecord reopened;
    ASSERT_TRUE(LoadData(reopened, SaveData(record), "Imputed.QCF").ok);
    EXPECT_EQ(reopened.globals.PayerImputeStatus, "Imputed");
    EXPECT_EQ(reopened.globals.PayerImputeNote, record.globals.PayerImputeNote);
    EXPECT_EQ(reopened.globals.PayerImputeNoteWS, record.globals.PayerImputeNoteWS);
    EXPECT_EQ(reopened.globals.ClaimImputeStatus, "Not Imputed");
    EXPECT_EQ(CurrentImputeMethod(reopened, IncomeParty::Other), ImputeMethod::MedianImpute);
}

}  // namespace
}  // namespace tovaris::calculators
