#include "calculators/pension_valuator.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "calculators/entry_number.h"
#include "calculators/reference_tables.h"
#include "common/format.h"

namespace tovaris::calculators {
namespace {

struct Age {
    int years;
    int months;
    double InYears() const { return years + months / 12.0; }
};

std::optional<int> Whole(const std::string& text, int low, int high) {
    std::optional<double> value = EntryNumber(text);
    if (!value || *value != std::floor(*value) || *value < low || *value > high) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<double> Rate(const std::string& text) {
    std::optional<double> value = EntryNumber(text);
    return value && *value >= 0 && *value < 1 ? value : std::nullopt;
}

// The last whole age whose next year the table still holds, so that months can be interpolated.
constexpr int kMaxAge = 99;
// Far enough for any pension that ends at a stated age.
constexpr int kMaxTerminateAge = 120;

struct ValidEntries {
    Age current;
    Age payable;
    std::optional<Age> terminate;
    std::string tableKey;
    double pension;
    double discountRate;
    double taxRate;
};

std::string TableKey(const PensionEntries& e) {
    if (e.model == PensionModel::ByGender) {
        return e.sex;
    }
    const char* race = e.race == "b" ? "_black" : e.race == "h" ? "_hispanic" : "_white";
    return e.sex + race;
}

Outcome<ValidEntries> Check(const PensionEntries& e) {
    ValidEntries v{};
    auto whole = [](const std::string& text, int high, const char* field, const char* message,
                    int& into) -> std::optional<EntryError> {
        std::optional<int> value = Whole(text, 0, high);
        if (!value) {
            return EntryError{field, message};
        }
        into = *value;
        return std::nullopt;
    };
    const std::function<std::optional<EntryError>()> checks[] = {
        [&] {
            return whole(e.CurrentAgeYrs, kMaxAge, "CurrentAgeYrs",
                         "Please ReEnter The Number Of Years In Holder's Current Age (Max Age is "
                         "99)",
                         v.current.years);
        },
        [&] {
            return whole(e.CurrentAgeMos, 11, "CurrentAgeMos",
                         "Please ReEnter The Number Of Months In Holder's Current Age",
                         v.current.months);
        },
        [&] {
            return whole(e.AgePayableYrs, kMaxAge, "AgePayableYrs",
                         "Please ReEnter The Number Of Years In Holder's Age When Pension Is "
                         "Payable",
                         v.payable.years);
        },
        [&] {
            return whole(e.AgePayableMos, 11, "AgePayableMos",
                         "Please ReEnter The Number Of Months In Holder's Age When Pension Is "
                         "Payable",
                         v.payable.months);
        },
        [&]() -> std::optional<EntryError> {
            if (e.atDeath) {
                return std::nullopt;
            }
            v.terminate = Age{};
            std::optional<int> years = Whole(e.AgeTerminateYrs, 0, kMaxTerminateAge);
            // It cannot end before it is payable, nor before today (a pension already payable).
            if (!years || *years < std::max(v.payable.years, v.current.years)) {
                return EntryError{"AgeTerminateYrs",
                                  "Please ReEnter The Number Of Years In Holder's Age When "
                                  "Pension Terminates"};
            }
            v.terminate->years = *years;
            return std::nullopt;
        },
        [&]() -> std::optional<EntryError> {
            if (e.atDeath) {
                return std::nullopt;
            }
            return whole(e.AgeTerminateMos, 11, "AgeTerminateMos",
                         "Please ReEnter The Number Of Months In Holder's Age When Pension "
                         "Terminates",
                         v.terminate->months);
        },
        [&]() -> std::optional<EntryError> {
            if (e.sex != "m" && e.sex != "f") {
                return EntryError{"SexMale", "Please Enter The Pension Holder's Sex"};
            }
            return std::nullopt;
        },
        [&]() -> std::optional<EntryError> {
            if (e.model == PensionModel::ByGenderAndRace && e.race != "w" && e.race != "b" &&
                e.race != "h") {
                return EntryError{"RaceWhite", "Please Enter The Pension Holder's Race"};
            }
            return std::nullopt;
        },
        [&]() -> std::optional<EntryError> {
            std::optional<double> pension = EntryNumber(e.PensionAmount);
            if (!pension || *pension < 0) {
                return EntryError{"PensionAmount",
                                  "Please ReEnter The Gross Pension Amount Per Month"};
            }
            v.pension = *pension;
            return std::nullopt;
        },
        [&]() -> std::optional<EntryError> {
            std::optional<double> rate = Rate(e.DiscountRate);
            if (!rate) {
                return EntryError{"DiscountRate", "Please ReEnter The Discount Rate(As A Decimal)"};
            }
            v.discountRate = *rate;
            return std::nullopt;
        },
        [&]() -> std::optional<EntryError> {
            std::optional<double> rate = Rate(e.TaxRate);
            if (!rate) {
                return EntryError{"TaxRate", "Please ReEnter The Tax Rate(As A Decimal)"};
            }
            v.taxRate = *rate;
            return std::nullopt;
        },
    };
    for (const auto& check : checks) {
        if (std::optional<EntryError> error = check()) {
            return *error;
        }
    }
    v.tableKey = TableKey(e);
    return v;
}

// A table column between whole ages, month by month.
double Interpolate(const std::array<double, LifeTable::kLastAge + 1>& column, Age age) {
    const auto year = static_cast<std::size_t>(age.years);
    if (age.months == 0) {
        return column.at(year);
    }
    return ((12 - age.months) * column.at(year) + age.months * column.at(year + 1)) / 12;
}

// P x (1 + k + k^2 + ... ) over N months with k = 1 - r: the closed form of the monthly sum,
// which also gives a fractional last month its share.
double DiscountedPayments(double pension, double months, double monthlyRate) {
    if (monthlyRate == 0) {
        return pension * months;
    }
    return pension * (1 - std::pow(1 - monthlyRate, months)) / monthlyRate;
}

}  // namespace

Outcome<PensionValue> ValuePension(const PensionEntries& entries) {
    Outcome<ValidEntries> checked = Check(entries);
    if (const auto* error = std::get_if<EntryError>(&checked)) {
        return *error;
    }
    ValidEntries v = std::get<ValidEntries>(checked);
    const LifeTable& table = LifeTableFor(v.tableKey);
    if (v.current.years >= v.payable.years) {
        v.payable = v.current;  // already payable: no deferral, no death before payout
    }
    PensionValue result;
    result.DeathPossibility =
        1 - Interpolate(table.survivors, v.payable) / Interpolate(table.survivors, v.current);
    if (v.terminate) {
        result.ExpectedYears = v.terminate->InYears() - v.payable.years;
        result.PaymentMonths = (v.terminate->years - v.payable.years) * 12 + v.terminate->months;
    } else {
        result.ExpectedYears = Interpolate(table.expectancy, v.payable);
        result.PaymentMonths = 12 * result.ExpectedYears;
    }
    const double monthlyRate = v.discountRate / 12;
    const double deferralYears = v.payable.years - v.current.InYears();
    const double deferral = std::pow(1 - monthlyRate, 12 * deferralYears);
    result.PresentValue =
        std::trunc((1 - result.DeathPossibility) *
                   DiscountedPayments(v.pension, result.PaymentMonths, monthlyRate) * deferral);
    if (v.taxRate != 0) {
        result.PostTaxPresentValue = std::trunc(result.PresentValue * (1 - v.taxRate));
    }
    return result;
}

std::string DeathPossibilityText(double possibility) {
    return Format(possibility, " #0.00%");
}

std::string ExpectedYearsText(double years) {
    return Format(years, " ####.00") + " Years";
}

std::string PensionAmountText(double amount) {
    return Format(amount, " $###,###,###");
}

}  // namespace tovaris::calculators
