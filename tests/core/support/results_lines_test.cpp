#include <gtest/gtest.h>

#include "case/case_record.h"
#include "support/results_lines.h"

namespace tovaris {
namespace {

CaseRecord Calculated(const char* custody, int16_t minors, float combined) {
    CaseRecord record;
    record.globals.CustodyType = custody;
    record.globals.NumMinors = minors;
    SupportResults& r = record.results.support;
    r.CombinedNet = combined;
    r.PerChildSupport = {795, 795};
    return record;
}

TEST(ResultsLines, SharedMethodLineCarriesTheFactors) {
    // The worked shared case: Oc 400, Op 900, Tc 146, Tp 219 gives 120 a month.
    CaseRecord record = Calculated("Shared", 1, 6000);
    SupportResults& r = record.results.support;
    r.ClaimStandardObligation = 400;
    r.PayerStandardObligation = 900;
    r.ClaimTimeFactor = 146;
    r.PayerTimeFactor = 219;
    EXPECT_EQ(MethodLines(record),
              (std::vector<std::string>{" Shared: Simple Sum Of Days Formula.",
                                        "(.400 Of $900) Minus (.600 Of $400) Is The Net "
                                        "Transfer. "}));
    record.options.sharedMethod = SharedMethod::SquaredDays;
    EXPECT_EQ(MethodLines(record),
              (std::vector<std::string>{" Shared: Sum Of Days Squared Formula.",
                                        "(.308 Of $900) Minus (.692 Of $400) Is The Net "
                                        "Transfer. "}));
}

TEST(ResultsLines, MethodLineByCustody) {
    struct Row {
        const char* custody;
        SplitMethod split;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"Cust", SplitMethod::Arvey, {}},
        {"NonCust", SplitMethod::Arvey, {}},
        {"Split", SplitMethod::Arvey, {" Uses Arvey Split Custody Formula."}},
        {"Split", SplitMethod::DualWS, {" Uses Dual Worksheets For Split Custody."}},
    };
    for (const Row& row : rows) {
        CaseRecord record = Calculated(row.custody, 2, 6000);
        record.options.splitMethod = row.split;
        EXPECT_EQ(MethodLines(record), row.lines) << row.custody;
    }
}

TEST(ResultsLines, PerChildListAndDualWorksheetFamilies) {
    CaseRecord record = Calculated("Cust", 2, 6000);
    EXPECT_EQ(PerChildLines(record),
              (std::vector<std::string>{" Child #1: $795 /Month", " Child #2: $795 /Month"}));
    record.globals.CustodyType = "Split";
    record.options.splitMethod = SplitMethod::DualWS;
    record.globals.ClaimChildrenSplit = 1;
    record.globals.PayerChildrenSplit = 1;
    record.results.support.PerChildSupport = {1100};
    record.results.support.PerChildSupport2 = {1100};
    EXPECT_EQ(
        PerChildLines(record),
        (std::vector<std::string>{"     -Claimant's Family-", " Child #1: $1,100 /Month",
                                  "     -Other Parent's Family-", " Child #1: $1,100 /Month"}));
}

TEST(ResultsLines, TableNotesByCombinedIncome) {
    EXPECT_EQ(
        TableNotes(Calculated("Cust", 1, 999)),
        (std::vector<std::string>{"Economic Table Limit For Combined Income = $1,000",
                                  "Combined Net Income Is < = $12,000. Support Is Presumptive."}));
    EXPECT_EQ(
        TableNotes(Calculated("Cust", 1, 12000)),
        (std::vector<std::string>{"Combined Net Income Is < = $12,000. Support Is Presumptive."}));
    CaseRecord high = Calculated("Cust", 1, 12000.01f);
    high.options.extrapolation = Extrapolation::Linear;
    high.options.economicTable = EconomicTableChoice::OldTable;
    EXPECT_EQ(TableNotes(high),
              (std::vector<std::string>{
                  "Combined Net Income Is > $12,000. Support Is Linearly (9K-12K) Extrapolated "
                  "Beyond The Economic Table",
                  "Using The Economic Table From 2009. Not Presumptive As This Is Support From "
                  "That Prior Guideline."}));
}

}  // namespace
}  // namespace tovaris
