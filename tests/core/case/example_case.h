#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "case/case_file.h"
#include "case/case_record.h"

namespace tovaris::testing {

// One of the example case files, opened as the Open command opens it.
inline CaseRecord OpenExample(const std::string& name) {
    CaseRecord record;
    const auto path = std::filesystem::path(TOVARIS_SOURCE_DIR) / "examples" / name;
    const CaseFileResult opened = OpenCaseFile(record, path);
    EXPECT_TRUE(opened.ok) << opened.message;
    return record;
}

}  // namespace tovaris::testing
