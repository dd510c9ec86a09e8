#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "case/case_file.h"
#include "cli_app.h"
#include "whatif/scenario_file.h"
#include "whatif/scenarios.h"

namespace tovaris::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exit;
    std::string out;
    std::string err;
};

CliRun RunArgs(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int exit = RunCli(args, out, err);
    return {exit, out.str(), err.str()};
}

std::string Example(const std::string& name) {
    return (fs::path(TOVARIS_SOURCE_DIR) / "examples" / name).string();
}

class WhatIfCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tovaris_whatif_cli_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // The example with one entry typed, saved as a case file of its own.
    std::string Typed(const std::string& example, const std::string& field,
                      const std::string& text) {
        CaseRecord record;
        EXPECT_TRUE(OpenCaseFile(record, Example(example)).ok);
        record.fields.SetText(field, text);
        const fs::path path = folder_ / (field + text + ".QCF");
        EXPECT_TRUE(SaveCaseFile(record, path).ok);
        return path.string();
    }

    fs::path folder_;
};

TEST_F(WhatIfCommands, SweepPointsEqualChildSupportRunsOfTheTypedCase) {
    const CliRun sweep = RunArgs({"sweep", Example("Custodial.QCF"), "--vary", "maintenance",
                                  "--from", "0", "--to", "3000", "--steps", "7", "--limits"});
    ASSERT_EQ(sweep.exit, 0) << sweep.err;
    const nlohmann::json json = nlohmann::json::parse(sweep.out);
    EXPECT_EQ(json["vary"], "maintenance");
    ASSERT_EQ(json["points"].size(), 7u);
    for (const char* amount : {"500", "1500", "3000"}) {
        const CliRun single = RunArgs(
            {"childsupport", Typed("Custodial.QCF", "CurrentMaintTransfer", amount), "--limits"});
        ASSERT_EQ(single.exit, 0) << single.err;
        const double transfer =
            nlohmann::json::parse(single.out)["support"]["ChildSupportTransfer"];
        const int index = std::stoi(amount) / 500;
        EXPECT_EQ(json["points"][index]["x"], std::stod(amount));
        EXPECT_FLOAT_EQ(json["points"][index]["transfer"].get<float>(), transfer) << amount;
    }
}

TEST_F(WhatIfCommands, SweepAsCsvWithItsThresholds) {
    const CliRun run = RunArgs({"sweep", Example("Custodial.QCF"), "--vary", "other-income",
                                "--from", "0", "--to", "20000", "--steps", "3", "--csv"});
    ASSERT_EQ(run.exit, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line,
              "x,transfer,maintenance,claimNet,otherNet,claimHousehold,otherHousehold,stopped");
    std::getline(lines, line);
    EXPECT_EQ(line.substr(0, 4), "0.0,");
    EXPECT_NE(run.out.find("# threshold,10400.5,\"$12,000 Economic Table Limit\"\n"),
              std::string::npos)
        << run.out;
}

TEST_F(WhatIfCommands, BadSweepRequestsAreRefused) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::string custodial = Example("Custodial.QCF");
    const Case cases[] = {
        {{"sweep", custodial},
         "tovaris-cli: the sweep command needs --vary (see tovaris-cli --help)\n"},
        {{"sweep", custodial, "--vary", "nights"},
         "tovaris-cli: bad value 'nights' for --vary (see tovaris-cli --help)\n"},
        {{"sweep", custodial, "--vary", "claim-income", "--from", "5", "--to", "1"},
         "tovaris-cli: The range must run from a lower to a higher value.\n"},
        {{"sweep", custodial, "--vary", "claim-nights", "--from", "0", "--to", "365"},
         "tovaris-cli: The Claimant's overnights can be varied only in a shared custody case.\n"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunArgs(c.args);
        EXPECT_EQ(run.exit, kExitUsage);
        EXPECT_EQ(run.err, c.message);
        EXPECT_TRUE(run.out.empty());
    }
}

TEST_F(WhatIfCommands, CompareShowsTheScenariosBesideTheCase) {
    CaseRecord record;
    ASSERT_TRUE(OpenCaseFile(record, Example("Custodial.QCF")).ok);
    whatif::ScenarioSet set;
    ASSERT_EQ(set.Duplicate(record, "Maintenance 1,500"), std::nullopt);
    record.fields.SetText("CurrentMaintTransfer", "1500");
    const fs::path path = folder_ / "Case.QCF";
    CaseRecord current = set.CurrentCase(record);
    ASSERT_TRUE(SaveCaseFile(current, path).ok);
    ASSERT_TRUE(whatif::SaveScenarioFile(path, set.All(record)).ok);

    const CliRun run = RunArgs({"compare", path.string()});
    ASSERT_EQ(run.exit, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["scenarios"], (nlohmann::json{"Current", "Maintenance 1,500"}));
    bool found = false;
    for (const auto& row : json["rows"]) {
        if (row["label"] == "Maintenance Paid/Month") {
            found = true;
            EXPECT_EQ(row["values"], (nlohmann::json{"$0", "$1,500"}));
            EXPECT_EQ(row["differs"], (nlohmann::json{false, true}));
        }
    }
    EXPECT_TRUE(found);

    std::ofstream(whatif::ScenarioFilePath(path), std::ios::binary) << "garbage";
    const CliRun damaged = RunArgs({"compare", path.string()});
    EXPECT_EQ(damaged.exit, kExitUsage);
    EXPECT_EQ(damaged.err,
              "tovaris-cli: The scenarios file Case.QSC is damaged and could not be read. The "
              "case was opened without its scenarios.\n");
    EXPECT_TRUE(fs::exists(whatif::ScenarioFilePath(path)));  // left as it was
}

}  // namespace
}  // namespace tovaris::cli
