#include "forms/worksheet_reports.h"

#include <string_view>

#include "case/case_record.h"
#include "forms/worksheet_extra_page.h"
#include "forms/worksheet_lines.h"
#include "forms/worksheet_sheet.h"

namespace tovaris::forms {
namespace {

constexpr double kTableTop = 12000;

// The worksheet lines the synopsis prints after line 6, with its own captions.
struct SynopsisRow {
    std::string_view caption;
    std::string_view line;
};

constexpr SynopsisRow kSynopsisRows[] = {
    {"Monthly Net Incomes", "3"},
    {"Combined Monthly Net Income", "4"},
    {"Total Basic Child Support Obligation", "5"},
    {"Proportional Share of Income", "6"},
    {"Basic Child Support Obligation", "7"},
    {"Obligation After Low Income Limitations", "9"},
    {"Health Care, Day Care And Special Expenses", "14"},
    {"Gross Child Support Obligation", "15"},
    {"Total Support Credits", "16d"},
    {"Standard Calculation/Presumptive Transfer", "17"},
    {"45% Of Net Income", "18"},
    {"25% Of Basic Support Obligation", "19"},
};

const std::string& Box(const CaseRecord& record, std::string_view line, int column) {
    return record.fields.Text(WorksheetLineById(line).boxes[column][0]);
}

}  // namespace

std::string WorksheetChildrenText(const CaseRecord& record) {
    std::string text;
    for (int k = 0; k < WorksheetHeader::kChildren; ++k) {
        const std::string& name = record.fields.Text(WorksheetHeader::kChildName[k]);
        const std::string& age = record.fields.Text(WorksheetHeader::kChildAge[k]);
        if (name.empty() && age.empty()) {
            continue;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += name.empty() ? age : name + " (" + age + ")";
    }
    return text;
}

namespace {

ReportLine LineFigures(const CaseRecord& record, const SynopsisRow& row) {
    const WorksheetLine& line = WorksheetLineById(row.line);
    ReportLine printed{std::string(row.caption) + "  (Line " + std::string(row.line) + " of CSW)",
                       Box(record, row.line, 0), ""};
    if (!line.combined) {
        printed.column2 = Box(record, row.line, 1);
    }
    return printed;
}

std::string Marked(const CaseRecord& record, const ExtraPageEntry& entry) {
    bool marked = !record.fields.Text(entry.field).empty();
    return std::string(entry.label) + (marked ? "X" : " ") + " )   ";
}

}  // namespace

std::vector<ReportLine> SynopsisLines(const CaseRecord& record) {
    std::vector<ReportLine> lines = {
        {"Washington State Child Support Schedule", "", ""},
        {"WorkSheet Synopsis", "", ""},
        {"County  " + record.fields.Text(WorksheetHeader::kCounty), "", ""},
        {"Superior Court Case Number  " + record.fields.Text(WorksheetHeader::kCaseNumber), "", ""},
        {"Children and Ages: " + WorksheetChildrenText(record), "", ""},
        {"", "Parent 1  " + record.fields.Text(WorksheetHeader::kParentName[0]),
         "Parent 2  " + record.fields.Text(WorksheetHeader::kParentName[1])},
    };
    for (const SynopsisRow& row : kSynopsisRows) {
        lines.push_back(LineFigures(record, row));
        if (row.line == "5") {
            lines.push_back({"USING THE 2019 ECONOMIC TABLE", "", ""});
            if (record.results.worksheet.extrapolated) {
                lines.push_back({"**EXTRAPOLATED**", "", ""});
            }
        }
    }
    if (LineFigure(record.fields, "4", 0) <= kTableTop) {
        lines.push_back({"Combined Monthly Net Income Does Not Exceed $12,000.", "", ""});
    }
    return lines;
}

std::vector<ReportLine> OrderSummaryLines(const CaseRecord& record) {
    std::vector<ReportLine> lines = {
        {"Child Support Order Summary Report", "", ""},
        {"Father's Name:  " + record.fields.Text(WorksheetHeader::kParentName[0]), "", ""},
        {"Mother's Name:  " + record.fields.Text(WorksheetHeader::kParentName[1]), "", ""},
        {"Case Number:  " + record.fields.Text(WorksheetHeader::kCaseNumber), "", ""},
        {"County:  " + record.fields.Text(WorksheetHeader::kCounty), "", ""},
    };
    std::string_view group;
    for (const ExtraPageEntry& entry : ExtraPageEntries()) {
        bool newGroup = entry.group != group;
        group = entry.group;
        if (entry.kind == ExtraKind::Mark) {
            // The marks of one question print on its line, one after the other.
            if (newGroup) {
                lines.push_back({std::string(group), "", ""});
            }
            lines.back().column1 += Marked(record, entry);
            continue;
        }
        if (newGroup && !group.empty()) {
            lines.push_back({std::string(group), "", ""});
        }
        lines.push_back({std::string(entry.label), record.fields.Text(entry.field), ""});
    }
    return lines;
}

}  // namespace tovaris::forms
