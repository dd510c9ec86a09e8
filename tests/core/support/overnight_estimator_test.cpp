#include <gtest/gtest.h>

#include <functional>
#include <string_view>

#include "support/overnight_estimator.h"

namespace tovaris::support {
namespace {

using enum VacationSchedule;

// The default weeks (37/2/2/11) with 6 school nights per two weeks, Christmas in halves, breaks
// continued, summer continued with 2 uninterrupted weeks each and no other nights:
// 37/2 x 6 = 111, 2/2 x 7 = 7, 2/2 x 6 = 6, 7 x 2 + (11 - 4)/2 x 6 = 35.
OvernightEntries UsualSchedule() {
    OvernightEntries e;
    e.schoolNights = 6;
    e.xmassSchedule = Halves;
    e.breakSchedule = Continuation;
    e.summerSchedule = ContinuationWithWeeks;
    e.summerConWeeks = 2;
    return e;
}

struct TotalCase {
    const char* name;
    std::function<void(OvernightEntries&)> change;
    double total;
};

TEST(OvernightCalc, CountsEachPeriod) {
    const TotalCase cases[] = {
        {"usual schedule", [](OvernightEntries&) {}, 159},
        // 111 + 10 + 5 + 40 + 3
        {"entered vacation nights",
         [](OvernightEntries& e) {
             e.xmassSchedule = Other;
             e.xmassNights = 10;
             e.breakSchedule = Other;
             e.breakNights = 5;
             e.summerSchedule = Other;
             e.summerNights = 40;
             e.otherNights = 3;
         },
         169},
        // 7 x 5.5 + 0 school weeks left: half the summer with each parent
        {"half the summer uninterrupted", [](OvernightEntries& e) { e.summerConWeeks = 5.5; },
         162.5},
        // the most each check allows: 14 per two weeks, 7 per vacation week;
        // 259 + 14 + 14 + 77 = 364, + 1 other = 365
        {"limits reached",
         [](OvernightEntries& e) {
             e.schoolNights = 14;
             e.xmassSchedule = Other;
             e.xmassNights = 14;
             e.breakSchedule = Other;
             e.breakNights = 14;
             e.summerSchedule = Other;
             e.summerNights = 77;
             e.otherNights = 1;
         },
         365},
    };
    for (const TotalCase& c : cases) {
        OvernightEntries e = UsualSchedule();
        c.change(e);
        const OvernightEstimate r = OvernightCalc(e);
        EXPECT_TRUE(r.ok()) << c.name << ": " << r.error;
        EXPECT_DOUBLE_EQ(r.totalNights, c.total) << c.name;
    }
}

struct CheckCase {
    const char* name;
    std::function<void(OvernightEntries&)> change;
    std::string_view message;
};

TEST(OvernightCalc, RefusesWithTheFirstFailedCheck) {
    const CheckCase cases[] = {
        {"51 weeks", [](OvernightEntries& e) { e.summerWeeks = 10; },
         "The Total Number Of Weeks In The Year Does Not Equal 52. Please ReEnter The Number Of "
         "School, Break And Vacation Period Weeks."},
        {"no school nights", [](OvernightEntries& e) { e.schoolNights.reset(); },
         "Please Enter The Number Of Overnights Per Two-Week Period During The School Year."},
        {"15 school nights", [](OvernightEntries& e) { e.schoolNights = 15; },
         "Please Enter The Number Of Overnights Per Two-Week Period During The School Year. It "
         "Can Not Be More Than 14 Days."},
        {"no Christmas option", [](OvernightEntries& e) { e.xmassSchedule = NotChosen; },
         "Please Select Option For XMass Vacation Overnights."},
        {"Christmas nights missing",
         [](OvernightEntries& e) {
             e.xmassSchedule = Other;
             e.xmassNights.reset();
         },
         "Please Enter The Number Of XMass Vacation Overnights."},
        {"15 Christmas nights in 2 weeks",
         [](OvernightEntries& e) {
             e.xmassSchedule = Other;
             e.xmassNights = 15;
         },
         "Please Enter The Number Of Overnights Per XMass Break Period. It Can Not Be More Than 7 "
         "Days Per Week."},
        {"Christmas checked before breaks",
         [](OvernightEntries& e) {
             e.xmassSchedule = NotChosen;
             e.breakSchedule = NotChosen;
         },
         "Please Select Option For XMass Vacation Overnights."},
        {"no break option", [](OvernightEntries& e) { e.breakSchedule = NotChosen; },
         "Please Select Option For School Break Overnights."},
        {"break nights missing",
         [](OvernightEntries& e) {
             e.breakSchedule = Other;
             e.breakNights.reset();
         },
         "Please Enter The Number Of School Break Overnights."},
        {"15 break nights in 2 weeks",
         [](OvernightEntries& e) {
             e.breakSchedule = Other;
             e.breakNights = 15;
         },
         "Please Enter The Number Of Overnights Per School Break Periods. It Can Not Be More Than "
         "7 Days Per Week."},
        {"no summer option", [](OvernightEntries& e) { e.summerSchedule = NotChosen; },
         "Please Select Option Of Summer Vacation Overnights."},
        {"6 of 11 summer weeks uninterrupted", [](OvernightEntries& e) { e.summerConWeeks = 6; },
         "Please ReEnter The Number Of Uninterrupted Weeks For Each Parent During Summer "
         "Vacation. It Can Not Be More Than 1/2 The Number Of Weeks In The Summer Vacation "
         "Period."},
        {"summer nights missing",
         [](OvernightEntries& e) {
             e.summerSchedule = Other;
             e.summerNights.reset();
         },
         "Please Enter The Number Of Summer Vacation Overnights."},
        {"78 summer nights in 11 weeks",
         [](OvernightEntries& e) {
             e.summerSchedule = Other;
             e.summerNights = 78;
         },
         "Please Enter The Number Of Overnights Per Summer Vacation Period. It Can Not Be More "
         "Than 7 Days Per Week."},
        {"other nights missing", [](OvernightEntries& e) { e.otherNights.reset(); },
         "Please Enter The Number Of Other Possible Overnights."},
        // every night of the school year and vacations (364) plus 2 other
        {"366 nights",
         [](OvernightEntries& e) {
             e.schoolNights = 14;
             e.xmassSchedule = Continuation;
             e.summerSchedule = Continuation;
             e.otherNights = 2;
         },
         "Please ReCheck Your Entries. The Total Number Of Calculated Overnights Is Greater Than "
         "365 days."},
    };
    for (const CheckCase& c : cases) {
        OvernightEntries e = UsualSchedule();
        c.change(e);
        EXPECT_EQ(OvernightCalc(e).error, c.message) << c.name;
    }
}

}  // namespace
}  // namespace tovaris::support
