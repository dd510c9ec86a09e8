#include <gtest/gtest.h>

#include "maintenance/present_value.h"

namespace tovaris::maintenance {
namespace {

TEST(PresentValue, SumsDiscountedMonthlyPayments) {
    struct Case {
        double award;
        double years;
        double tax;
        double discount;
        double value;
    } const cases[] = {
        {12000, 1, 0, 0, 12000},         // requirements check: equals the yearly award
        {12000, 2, 0.25, 0, 18000},      // 24 x 750
        {12000, 1.3, 0, 0, 15000},       // 15.6 months: 15 are paid
        {12000, 0.5833333, 0, 0, 7000},  // 7/12 of a year as typed
        // 1,000 x (1 - 0.99^12) / 0.01, the geometric sum at 1 % a month.
        {12000, 1, 0, 0.12, 11361.5128284},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(PresentValue(c.award, c.years, c.tax, c.discount), c.value, 0.002)
            << c.award << " for " << c.years << " years, tax " << c.tax << ", discount "
            << c.discount;
    }
}

TEST(CheckPresentValueEntries, FirstUnusableEntryInScreenOrder) {
    const std::string_view kDuration =
        "Please ReEnter The Duration In Years For A Present Value Calculation";
    const std::string_view kTax =
        "Please ReEnter The Tax Rate For A Present Value Calculation(As A Decimal)";
    const std::string_view kDiscount =
        "Please ReEnter The Discount Rate For A Present Value Calculation(As A Decimal)";
    struct Case {
        PresentValueEntries in;
        std::string_view message;  // empty: accepted
    } const cases[] = {
        {{std::nullopt, 0.2, 0.05}, kDuration},
        {{0, 0.2, 0.05}, kDuration},
        {{5, std::nullopt, 1}, kTax},
        {{5, 1, 0.05}, kTax},  // a 100 % tax rate is refused
        {{5, -0.1, 0.05}, kTax},
        {{5, 0, 1}, kDiscount},
        {{5, 0.2, -0.01}, kDiscount},
        {{0.1, 0, 0}, ""},
        {{5, 0.99, 0.99}, ""},
    };
    for (const Case& c : cases) {
        const auto error = CheckPresentValueEntries(c.in);
        EXPECT_EQ(error ? error->message : "", c.message)
            << "duration " << c.in.DurationYears.value_or(-99) << " tax "
            << c.in.TaxRate.value_or(-99) << " discount " << c.in.DiscountRate.value_or(-99);
    }
}

}  // namespace
}  // namespace tovaris::maintenance
