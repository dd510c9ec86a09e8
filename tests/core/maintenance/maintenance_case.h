#pragma once

#include <gtest/gtest.h>

#include <string>

#include "case/case_file.h"
#include "case/case_record.h"
#include "common/scripted_interaction.h"
#include "maintenance/maintenance_command.h"

namespace tovaris::testing {

// One of the example case files, opened as the user opens it.
inline CaseRecord ExampleCase(const std::string& name, MaintTaxedTo taxedTo = MaintTaxedTo::Payee) {
    CaseRecord record;
    const CaseFileResult opened =
        OpenCaseFile(record, std::string(TOVARIS_SOURCE_DIR) + "/examples/" + name);
    EXPECT_TRUE(opened.ok) << opened.message;
    record.options.maintTaxedTo = taxedTo;
    return record;
}

// The Express Entry maintenance button on an example case, every question answered "No".
inline CaseRecord MaintenanceOn(const std::string& name,
                                MaintTaxedTo taxedTo = MaintTaxedTo::Payee) {
    CaseRecord record = ExampleCase(name, taxedTo);
    ScriptedInteraction interaction;
    const ReadInResult result = RunMaintenanceCommand(record, interaction);
    EXPECT_FALSE(result.stopped) << result.message;
    return record;
}

}  // namespace tovaris::testing
