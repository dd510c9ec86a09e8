#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calculators/entry_error.h"
#include "case/case_record.h"
#include "common/display_row.h"

namespace tovaris::calculators {

// The "Change In Dependency And/Or Overnights Calculator": the whole child support calculation
// run again with other children claimed for the child tax credit or, in a shared case, other
// overnights, and the case given back exactly as it was.

// The revised entries as typed, named as the window's controls.
struct FlipEntries {
    std::string ClaimNights;
    std::string PayerNights;
    std::string ClaimDepend17;
    std::string PayerDepend17;
    std::string ClaimDependents;  // personal exemptions, kept for older cases; no tax reads them
    std::string PayerDependents;
};

// The figures of one run that the calculator compares.
struct FlipFigures {
    float childSupport = 0;  // the monthly transfer, positive when the Other Party pays
    int16_t claimDepend17 = 0;
    int16_t payerDepend17 = 0;
    std::string claimDependents;
    std::string payerDependents;
    float claimNights = 0;  // average overnights per year of the family of all minors
    float payerNights = 0;
    float claimTax = 0;  // yearly federal tax - total credits + state tax
    float payerTax = 0;
    float claimNet = 0;  // yearly net income
    float payerNet = 0;
};

struct FlipResult {
    FlipFigures kept;
    FlipFigures revised;
    DisplayRows lines;
};

inline constexpr std::string_view kFlipNightsFormat = "##0.00";

// The case's own figures as its last calculation left them.
FlipFigures CurrentFlipFigures(const CaseRecord& record);

// What Reset puts into the revised entries: the initial figures, overnights "##0.0".
FlipEntries InitialFlipEntries(const FlipFigures& figures);

// Typing one overnights entry fills the other with 365.00001 minus it, "##0.00"; empty when the
// typed text is no number.
std::string OtherPartyNights(std::string_view typed);

// Calculate: the first entry the calculator cannot use, or the kept and revised figures with
// the result lines. The case is restored however the run ends; a calculation overflow
// propagates as tax::ArithmeticError.
Outcome<FlipResult> RunDependencyFlip(CaseRecord& record, const FlipEntries& entries);

}  // namespace tovaris::calculators
