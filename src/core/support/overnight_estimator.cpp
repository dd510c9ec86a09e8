#include "support/overnight_estimator.h"

#include "support/parenting_time.h"

namespace tovaris::support {
namespace {

constexpr double kWeeksPerYear = 52;
constexpr double kNightsPerWeek = 7;
constexpr double kSchoolPeriodNights = 14;  // nights in the two-week school period

// The three checks every vacation period makes, in the words of its own period.
struct VacationTexts {
    std::string_view chooseSchedule;
    std::string_view enterNights;
    std::string_view tooManyNights;
};

constexpr VacationTexts kXMassTexts = {
    "Please Select Option For XMass Vacation Overnights.",
    "Please Enter The Number Of XMass Vacation Overnights.",
    "Please Enter The Number Of Overnights Per XMass Break Period. It Can Not Be More Than 7 Days "
    "Per Week.",
};
constexpr VacationTexts kBreakTexts = {
    "Please Select Option For School Break Overnights.",
    "Please Enter The Number Of School Break Overnights.",
    "Please Enter The Number Of Overnights Per School Break Periods. It Can Not Be More Than 7 "
    "Days Per Week.",
};
constexpr VacationTexts kSummerTexts = {
    "Please Select Option Of Summer Vacation Overnights.",
    "Please Enter The Number Of Summer Vacation Overnights.",
    "Please Enter The Number Of Overnights Per Summer Vacation Period. It Can Not Be More Than 7 "
    "Days Per Week.",
};

constexpr std::string_view kWeeksText =
    "The Total Number Of Weeks In The Year Does Not Equal 52. Please ReEnter The Number Of "
    "School, Break And Vacation Period Weeks.";
constexpr std::string_view kSchoolNightsText =
    "Please Enter The Number Of Overnights Per Two-Week Period During The School Year.";
constexpr std::string_view kSchoolNightsTooManyText =
    "Please Enter The Number Of Overnights Per Two-Week Period During The School Year. It Can Not "
    "Be More Than 14 Days.";
constexpr std::string_view kSummerConWeeksText =
    "Please ReEnter The Number Of Uninterrupted Weeks For Each Parent During Summer Vacation. It "
    "Can Not Be More Than 1/2 The Number Of Weeks In The Summer Vacation Period.";
constexpr std::string_view kOtherNightsText =
    "Please Enter The Number Of Other Possible Overnights.";
constexpr std::string_view kTotalText =
    "Please ReCheck Your Entries. The Total Number Of Calculated Overnights Is Greater Than 365 "
    "days.";

// Overnights of one period, or the message of its failed check.
struct Period {
    double nights = 0;
    std::string_view error;
};

Period VacationPeriod(double weeks, VacationSchedule schedule,
                      const std::optional<double>& enteredNights, double schoolNights,
                      const VacationTexts& texts) {
    switch (schedule) {
        case VacationSchedule::NotChosen:
            return {0, texts.chooseSchedule};
        case VacationSchedule::Continuation:
        case VacationSchedule::ContinuationWithWeeks:  // no uninterrupted weeks: plain continuation
            return {weeks / 2 * schoolNights, {}};
        case VacationSchedule::Halves:
            return {weeks / 2 * kNightsPerWeek, {}};
        case VacationSchedule::Other:
            if (!enteredNights) {
                return {0, texts.enterNights};
            }
            if (*enteredNights > kNightsPerWeek * weeks) {
                return {0, texts.tooManyNights};
            }
            return {*enteredNights, {}};
    }
    return {0, texts.chooseSchedule};
}

Period SummerPeriod(const OvernightEntries& e, double schoolNights) {
    if (e.summerSchedule != VacationSchedule::ContinuationWithWeeks) {
        return VacationPeriod(e.summerWeeks, e.summerSchedule, e.summerNights, schoolNights,
                              kSummerTexts);
    }
    if (e.summerConWeeks > e.summerWeeks / 2) {
        return {0, kSummerConWeeksText};
    }
    // A full week with each parent; the rest of the summer follows the school-year schedule.
    return {kNightsPerWeek * e.summerConWeeks +
                (e.summerWeeks - 2 * e.summerConWeeks) / 2 * schoolNights,
            {}};
}

}  // namespace

OvernightEstimate OvernightCalc(const OvernightEntries& e) {
    if (e.schoolWeeks + e.xmassWeeks + e.breakWeeks + e.summerWeeks != kWeeksPerYear) {
        return {kWeeksText};
    }
    if (!e.schoolNights) {
        return {kSchoolNightsText};
    }
    if (*e.schoolNights > kSchoolPeriodNights) {
        return {kSchoolNightsTooManyText};
    }
    const double schoolNights = *e.schoolNights;
    double total = e.schoolWeeks / 2 * schoolNights;
    const Period periods[] = {
        VacationPeriod(e.xmassWeeks, e.xmassSchedule, e.xmassNights, schoolNights, kXMassTexts),
        VacationPeriod(e.breakWeeks, e.breakSchedule, e.breakNights, schoolNights, kBreakTexts),
        SummerPeriod(e, schoolNights),
    };
    for (const Period& p : periods) {
        if (!p.error.empty()) {
            return {p.error};
        }
        total += p.nights;
    }
    if (!e.otherNights) {
        return {kOtherNightsText};
    }
    total += *e.otherNights;
    if (total > kNightsPerYear) {
        return {kTotalText};
    }
    return {{}, total};
}

}  // namespace tovaris::support
