#include "case/saved_case.h"

#include "case/case_file.h"

namespace tovaris {

namespace {
// What a save would write. The copy keeps the case's worksheet note as typed (the writer
// replaces its double quotes).
std::string FileBytes(const CaseRecord& record) {
    CaseRecord copy = record;
    return SaveData(copy);
}
}  // namespace

void SavedCase::Mark(const CaseRecord& record, std::string fileName) {
    bytes_ = FileBytes(record);
    fileName_ = std::move(fileName);
}

bool SavedCase::Changed(const CaseRecord& record) const {
    return FileBytes(record) != bytes_;
}

}  // namespace tovaris
