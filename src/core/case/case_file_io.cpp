#include <fstream>
#include <system_error>

#include "case/case_file.h"
#include "case/case_file_layout.h"
#include "case/sequential_file.h"

namespace tovaris {
namespace {

// No case file comes near this; anything larger is not one.
constexpr std::uintmax_t kLargestCaseFile = 16u * 1024u * 1024u;

CaseFileResult Failure(std::string message) {
    CaseFileResult result;
    result.ok = false;
    result.message = std::move(message);
    return result;
}

bool WriteWhole(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

AtomicWrite WriteAtomically(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::path temporary = path;
    temporary += ".saving";
    std::error_code error;
    if (!WriteWhole(temporary, bytes)) {
        std::filesystem::remove(temporary, error);
        return AtomicWrite::WriteFailed;
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return AtomicWrite::RenameFailed;
    }
    return AtomicWrite::Ok;
}

std::string SaveFailureMessage(AtomicWrite outcome, std::string_view kind,
                               const std::filesystem::path& path) {
    std::string file = "The " + std::string(kind) + " " + FileDisplayName(path);
    switch (outcome) {
        case AtomicWrite::WriteFailed:
            return file +
                   " could not be saved. The folder may be read-only or the disk full; the file "
                   "on disk was left as it was.";
        case AtomicWrite::RenameFailed:
            return file +
                   " could not be saved. It may be open in another program; the file on disk was "
                   "left as it was.";
        case AtomicWrite::Ok:
            break;
    }
    return "";
}

CaseFileResult SaveCaseFile(CaseRecord& record, const std::filesystem::path& path) {
    AtomicWrite outcome = WriteAtomically(path, SaveData(record));
    if (outcome != AtomicWrite::Ok) {
        return Failure(SaveFailureMessage(outcome, "case file", path));
    }
    CaseFileResult result;
    result.fieldsRead = kCaseFileFieldCount;
    return result;
}

CaseFileResult OpenCaseFile(CaseRecord& record, const std::filesystem::path& path) {
    bool tooLarge = false;
    std::optional<std::string> bytes = ReadWholeFile(path, kLargestCaseFile, tooLarge);
    if (tooLarge) {
        return Failure("The file " + FileDisplayName(path) + " is too large to be a case file.");
    }
    if (!bytes) {
        return Failure("The case file " + FileDisplayName(path) + " could not be opened.");
    }
    return LoadData(record, *bytes, FileDisplayName(path));
}

}  // namespace tovaris
