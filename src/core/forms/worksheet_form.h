#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

#include "forms/form_layout.h"

namespace tovaris {

struct CaseRecord;

namespace forms {

// The state's five worksheet pages as form layouts, built once from the worksheet line table.
// A line's figures stand in the slots "<line id>/0" (Column 1) and "<line id>/1" (Column 2); the
// header and the notes in slots named by their case fields; what the printout derives in slots
// beginning with "=".
std::span<const FormPage> WorksheetFormPages();

// The values of every slot of the worksheet pages for the worksheet as it stands; `preparer` is
// the name of the preparer line, empty for none.
class WorksheetFormValues {
  public:
    WorksheetFormValues(const CaseRecord& record, std::string preparer);

    std::string operator()(std::string_view key) const;

    // A figure of the printout's own, for a slot key beginning with "=".
    void Set(std::string key, std::string value) { values_[std::move(key)] = std::move(value); }

  private:
    void AddLines();
    void AddHeader(std::string preparer);
    void AddLine5();
    void AddLine24();
    void AddOtherFactors();

    const CaseRecord& record_;
    std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace forms
}  // namespace tovaris
