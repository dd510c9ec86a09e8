#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "case/case_file.h"
#include "case/case_record.h"
#include "forms/worksheet_lines.h"

namespace tovaris::forms {

// An example case as the Open command reads it.
inline CaseRecord OpenExample(const std::string& name) {
    CaseRecord record;
    CaseFileResult opened =
        OpenCaseFile(record, std::string(TOVARIS_SOURCE_DIR) + "/examples/" + name + ".QCF");
    EXPECT_TRUE(opened.ok) << opened.message;
    return record;
}

// A worksheet filled line by line: typed figures by line id and column (0 = Column 1).
struct WorksheetCase {
    CaseRecord record;

    WorksheetCase& Type(std::string_view id, int column, std::string text, int box = 0) {
        record.fields.SetText(WorksheetLineById(id).boxes[column][box], std::move(text));
        return *this;
    }
    WorksheetCase& Ages(std::initializer_list<const char*> ages) {
        int k = 0;
        for (const char* age : ages) {
            record.fields.SetText(WorksheetHeader::kChildAge[k++], age);
        }
        return *this;
    }
    WorksheetCase& Reserve(const char* text) {
        record.fields.SetText("NeedLimit", text);
        return *this;
    }
    const std::string& Shown(std::string_view id, int column = 0) const {
        return record.fields.Text(WorksheetLineById(id).boxes[column][0]);
    }
};

}  // namespace tovaris::forms
