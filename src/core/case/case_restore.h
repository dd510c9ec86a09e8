#pragma once

#include "case/case_record.h"

namespace tovaris {

// Puts the whole case back as it was when a calculator that tries changes on it is done,
// however the calculator ends.
class CaseRestore {
  public:
    explicit CaseRestore(CaseRecord& record) : record_(record), saved_(record) {}
    ~CaseRestore() { record_ = saved_; }
    CaseRestore(const CaseRestore&) = delete;
    CaseRestore& operator=(const CaseRestore&) = delete;

  private:
    CaseRecord& record_;
    const CaseRecord saved_;
};

}  // namespace tovaris
