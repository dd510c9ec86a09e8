#include <fstream>
#include <iterator>
#include <system_error>

#include "case/case_file.h"
#include "case/case_file_layout.h"

namespace tovaris {
namespace {

// No case file comes near this; anything larger is not one.
constexpr std::uintmax_t kLargestCaseFile = 16u * 1024u * 1024u;

std::string DisplayName(const std::filesystem::path& path) {
    std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

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

CaseFileResult SaveCaseFile(CaseRecord& record, const std::filesystem::path& path) {
    switch (WriteAtomically(path, SaveData(record))) {
        case AtomicWrite::WriteFailed:
            return Failure("The case file " + DisplayName(path) +
                           " could not be saved. The folder may be read-only or the disk full; "
                           "the file on disk was left as it was.");
        case AtomicWrite::RenameFailed:
            return Failure("The case file " + DisplayName(path) +
                           " could not be saved. It may be open in another program; the file on "
                           "disk was left as it was.");
        case AtomicWrite::Ok:
            break;
    }
    CaseFileResult result;
    result.fieldsRead = kCaseFileFieldCount;
    return result;
}

CaseFileResult OpenCaseFile(CaseRecord& record, const std::filesystem::path& path) {
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return Failure("The case file " + DisplayName(path) + " could not be opened.");
    }
    if (size > kLargestCaseFile) {
        return Failure("The file " + DisplayName(path) + " is too large to be a case file.");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Failure("The case file " + DisplayName(path) + " could not be opened.");
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return Failure("The case file " + DisplayName(path) + " could not be opened.");
    }
    return LoadData(record, bytes, DisplayName(path));
}

}  // namespace tovaris
