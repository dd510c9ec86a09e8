#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "case/case_file.h"
#include "case/case_file_encoding.h"
#include "case/case_file_globals.h"
#include "case/case_file_layout.h"
#include "case/case_file_refresh.h"
#include "case/income_business.h"
#include "case/income_refresh.h"
#include "case/sequential_file.h"
#include "common/entry_text.h"

namespace tovaris {
namespace {

constexpr int kFirstGroupEnd = 278;
constexpr int kNewFileGroupEnd = 333;  // reading this group clears the old-file mark
constexpr int kFontSizeCodePosition = 394;
constexpr int kClaimGrossPosition = 24;
constexpr int kPayerGrossPosition = 27;

// A field's value converted to the kind its position expects.
struct Value {
    std::string text;
    bool boolean = false;
    int integer = 0;
    float number = 0;
};

std::optional<int> ReadInteger(std::string_view text, int lowest, int highest) {
    if (text.empty()) {
        return 0;
    }
    std::optional<double> number = ToNumber(text);
    if (!number || *number != std::floor(*number) || *number < lowest || *number > highest) {
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

std::optional<Value> Convert(const SequentialField& token, const FileSlotSpec& slot) {
    Value value;
    switch (slot.kind) {
        case FileSlot::Text:
            if (token.form == SequentialField::Form::Hash) {
                return std::nullopt;
            }
            value.text = Windows1252ToUtf8(token.text);
            return value;
        case FileSlot::Boolean:
            if (token.form == SequentialField::Form::Hash &&
                (token.text == "TRUE" || token.text == "FALSE")) {
                value.boolean = token.text == "TRUE";
                return value;
            }
            if (token.form == SequentialField::Form::Bare && token.text.empty()) {
                return value;
            }
            return std::nullopt;
        case FileSlot::Integer: {
            if (token.form != SequentialField::Form::Bare) {
                return std::nullopt;
            }
            bool global = slot.screen == Screen::Global;
            std::optional<int> integer =
                ReadInteger(token.text, global ? -32768 : 0, global ? 32767 : 2);
            if (!integer) {
                return std::nullopt;
            }
            value.integer = *integer;
            return value;
        }
        case FileSlot::Number: {
            if (token.form != SequentialField::Form::Bare) {
                return std::nullopt;
            }
            std::optional<double> number = token.text.empty() ? 0.0 : ToNumber(token.text);
            if (!number || !std::isfinite(static_cast<float>(*number))) {
                return std::nullopt;
            }
            value.number = static_cast<float>(*number);
            return value;
        }
        case FileSlot::Empty:
        case FileSlot::ReservedText:
            return value;
    }
    return std::nullopt;
}

// Puts one position's value where it belongs; an empty Value empties the field.
void Fill(CaseRecord& record, const FileSlotSpec& slot, const Value& value) {
    if (slot.screen == Screen::None) {
        return;
    }
    if (slot.screen == Screen::Global) {
        if (std::string* text = CaseFileGlobalText(record.globals, slot.name)) {
            *text = value.text;
        } else if (slot.kind == FileSlot::Number) {
            record.globals.WorksheetFontPoints = value.number;
        } else {
            record.globals.WorksheetFontSize = static_cast<int16_t>(value.integer);
        }
        return;
    }
    switch (slot.kind) {
        case FileSlot::Text:
            record.fields.SetText(slot.name, value.text);
            break;
        case FileSlot::Boolean:
            record.fields.SetSelectedState(slot.name, value.boolean);
            break;
        case FileSlot::Integer:
            record.fields.SetCheck(slot.name, static_cast<int16_t>(value.integer));
            break;
        default:
            break;
    }
}

bool IsGroupEnd(int position) {
    return std::find(kCaseFileGroupEnds.begin(), kCaseFileGroupEnds.end(), position) !=
           kCaseFileGroupEnds.end();
}

std::string DamagedMessage(std::string_view fileName, int position) {
    return "The case file " + std::string(fileName) + " is damaged at field " +
           std::to_string(position) + " and could not be read completely.";
}

// Reads the file into `record` in place; on a damaged file the positions before the damage are
// filled and the rest left as they were.
CaseFileResult ReadCaseFile(CaseRecord& record, std::string_view bytes, std::string_view fileName) {
    BringIncomeScreensToYearly(record);
    for (IncomeParty party : kIncomeParties) {
        ChangeBusinessPeriod(record, party, IncomePeriod::Yearly);
    }
    ResetEntryGlobals(record);

    std::span<const FileSlotSpec> layout = CaseFileLayout();
    SequentialRecord tokens = ReadSequentialRecord(bytes, kCaseFileFieldCount);
    CaseFileResult result;
    result.fieldsRead = static_cast<int>(tokens.fields.size());

    // Fill position after position up to the first one that cannot be read.
    int damagedAt = 0;
    std::vector<Value> values;
    for (int i = 0; i < result.fieldsRead; ++i) {
        std::optional<Value> value = Convert(tokens.fields[i], layout[i]);
        if (!value) {
            damagedAt = i + 1;
            break;
        }
        values.push_back(*value);
        Fill(record, layout[i], *value);
    }
    if (damagedAt == 0 && tokens.malformedAt != 0) {
        damagedAt = tokens.malformedAt;
    }
    if (damagedAt == 0 && (result.fieldsRead < kFirstGroupEnd || !IsGroupEnd(result.fieldsRead))) {
        damagedAt = result.fieldsRead + 1;
    }
    if (damagedAt != 0) {
        result.ok = false;
        result.damagedAt = damagedAt;
        result.message = DamagedMessage(fileName, damagedAt);
        return result;
    }

    // Fields the file does not reach take the empty value of their kind.
    for (int i = result.fieldsRead; i < kCaseFileFieldCount; ++i) {
        Fill(record, layout[i], Value{});
    }
    result.oldFile = result.fieldsRead < kNewFileGroupEnd;

    CaseGlobals& g = record.globals;
    if (result.fieldsRead < kFontSizeCodePosition ||
        (g.WorksheetFontSize != 9 && g.WorksheetFontSize != 10)) {
        g.WorksheetFontSize = FontSizeCode(g.WorksheetFontPoints);
    }
    for (const char* combo : {"ClaimStateTaxCombo", "PayerStateTaxCombo"}) {
        if (record.fields.Text(combo).empty()) {
            record.fields.SetText(combo, "As Rate");
        }
    }
    for (const CaseFileRefreshStep& step : CaseFileRefreshSteps()) {
        step.run(record);
    }
    if (result.oldFile) {
        record.fields.SetText("ClaimGrossInc", values[kClaimGrossPosition - 1].text);
        record.fields.SetText("PayGrossInc", values[kPayerGrossPosition - 1].text);
    }
    return result;
}

}  // namespace

CaseFileResult LoadData(CaseRecord& record, std::string_view bytes, std::string_view fileName) {
    // A half-read file would mix two clients' data, so the open case is replaced only when the
    // whole file was read.
    CaseRecord loaded = record;
    CaseFileResult result = ReadCaseFile(loaded, bytes, fileName);
    if (result.ok) {
        record = std::move(loaded);
    }
    return result;
}

}  // namespace tovaris
