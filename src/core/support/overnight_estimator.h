#pragma once

#include <optional>
#include <string_view>

namespace tovaris::support {

// The "Overnight Count Organizer/Estimator": a yearly count of the children's overnights with one
// parent from a school-year schedule and the schedule of each vacation period.

// How a vacation period's overnights are counted.
enum class VacationSchedule {
    NotChosen,
    Continuation,           // the school-year schedule goes on
    ContinuationWithWeeks,  // summer only: school-year schedule plus uninterrupted weeks each
    Halves,                 // the period is split into halves
    Other,                  // the overnights are entered
};

// The estimator's entries; weeks and the uninterrupted summer weeks as read from their boxes,
// night counts nullopt when their box is empty or not a number. The defaults are the screen
// after Clear.
struct OvernightEntries {
    double schoolWeeks = 37;
    std::optional<double> schoolNights = 0;  // per two-week school period
    double xmassWeeks = 2;
    VacationSchedule xmassSchedule = VacationSchedule::NotChosen;
    std::optional<double> xmassNights = 0;
    double breakWeeks = 2;  // mid-winter and spring breaks
    VacationSchedule breakSchedule = VacationSchedule::NotChosen;
    std::optional<double> breakNights = 0;
    double summerWeeks = 11;
    VacationSchedule summerSchedule = VacationSchedule::NotChosen;
    double summerConWeeks = 0;  // uninterrupted weeks with each parent
    std::optional<double> summerNights = 0;
    std::optional<double> otherNights = 0;  // overnights not counted above
};

inline constexpr std::string_view kOvernightErrorTitle = "Entry Error";
inline constexpr std::string_view kTotalNightsFormat = "###.0";

struct OvernightEstimate {
    std::string_view error;  // the first failed check's message; empty when the count stands
    double totalNights = 0;  // TotalNights
    bool ok() const { return error.empty(); }
};

// OvernightCalc: checks the entries in screen order, stopping at the first failure, and counts
// the overnights.
OvernightEstimate OvernightCalc(const OvernightEntries& entries);

}  // namespace tovaris::support
