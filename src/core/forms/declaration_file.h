#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace tovaris {
class CaseFields;
}

namespace tovaris::forms {

inline constexpr int kDeclarationFileFieldCount = 239;

// Where the blocks of a declaration file end. A file may end at any of them: files of earlier
// releases are shorter, and the fields they lack keep their current values.
inline constexpr std::array<int, 8> kDeclarationBlockEnds = {197, 211, 212, 213,
                                                             215, 234, 235, 239};

inline constexpr const char* kDeclarationFilter = "Tovaris 2023 Financial Declaration (*.FIN)";
inline constexpr const char* kDeclarationExtension = "FIN";

// How reading or writing a declaration file went; `message` is what the user is shown.
struct DeclarationFileResult {
    bool ok = true;
    std::string message;
    int damagedAt = 0;   // first position that could not be read (1-based); 0 when none
    int fieldsRead = 0;  // positions the file holds
};

// The declaration as the bytes of its file: one record of 239 fields, CR LF, Windows-1252.
std::string SaveDeclarationData(const CaseFields& fields);

// Reads a declaration file's bytes into the declaration. A damaged or foreign file leaves the
// declaration exactly as it was.
DeclarationFileResult LoadDeclarationData(CaseFields& fields, std::string_view bytes,
                                          std::string_view fileName);

// The save and open commands after the dialog; the save writes beside the target and renames.
DeclarationFileResult SaveDeclarationFile(const CaseFields& fields,
                                          const std::filesystem::path& path);
DeclarationFileResult OpenDeclarationFile(CaseFields& fields, const std::filesystem::path& path);

// The save dialog's proposed name: the Claimant's name without any of \ / : * ? < > |.
std::string SuggestedDeclarationFileName(const CaseFields& fields);

}  // namespace tovaris::forms
