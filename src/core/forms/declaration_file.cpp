#include "forms/declaration_file.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "case/case_fields.h"
#include "case/case_file.h"
#include "case/case_file_encoding.h"
#include "case/sequential_file.h"
#include "common/entry_text.h"
#include "forms/declaration_fields.h"

namespace tovaris::forms {
namespace {

// No declaration comes near this; anything larger is not one.
constexpr std::uintmax_t kLargestDeclarationFile = 1024u * 1024u;
constexpr int kFirstBlockEnd = 197;

// The field at each position of the file; nullptr where the position is no longer used.
std::vector<const DeclarationField*> FileLayout() {
    std::vector<const DeclarationField*> layout(kDeclarationFileFieldCount, nullptr);
    for (const DeclarationField& field : DeclarationFields()) {
        layout[field.position - 1] = &field;
    }
    return layout;
}

bool IsNumberKind(DeclarationKind kind) {
    return kind == DeclarationKind::FontSize || kind == DeclarationKind::PrintSize;
}

std::string FieldText(const CaseFields& fields, const DeclarationField* field) {
    if (field == nullptr) {
        return "\"\"";
    }
    const std::string& text = fields.Text(field->stem);
    if (!IsNumberKind(field->kind)) {
        return QuotedField(text);
    }
    std::optional<double> number = ToNumber(text);
    return NumberField(number ? static_cast<float>(*number) : 0.0f);
}

// A position's value as the declaration holds it; nullopt when it has the wrong form.
std::optional<std::string> Convert(const SequentialField& token, const DeclarationField* field) {
    if (token.form == SequentialField::Form::Hash) {
        return std::nullopt;
    }
    if (field == nullptr) {
        return std::string();
    }
    if (!IsNumberKind(field->kind)) {
        return Windows1252ToUtf8(token.text);
    }
    if (token.form != SequentialField::Form::Bare) {
        return std::nullopt;
    }
    if (token.text.empty()) {
        return std::string();
    }
    std::optional<double> number = ToNumber(token.text);
    if (!number || *number < 0 || *number > 1000) {
        return std::nullopt;
    }
    return NumberField(static_cast<float>(*number));
}

bool IsBlockEnd(int position) {
    return std::find(kDeclarationBlockEnds.begin(), kDeclarationBlockEnds.end(), position) !=
           kDeclarationBlockEnds.end();
}

DeclarationFileResult Failure(std::string message, int damagedAt = 0) {
    DeclarationFileResult result;
    result.ok = false;
    result.message = std::move(message);
    result.damagedAt = damagedAt;
    return result;
}

// The print size a file without one (or with an unknown one) takes from its font size.
void DerivePrintSize(CaseFields& fields, bool fileHasIt) {
    const std::string& size = fields.Text(kPrintSize);
    if (fileHasIt && (size == "9" || size == "10")) {
        return;
    }
    float points = static_cast<float>(ToNumber(fields.Text(kPrintFontSize)).value_or(10));
    fields.SetText(kPrintSize, std::to_string(FontSizeCode(points)));
}

}  // namespace

std::string SaveDeclarationData(const CaseFields& fields) {
    std::string line;
    for (const DeclarationField* field : FileLayout()) {
        if (!line.empty()) {
            line += ',';
        }
        line += FieldText(fields, field);
    }
    line += "\r\n";
    return Utf8ToWindows1252(line);
}

DeclarationFileResult LoadDeclarationData(CaseFields& fields, std::string_view bytes,
                                          std::string_view fileName) {
    auto damaged = [&](int position) {
        return Failure("The financial declaration file " + std::string(fileName) +
                           " is damaged at field " + std::to_string(position) +
                           " and could not be read completely.",
                       position);
    };
    // One field more than a declaration holds tells a foreign file (a case file) apart.
    SequentialRecord record = ReadSequentialRecord(bytes, kDeclarationFileFieldCount + 1);
    const int count = static_cast<int>(record.fields.size());
    if (count > kDeclarationFileFieldCount) {
        return Failure("The file " + std::string(fileName) +
                       " is not a financial declaration file.");
    }
    std::vector<const DeclarationField*> layout = FileLayout();
    std::vector<std::string> values;
    for (int i = 0; i < count; ++i) {
        std::optional<std::string> value = Convert(record.fields[i], layout[i]);
        if (!value) {
            return damaged(i + 1);
        }
        values.push_back(std::move(*value));
    }
    if (record.malformedAt != 0) {
        return damaged(record.malformedAt);
    }
    if (count < kFirstBlockEnd || !IsBlockEnd(count)) {
        return damaged(count + 1);
    }
    // Only a whole file replaces the open declaration, so one client's name never stands over
    // another client's figures.
    for (int i = 0; i < count; ++i) {
        if (layout[i] != nullptr) {
            fields.SetText(layout[i]->stem, std::move(values[i]));
        }
    }
    DerivePrintSize(fields, count >= DeclarationFieldByStem(kPrintSize).position);
    DeclarationFileResult result;
    result.fieldsRead = count;
    return result;
}

DeclarationFileResult SaveDeclarationFile(const CaseFields& fields,
                                          const std::filesystem::path& path) {
    AtomicWrite outcome = WriteAtomically(path, SaveDeclarationData(fields));
    if (outcome != AtomicWrite::Ok) {
        return Failure(SaveFailureMessage(outcome, "financial declaration file", path));
    }
    DeclarationFileResult result;
    result.fieldsRead = kDeclarationFileFieldCount;
    return result;
}

DeclarationFileResult OpenDeclarationFile(CaseFields& fields, const std::filesystem::path& path) {
    bool tooLarge = false;
    std::optional<std::string> bytes = ReadWholeFile(path, kLargestDeclarationFile, tooLarge);
    if (tooLarge) {
        return Failure("The file " + FileDisplayName(path) +
                       " is too large to be a financial declaration file.");
    }
    if (!bytes) {
        return Failure("The financial declaration file " + FileDisplayName(path) +
                       " could not be opened.");
    }
    return LoadDeclarationData(fields, *bytes, FileDisplayName(path));
}

std::string SuggestedDeclarationFileName(const CaseFields& fields) {
    return SuggestedCaseFileName(fields);
}

}  // namespace tovaris::forms
