#include <algorithm>
#include <string>

#include "case/case_record.h"
#include "common/entry_text.h"
#include "common/format.h"
#include "forms/worksheet_form.h"
#include "forms/worksheet_lines.h"
#include "forms/worksheet_reports.h"
#include "forms/worksheet_sheet.h"

namespace tovaris::forms {
namespace {

constexpr std::string_view kExtrapolatedNote =
    "* Basic Child Support Has Been Extrapolated Beyond The WSCSS Economic Table.";
constexpr std::string_view kChildrenPrefix = "Number of children: ";
constexpr std::string_view kTimes = " X ";
constexpr std::string_view kPerChild = " per child";
// Characters of "Other Factors For Consideration" per printed line.
constexpr size_t kFactorLineLength = 105;

std::string Mark(bool marked) {
    return marked ? "X" : "";
}

bool ColumnEmpty(const CaseFields& fields, const WorksheetLine& line, int column) {
    const ColumnBoxes& boxes = line.boxes[column];
    return std::all_of(boxes.begin(), boxes.end(), [&](std::string_view box) {
        return box.empty() || fields.Text(box).empty();
    });
}

// A column of a dollar line prints its figure, the sum of its boxes, in whole dollars; a column
// nothing was entered in stays blank.
std::string LineText(const CaseFields& fields, const WorksheetLine& line, int column) {
    if (line.format != LineFormat::Dollars) {
        return fields.Text(line.boxes[column][0]);
    }
    if (ColumnEmpty(fields, line, column)) {
        return "";
    }
    return Format(LineFigure(fields, line, column), kWorksheetDollars);
}

// The typed text cut into printed lines at blanks, its own line breaks kept.
std::vector<std::string> WrapText(const std::string& text, size_t length) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = std::min(text.find('\n', start), text.size());
        if (end - start > length) {
            const size_t blank = text.rfind(' ', start + length);
            end = blank != std::string::npos && blank > start ? blank : start + length;
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end < text.size() && (text[end] == '\n' || text[end] == ' ') ? end + 1 : end;
    }
    return lines;
}

}  // namespace

WorksheetFormValues::WorksheetFormValues(const CaseRecord& record, std::string preparer)
    : record_(record) {
    AddLines();
    AddHeader(std::move(preparer));
    AddLine5();
    AddLine24();
    AddOtherFactors();
}

std::string WorksheetFormValues::operator()(std::string_view key) const {
    const auto found = values_.find(key);
    if (found != values_.end()) {
        return found->second;
    }
    const bool derived = key.starts_with("=") || key.find('/') != std::string_view::npos;
    return derived ? std::string() : record_.fields.Text(key);
}

void WorksheetFormValues::AddLines() {
    for (const WorksheetLine& line : WorksheetLines()) {
        for (int c = 0; c < kColumns && !line.IsHeading(); ++c) {
            if (line.BoxCount(c) > 0) {
                values_[std::string(line.id) + "/" + std::to_string(c)] =
                    LineText(record_.fields, line, c);
            }
        }
    }
}

// The proposer marks: "Proposed by" with the State or a named person (a parent or another),
// or the judicial officer's signature.
void WorksheetFormValues::AddHeader(std::string preparer) {
    const CaseFields& fields = record_.fields;
    std::array<bool, kProposedOptions.size()> chosen{};
    for (size_t i = 0; i < chosen.size(); ++i) {
        chosen[i] = fields.Selected(kProposedOptions[i].field);
    }
    const bool named = chosen[1] || chosen[2] || chosen[3];
    Set("=proposed", Mark(chosen[0] || named));
    Set("=proposer0", Mark(chosen[0]));
    Set("=name", Mark(named));
    Set("=proposer4", Mark(chosen[4]));
    Set("=proposerName", chosen[1]   ? fields.Text(WorksheetHeader::kParentName[0])
                         : chosen[2] ? fields.Text(WorksheetHeader::kParentName[1])
                         : chosen[3] ? fields.Text(kProposedName)
                                     : std::string());
    Set("=children", WorksheetChildrenText(record_));
    const std::string& reserve = fields.Text("NeedLimit");
    Set("=reserve",
        reserve.empty() ? reserve : Format(ReadAmount(reserve).value_or(0), kWorksheetDollars));
    if (!preparer.empty()) {
        Set("=preparer", "Prepared By:  " + preparer);
    }
}

// Line 5's note as the calculation wrote it, "Number of children: 2 X $ 1,234 per child", taken
// apart into the number and the amount the form prints in places of their own.
void WorksheetFormValues::AddLine5() {
    const std::string& note = record_.fields.Text(WorksheetNoteById("5 children").fields[0]);
    const size_t times = note.find(kTimes);
    const size_t per = note.rfind(kPerChild);
    if (note.starts_with(kChildrenPrefix) && times != std::string::npos &&
        per != std::string::npos && per > times) {
        Set("=children5", note.substr(kChildrenPrefix.size(), times - kChildrenPrefix.size()));
        std::string amount = note.substr(times + kTimes.size(), per - times - kTimes.size());
        const size_t digits = amount.find_first_not_of("$ ");
        Set("=perChild5", digits == std::string::npos ? std::string() : amount.substr(digits));
    }
    const std::string& extrapolated =
        record_.fields.Text(WorksheetNoteById("5 extrapolated").fields[0]);
    Set("=extrapolated", extrapolated);
    Set("=extrapolatedNote", extrapolated.empty() ? std::string() : std::string(kExtrapolatedNote));
}

void WorksheetFormValues::AddLine24() {
    for (int c = 0; c < kColumns; ++c) {
        const std::string column = "/" + std::to_string(c);
        Set("=paidYes" + column, Mark(record_.fields.Ticked(kLine24Paid[c][0])));
        Set("=paidNo" + column, Mark(record_.fields.Ticked(kLine24Paid[c][1])));
    }
}

void WorksheetFormValues::AddOtherFactors() {
    const std::vector<std::string> lines =
        WrapText(LineText(record_.fields, WorksheetLineById("26"), 0), kFactorLineLength);
    for (size_t i = 0; i < lines.size(); ++i) {
        Set("=26/" + std::to_string(i), lines[i]);
    }
}

}  // namespace tovaris::forms
