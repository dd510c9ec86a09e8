#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "case/case_file.h"
#include "case/case_record.h"
#include "common/scripted_interaction.h"
#include "maintenance/maintenance_command.h"
#include "reports/document.h"
#include "reports/report_header.h"
#include "support/child_support_command.h"

namespace tovaris::testing {

inline const char* const kExampleNames[] = {"Custodial",           "NonCustodial",
                                            "SharedOvernights",    "SplitTwoEach",
                                            "JointFilerNewSpouse", "NoMinorsMaintenance"};

// An example case after one of the Express Entry buttons, every question answered "No".
inline CaseRecord CalculatedExample(const std::string& name, bool maintenance,
                                    FederalTaxRules rules = FederalTaxRules::Schedule) {
    CaseRecord record;
    const CaseFileResult opened =
        OpenCaseFile(record, std::string(TOVARIS_SOURCE_DIR) + "/examples/" + name + ".QCF");
    EXPECT_TRUE(opened.ok) << opened.message;
    record.options.federalTaxRules = rules;
    ScriptedInteraction interaction;
    const ReadInResult result = maintenance ? RunMaintenanceCommand(record, interaction)
                                            : RunChildSupportCommand(record, interaction);
    EXPECT_FALSE(result.stopped) << result.message;
    return record;
}

inline reports::ReportContext PreparerContext() {
    return {{"Pat Preparer", "Main Street Family Law", true, true, true}, "12/06/2026"};
}

// A document as its print command composes it, laid out with the fixed test measures.
using Composer = void (*)(reports::Document&, const CaseRecord&, const reports::ReportContext&);
inline reports::Document Composed(Composer compose, const CaseRecord& record) {
    static const reports::FixedTextMetrics metrics;
    reports::Document document(metrics);
    compose(document, record, PreparerContext());
    return document;
}

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Compares with a golden file that was checked by hand once; TOVARIS_UPDATE_GOLDEN=1 writes it
// anew after an intended change.
inline void ExpectGolden(const std::string& text, const std::string& file) {
    const std::filesystem::path golden =
        std::filesystem::path(TOVARIS_SOURCE_DIR) / "tests/core/reports/golden" / file;
    if (std::getenv("TOVARIS_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(golden, std::ios::binary) << text;
        return;
    }
    EXPECT_EQ(text, ReadText(golden)) << file;
}

}  // namespace tovaris::testing
