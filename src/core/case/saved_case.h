#pragma once

#include <string>

#include "case/case_record.h"

namespace tovaris {

// The case as it was last saved or opened, so that the screens can name the open file and say
// whether anything would be lost by quitting or opening another case.
class SavedCase {
  public:
    // After a save or an open: `fileName` is the file's path; empty for a new, unnamed case
    // (start-up, Clear).
    void Mark(const CaseRecord& record, std::string fileName);

    // True when saving now would write something other than what was saved or opened.
    bool Changed(const CaseRecord& record) const;

    const std::string& fileName() const { return fileName_; }

  private:
    std::string bytes_;
    std::string fileName_;
};

}  // namespace tovaris
