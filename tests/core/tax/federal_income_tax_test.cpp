#include <gtest/gtest.h>

#include <vector>

#include "tax/federal_income_tax.h"
#include "tax/standard_deduction.h"

namespace tovaris::tax {
namespace {

// Worked by hand from the 2023 tables: standard deductions 13850 Single and MarriedSep, 20800
// Head, 27700 MFJ; O is the ordinary taxable income. Cumulative tax at the bracket tops:
//   Single      1100, 5147, 16290, 37104, 52832, 174238.25
//   Head        1570, 6868, 14678, 35498, 51226, 172623.50
//   MarriedSep  1100, 5147, 16290, 37104, 52832,  93300.75
//   MFJ         2200, 10294, 32580, 74208, 105664, 186601.50
struct TaxRow {
    const char* status;
    float incomeForTax, preferential, netInvestment, tax;
};

void ExpectTaxes(const std::vector<TaxRow>& rows) {
    for (const TaxRow& row : rows) {
        const ReturnIncome income{.incomeForTax = row.incomeForTax,
                                  .preferentialIncome = row.preferential,
                                  .filingStatus = row.status,
                                  .netInvestmentIncome = row.netInvestment};
        EXPECT_EQ(FederalIncomeTax(income), row.tax)
            << row.status << " income " << row.incomeForTax << " gains " << row.preferential
            << " NII " << row.netInvestment;
    }
}

TEST(FederalIncomeTax, OrdinaryBrackets) {
    ExpectTaxes({
        {"Single", 60010, 0, 0, 5463},     // O 46160: 5147 + 1435 x 22 % = 5462.70
        {"Single", 24850, 0, 0, 1100},     // O 11000, on top 1: all at 10 %
        {"Single", 591975, 0, 0, 174238},  // O 578125, on top 6
        {"Single", 592975, 0, 0, 174608},  // O 579125: 174238.25 + 1000 x 37 %
        {"Head", 80650, 0, 0, 6868},       // O 59850, on top 2
        // On top 6; the cumulative amounts are held in single precision, 172623.50 rounds up.
        {"Head", 598900, 0, 0, 172624},
        {"MarriedSep", 361725, 0, 0, 93671},  // O 347875: 93300.75 + 370
        {"MFJ", 117150, 0, 0, 10294},         // O 89450, on top 2
        {"MFJ", 721450, 0, 0, 186602},        // O 693750, on top 6: 186601.50
        {"MFJ", 27700, 0, 0, 0},              // within the deduction
        {"Single", -5000, 0, 0, 0},           // never negative
    });
}

TEST(FederalIncomeTax, LongTermGainsFillTheRateBands) {
    ExpectTaxes({
        // O 36150 (4118); S 56150 passes the 0 % top 44625: 15 % x 11525 = 1728.75.
        {"Single", 70000, 20000, 0, 5847},
        // O 80001 above the 0 % top (12907.72); all 20000 of gains at 15 %.
        {"Single", 113851, 20000, 0, 15908},
        // O 10000 (1000); S 510000: 15 % x (492300 - 44625) + 20 % x 17700 = 70691.25.
        {"Single", 523850, 500000, 0, 71691},
        // O 100000 (17400); S 500000: 15 % x (492300 - 100000) + 20 % x 7700 = 60385.
        {"Single", 513850, 400000, 0, 77785},
        // O 500001 above the 15 % top (146894.85); 20 % x 10000.
        {"Single", 523851, 10000, 0, 148895},
        // Ordinary income 5000 is below the deduction: O 0, gains 56150; 15 % x 11525.
        {"Single", 70000, 65000, 0, 1729},
        // Gains only, below the deduction; and gains ending exactly on the 0 % top.
        {"Single", 10000, 10000, 0, 0},
        {"Single", 58475, 58475, 0, 0},
        // O 59750 on the Head 0 % top (6856); 15 % x 10000.
        {"Head", 90550, 10000, 0, 8356},
        // O 300001 above the MarriedSep 15 % top 276900 (76894.85); 20 % x 10000.
        {"MarriedSep", 323851, 10000, 0, 78895},
        // O 89250 on the MFJ 0 % top (10270); 15 % x 10000.
        {"MFJ", 126950, 10000, 0, 11770},
    });
}

TEST(FederalIncomeTax, NetInvestmentIncomeTaxAboveThreshold) {
    ExpectTaxes({
        // O 236150: 54547; 3.8 % of the net investment income, the smaller.
        {"Single", 250000, 0, 30000, 55687},
        // 3.8 % of the 50000 excess over 200000, the smaller.
        {"Single", 250000, 0, 80000, 56447},
        // Income exactly on the threshold: none. O 186150: 38400.
        {"Single", 200000, 0, 10000, 38400},
        // MarriedSep threshold 125000: O 121150: 22476; 3.8 % x 5000.
        {"MarriedSep", 135000, 0, 5000, 22666},
        // MFJ threshold 250000: O 232300: 42552; 3.8 % of the 10000 excess.
        {"MFJ", 260000, 0, 50000, 42932},
    });
}

TEST(FederalIncomeTax, AgeAdditionBeatsSmallerItemizedDeduction) {
    // 66 and itemizing 15000: 13850 + 1850 = 15700 is larger; 10000 above it at 10 %.
    EXPECT_EQ(FederalIncomeTax({.incomeForTax = 25700,
                                .itemizedDeductions = 15000,
                                .age65OrOver = true,
                                .filingStatus = "Single"}),
              1000);
}

TEST(DeductionUsed, StandardWithAgeAdditionOrItemized) {
    struct Row {
        const char* status;
        bool age65;
        float itemized, deduction;
    };
    const Row rows[] = {
        {"Single", false, 0, 13850}, {"Head", true, 0, 22650}, {"MarriedSep", true, 0, 15350},
        {"MFJ", false, 0, 27700},    {"MFJ", true, 0, 29200},  {"Single", true, 16000, 16000},
        {"married", false, 0, 0},  // codes are compared exactly
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DeductionUsed(row.status, row.age65, row.itemized), row.deduction)
            << row.status << " 65+ " << row.age65 << " itemized " << row.itemized;
    }
}

}  // namespace
}  // namespace tovaris::tax
