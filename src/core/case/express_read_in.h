#pragma once

#include <string>

#include "case/case_record.h"
#include "common/interaction.h"

namespace tovaris {

// Who runs the read-in. The worksheet and financial declaration tax estimates need only the
// tax entries, and the synopsis print reads a case the user already answered for.
struct ReadInMode {
    bool taxOnly = false;               // tax-only validation: worded for the worksheet/fin dec
    bool financialDeclaration = false;  // checks end after the gross incomes
    bool synopsis = false;              // no over-age warning
};

// How a read-in ended. A stop names the message that stopped it and the field the focus went
// to, so the headless program can report it without a screen.
struct ReadInResult {
    bool stopped = false;
    std::string title;  // "Entry Error" or "Entry Warning"
    std::string message;
    std::string field;  // empty when the question concerns no field
};

// The Express read-in: validates the Express entries in their fixed order, stops at the first
// failure with its message, and fills the case globals it has read up to there.
ReadInResult CheckDataEntry(CaseRecord& record, Interaction& interaction,
                            const ReadInMode& mode = {});

// The maintenance inputs: age, years of marriage, caregiver, skill score, child support entry.
ReadInResult CheckMaintEntry(CaseRecord& record, Interaction& interaction);

// The maintenance transfer for the child support calculation and the day care flag; it never
// stops.
void CheckDataEntry3(CaseRecord& record, const ReadInMode& mode = {});

}  // namespace tovaris
