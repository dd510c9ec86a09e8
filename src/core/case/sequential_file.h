#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovaris {

// The sequential-file convention the case and declaration files share: one record of
// comma-separated fields, texts in double quotes, numbers bare, #TRUE#/#FALSE# for options,
// ended by CR LF, in Windows-1252.

// One field as written: a quoted text, a #...# value or a bare token (number, integer, empty).
struct SequentialField {
    enum class Form { Quoted, Hash, Bare } form = Form::Bare;
    std::string text;  // without the quotes or hashes, still in the file's bytes
};

struct SequentialRecord {
    std::vector<SequentialField> fields;
    int malformedAt = 0;  // position of the first field that is not well formed, 0 when none
};

// Splits the first record of the file into fields (a quoted text may span lines), stopping after
// `maxFields`.
SequentialRecord ReadSequentialRecord(std::string_view bytes, int maxFields);

// A text field as written: in double quotes, a double quote inside becoming an apostrophe.
std::string QuotedField(std::string_view text);

// The shortest decimal that reads back as the same single-precision value: 8.25, 10, 0.5.
std::string NumberField(float value);

// The size code (9 or 10) of a font size in points, as the print settings keep it.
int16_t FontSizeCode(float points);

// The name a message shows for a file.
std::string FileDisplayName(const std::filesystem::path& path);

// The whole file, or nullopt when it cannot be read or is larger than `largest` bytes
// (`tooLarge` tells which).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::uintmax_t largest,
                                         bool& tooLarge);

}  // namespace tovaris
