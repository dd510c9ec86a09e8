#include "forms/worksheet_sheet.h"

#include "case/case_record.h"
#include "common/entry_text.h"
#include "common/format.h"

namespace tovaris::forms {

int ClaimantColumnIndex(const CaseRecord& record) {
    return record.options.claimantColumn == ClaimantColumn::Column1 ? 0 : 1;
}

double LineFigure(const CaseFields& fields, const WorksheetLine& line, int column) {
    double sum = 0;
    for (std::string_view box : line.boxes[column]) {
        if (!box.empty()) {
            sum += ReadAmount(fields.Text(box)).value_or(0);
        }
    }
    return sum;
}

double LineFigure(const CaseFields& fields, std::string_view id, int column) {
    return LineFigure(fields, WorksheetLineById(id), column);
}

void SetLineFigure(CaseFields& fields, const WorksheetLine& line, int column,
                   std::optional<double> value) {
    std::string text;
    if (value) {
        text =
            Format(*value, line.format == LineFormat::Share ? kWorksheetShare : kWorksheetDollars);
    }
    fields.SetText(line.boxes[column][0], std::move(text));
}

std::vector<std::string_view> WorksheetLineFields() {
    std::vector<std::string_view> names;
    for (const WorksheetLine& line : WorksheetLines()) {
        for (const ColumnBoxes& column : line.boxes) {
            for (std::string_view box : column) {
                if (!box.empty()) {
                    names.push_back(box);
                }
            }
        }
    }
    for (const WorksheetNote& note : WorksheetNotes()) {
        for (std::string_view field : note.fields) {
            if (!field.empty()) {
                names.push_back(field);
            }
        }
    }
    return names;
}

bool HasWorksheetEntries(const CaseRecord& record) {
    for (const WorksheetLine& line : WorksheetLines()) {
        if (line.formula != Formula::Typed || line.format != LineFormat::Dollars) {
            continue;
        }
        for (const ColumnBoxes& column : line.boxes) {
            for (std::string_view box : column) {
                if (!box.empty() && !record.fields.Text(box).empty()) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace tovaris::forms
