#include <string>

#include "case/case_file.h"
#include "case/case_file_encoding.h"
#include "case/case_file_globals.h"
#include "case/case_file_layout.h"
#include "case/income_business.h"
#include "case/income_refresh.h"
#include "case/sequential_file.h"
#include "common/entry_text.h"

namespace tovaris {
namespace {

std::string FieldText(const CaseRecord& record, const FileSlotSpec& slot) {
    const bool global = slot.screen == Screen::Global;
    switch (slot.kind) {
        case FileSlot::Text:
            if (global) {
                const std::string* text = CaseFileGlobalText(record.globals, slot.name);
                return QuotedField(text != nullptr ? *text : std::string());
            }
            return QuotedField(record.fields.Text(slot.name));
        case FileSlot::Boolean:
            return record.fields.Selected(slot.name) ? "#TRUE#" : "#FALSE#";
        case FileSlot::Integer:
            return std::to_string(global ? record.globals.WorksheetFontSize
                                         : record.fields.Check(slot.name));
        case FileSlot::Number:
            return NumberField(record.globals.WorksheetFontPoints);
        case FileSlot::ReservedText:
            return "\"\"";
        case FileSlot::Empty:
            break;
    }
    return "";
}

std::string CaseLine(const CaseRecord& record) {
    std::string line;
    bool first = true;
    for (const FileSlotSpec& slot : CaseFileLayout()) {
        if (!first) {
            line += ',';
        }
        first = false;
        line += FieldText(record, slot);
    }
    line += "\r\n";
    return Utf8ToWindows1252(line);
}

bool EveryIncomeScreenYearly(const CaseRecord& record) {
    for (IncomeParty party : kIncomeParties) {
        const PartyIncomeEntries& entries = record.income.Of(party);
        if (entries.period != IncomePeriod::Yearly ||
            entries.business.period != IncomePeriod::Yearly) {
            return false;
        }
    }
    return true;
}

// The case file holds yearly amounts. A screen left open in another period (or a business
// screen, which keeps its period when it closes) is written as it would read in yearly, from a
// copy, so that the screens keep showing what the user chose.
CaseRecord WithYearlyIncomeScreens(const CaseRecord& record) {
    CaseRecord yearly = record;
    for (IncomeParty party : kIncomeParties) {
        ChangeBusinessPeriod(yearly, party, IncomePeriod::Yearly);
    }
    BringIncomeScreensToYearly(yearly);
    return yearly;
}

}  // namespace

void RemoveParenthesisChars(CaseFields& fields) {
    fields.SetText("OFText", ReplaceDoubleQuotes(fields.Text("OFText")));
}

std::string SuggestedCaseFileName(const CaseFields& fields) {
    return RemoveChars(fields.Text("ClaimantName"), "\\/:*?<>|");
}

std::string SaveData(CaseRecord& record) {
    RemoveParenthesisChars(record.fields);
    return EveryIncomeScreenYearly(record) ? CaseLine(record)
                                           : CaseLine(WithYearlyIncomeScreens(record));
}

}  // namespace tovaris
