#pragma once

#include <optional>
#include <string>
#include <vector>

#include "case/case_record.h"
#include "whatif/sweep_input.h"

namespace tovaris::whatif {

// Which command every point of a sweep runs: the Express Entry child support button, or its
// maintenance button (the recommendation with the child support it ends with).
enum class SweepCalculation { ChildSupport, Maintenance };

struct SweepRequest {
    SweepInput input = SweepInput::ClaimIncome;
    double from = 0;
    double to = 0;
    int steps = 100;  // points from `from` to `to`, both ends included
    SweepCalculation calculation = SweepCalculation::ChildSupport;
};

// One run of the command. Monthly dollars; `stopped` when a message box ended the command
// (the figures are then 0 and `message` says why).
struct SweepPoint {
    double x = 0;
    bool stopped = false;
    std::string message;
    float transfer = 0;     // + paid by the Other Party to the Claimant
    float maintenance = 0;  // paid by the Other Party to the Claimant
    float claimNet = 0;     // net incomes as the calculation used them
    float otherNet = 0;
    double claimHousehold = 0;  // income after child support, maintenance and care paid
    double otherHousehold = 0;
    std::string claimLimit;  // the limitation texts of the last pass
    std::string otherLimit;
    std::string tableNote;
};

// A value of the input where a rule of the calculation changes, with what changes there.
struct Threshold {
    double x = 0;
    std::string label;
};

struct Sweep {
    SweepRequest request;
    SweepPoint current;  // the case as it stands, at the input's present value
    std::vector<SweepPoint> points;
    std::vector<Threshold> thresholds;  // in order of x
};

// Why a request cannot be swept, or nullopt when it can.
std::optional<std::string> RefuseSweep(const CaseRecord& record, const SweepRequest& request);

// Runs the command on a copy of `record` at each point and once for the case as it stands. The
// thresholds are found where the limitation or table rule of two neighbouring points differs,
// then narrowed down to the input's precision with further runs; shared-time lines are where
// the residential rules change. `record` is not changed.
Sweep RunSweep(const CaseRecord& record, const SweepRequest& request);

// One run of the command at input value x, on a copy of `record`.
SweepPoint RunPoint(const CaseRecord& record, SweepInput input, double x,
                    SweepCalculation calculation);

// The case as it stands, at the input's present value.
SweepPoint RunCurrent(const CaseRecord& record, SweepInput input, SweepCalculation calculation);

// A point's exact figures as the chart shows them under the pointer: the input's value, the
// transfer and who pays it, the maintenance and both households' incomes (or why the command
// stopped there).
std::vector<std::string> PointLines(const SweepPoint& point, SweepInput input);

}  // namespace tovaris::whatif
