#include "worksheet_json.h"

#include <string>

#include "forms/worksheet_lines.h"
#include "forms/worksheet_reports.h"

namespace tovaris::cli {
namespace {

using forms::WorksheetHeader;
using forms::WorksheetLine;

constexpr const char* kColumnKeys[forms::kColumns] = {"column1", "column2"};

// One column of a line: its text, or the list of its boxes for the lines that have several.
nlohmann::ordered_json ColumnJson(const CaseRecord& record, const WorksheetLine& line, int column) {
    int boxes = line.BoxCount(column);
    if (boxes == 1) {
        return record.fields.Text(line.boxes[column][0]);
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (int b = 0; b < boxes; ++b) {
        list.push_back(record.fields.Text(line.boxes[column][b]));
    }
    return list;
}

nlohmann::ordered_json LineJson(const CaseRecord& record, const WorksheetLine& line) {
    nlohmann::ordered_json json = {{"title", line.title}};
    if (line.IsHeading()) {
        return json;
    }
    if (line.combined) {
        json["combined"] = record.fields.Text(line.boxes[0][0]);
        return json;
    }
    for (int c = 0; c < forms::kColumns; ++c) {
        json[kColumnKeys[c]] = ColumnJson(record, line, c);
    }
    return json;
}

nlohmann::ordered_json HeaderJson(const CaseRecord& record) {
    nlohmann::ordered_json children = nlohmann::ordered_json::array();
    for (int k = 0; k < WorksheetHeader::kChildren; ++k) {
        children.push_back({{"name", record.fields.Text(WorksheetHeader::kChildName[k])},
                            {"age", record.fields.Text(WorksheetHeader::kChildAge[k])}});
    }
    return {{"County", record.fields.Text(WorksheetHeader::kCounty)},
            {"CaseNumber", record.fields.Text(WorksheetHeader::kCaseNumber)},
            {"column1", record.fields.Text(WorksheetHeader::kParentName[0])},
            {"column2", record.fields.Text(WorksheetHeader::kParentName[1])},
            {"children", children},
            {"NeedLimit", record.fields.Text("NeedLimit")}};
}

nlohmann::ordered_json NotesJson(const CaseRecord& record) {
    nlohmann::ordered_json notes = nlohmann::ordered_json::object();
    for (const forms::WorksheetNote& note : forms::WorksheetNotes()) {
        if (note.fields[1].empty()) {
            notes[std::string(note.id)] = record.fields.Text(note.fields[0]);
        } else {
            notes[std::string(note.id)] = {record.fields.Text(note.fields[0]),
                                           record.fields.Text(note.fields[1])};
        }
    }
    return notes;
}

nlohmann::ordered_json SynopsisJson(const CaseRecord& record) {
    nlohmann::ordered_json lines = nlohmann::ordered_json::array();
    for (const forms::ReportLine& line : forms::SynopsisLines(record)) {
        lines.push_back(
            {{"label", line.label}, {"column1", line.column1}, {"column2", line.column2}});
    }
    return lines;
}

}  // namespace

nlohmann::ordered_json WorksheetJson(const CaseRecord& record) {
    nlohmann::ordered_json lines = nlohmann::ordered_json::object();
    for (const WorksheetLine& line : forms::WorksheetLines()) {
        lines[std::string(line.id)] = LineJson(record, line);
    }
    return {{"header", HeaderJson(record)},
            {"lines", lines},
            {"notes", NotesJson(record)},
            {"synopsis", SynopsisJson(record)}};
}

}  // namespace tovaris::cli
