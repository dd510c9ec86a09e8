#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "case/case_record.h"
#include "case/express_read_in.h"
#include "common/interaction.h"

namespace tovaris {

// One run of a read-in: reads entries through the clean-up, shows the message that stops it and
// remembers that stop for the caller. Steps return false once the run has stopped.
class EntryCheck {
  public:
    EntryCheck(CaseRecord& record, Interaction& interaction, const ReadInMode& mode = {});

    CaseFields& fields;
    CaseGlobals& globals;
    const CaseOptions& options;
    const ReadInMode mode;

    // The entry as a number after the clean-up; nullopt when it is not numeric.
    std::optional<double> Number(std::string_view field) const;

    // "Entry Error" with "OK": the run stops and the focus goes to the field. Returns false.
    bool Error(std::string_view field, std::string_view message, bool beep = false);

    // "Entry Warning": "Yes" (re-enter) stops like an error and returns false, "No" goes on.
    bool Warning(std::string_view field, std::string_view message);

    const ReadInResult& result() const { return result_; }

  private:
    bool Stop(std::string_view title, std::string_view field, std::string_view message);

    Interaction& interaction_;
    ReadInResult result_;
};

// A typed count as the 16-bit counts hold it: rounded to the nearest whole number (halves to
// even, as the classic integer conversion does) and kept inside the 16-bit range.
int16_t ToCount(double value);

}  // namespace tovaris
