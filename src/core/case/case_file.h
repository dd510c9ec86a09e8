#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "case/case_record.h"

namespace tovaris {

// Last position of each group of a case file. A file that ends at one of them opens (files of
// earlier releases are shorter); the first group is read in one go.
constexpr std::array<int, 25> kCaseFileGroupEnds = {278, 280, 282, 333, 349, 353, 358, 363, 387,
                                                    389, 391, 394, 426, 429, 431, 439, 444, 457,
                                                    505, 509, 511, 555, 595, 599, 601};

// How reading or writing a case file went. `message` is what the caller shows the user.
struct CaseFileResult {
    bool ok = true;
    std::string message;
    int damagedAt = 0;     // first position that could not be read (1-based); 0 when none
    int fieldsRead = 0;    // positions the file holds (up to 601)
    bool oldFile = false;  // the file ended within the first 282 positions
};

// The case as the bytes of a case file: one line of 601 comma-separated fields in Windows-1252,
// ending CR LF. Double quotes of the worksheet's OFText become apostrophes in the field itself
// first (RemoveParenthesisChars); any other text that still holds one is written with an
// apostrophe, so the file always reads back.
std::string SaveData(CaseRecord& record);

// Reads a case file's bytes into the case, then runs the refresh steps (CaseFileRefreshSteps).
// Fields a shorter file lacks are emptied. A damaged file (fewer than 278 fields, a field of the
// wrong kind, a file ending between two group boundaries, not a case file at all) leaves the case
// exactly as it was and returns the message "The case file NAME is damaged at field N and could
// not be read completely.".
CaseFileResult LoadData(CaseRecord& record, std::string_view bytes, std::string_view fileName);

// Writes a temporary file beside the target and renames it over the target, so that a failed
// write leaves the previous file intact (and no partial file).
enum class AtomicWrite { Ok, WriteFailed, RenameFailed };
AtomicWrite WriteAtomically(const std::filesystem::path& path, const std::string& bytes);

// What the user is told when a save failed, for a `kind` of file ("case file"); "" when saved.
std::string SaveFailureMessage(AtomicWrite outcome, std::string_view kind,
                               const std::filesystem::path& path);

// Save command after the dialog: writes a temporary file beside the target and renames it over
// the target, so that a failed save leaves the previous file intact.
CaseFileResult SaveCaseFile(CaseRecord& record, const std::filesystem::path& path);

// Open command after the dialog: reads the whole file and runs LoadData.
CaseFileResult OpenCaseFile(CaseRecord& record, const std::filesystem::path& path);

// Every double quote of the worksheet field OFText becomes an apostrophe.
void RemoveParenthesisChars(CaseFields& fields);

// The save dialog's suggested name: the case name without any of \ / : * ? < > |.
std::string SuggestedCaseFileName(const CaseFields& fields);

}  // namespace tovaris
