#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli_app.h"
#include "json_run.h"

namespace tovaris::cli {
namespace {

namespace fs = std::filesystem;

using CliRun = testing::JsonRun;

CliRun RunArgs(const std::vector<std::string>& args) {
    return testing::RunJson(args);
}

std::string Example(const std::string& name) {
    return (fs::path(TOVARIS_SOURCE_DIR) / "examples" / name).string();
}

bool HasLabel(const nlohmann::json& lines, const std::string& label) {
    for (const auto& line : lines) {
        if (line["label"] == label) {
            return true;
        }
    }
    return false;
}

TEST(CliFlip, TheCaseComesBackAsTheChildSupportCommandLeavesIt) {
    const std::string shared = Example("SharedOvernights.QCF");
    const CliRun before = RunArgs({"childsupport", shared});
    const CliRun flip = RunArgs({"flip", shared, "--claim-nights", "120", "--other-nights",
                                 "245.00", "--claim-under17", "0", "--other-under17", "3"});
    ASSERT_EQ(flip.exit, kExitOk) << flip.err;
    for (const char* part : {"case", "tax", "support", "display"}) {
        EXPECT_EQ(flip.json[part], before.json[part]) << part;
    }
    const nlohmann::json& r = flip.json["flip"];
    EXPECT_EQ(r["kept"]["ChildSupport"], before.json["support"]["ChildSupportTransfer"]);
    EXPECT_EQ(r["revised"]["ClaimNights"], 120);
    EXPECT_EQ(r["revised"]["PayerDepend17"], 3);
    EXPECT_NE(r["revised"]["ChildSupport"], r["kept"]["ChildSupport"]);
    EXPECT_EQ(r["lines"][0]["label"], " Original Child Support = ");
    EXPECT_TRUE(HasLabel(r["lines"], " Other Party's Income Adjustments/Yr"));
}

TEST(CliFlip, RefusedEntriesStopWithTheEntryError) {
    const struct {
        std::vector<std::string> entries;
        const char* field;
        const char* message;
    } refusals[] = {
        {{"--claim-nights", "200", "--other-nights", "166"},
         "ClaimNights",
         "Total Sum Of Claimant's and Other Party's Overnights Must Equal 365"},
        {{"--claim-under17", "2", "--other-under17", "2"},
         "ClaimDepend17",
         "The Sum Of The Children Under Age 17 Declared By Claimant And Other Party Should Be "
         "Less Than Or Equal To The Total Number Of Minors"},
    };
    for (const auto& refusal : refusals) {
        std::vector<std::string> args = {"flip", Example("SharedOvernights.QCF")};
        args.insert(args.end(), refusal.entries.begin(), refusal.entries.end());
        const CliRun run = RunArgs(args);
        EXPECT_EQ(run.exit, kExitStopped) << refusal.message;
        EXPECT_EQ(run.json["stopped"]["title"], "Entry Error");
        EXPECT_EQ(run.json["stopped"]["message"], refusal.message);
        EXPECT_EQ(run.json["stopped"]["field"], refusal.field);
        EXPECT_TRUE(run.json["flip"].is_null());
    }
}

// In the shared example the Claimant receives support; with most of the nights given to the
// Other Party she pays, and with them back the Other Party is the one who turns payee.
TEST(CliFlip, APayerWhoBecomesPayeeIsNamed) {
    const CliRun toOther = RunArgs(
        {"flip", Example("SharedOvernights.QCF"), "--claim-nights", "20", "--other-nights", "345"});
    ASSERT_EQ(toOther.exit, kExitOk) << toOther.err;
    EXPECT_GT(toOther.json["flip"]["kept"]["ChildSupport"].get<double>(), 0);
    EXPECT_LT(toOther.json["flip"]["revised"]["ChildSupport"].get<double>(), 0);
    const nlohmann::json& lines = toOther.json["flip"]["lines"];
    EXPECT_TRUE(HasLabel(lines, " Other Party Went From Payer To Payee"));
    EXPECT_FALSE(HasLabel(lines, " Claimant Went From Payer To Payee"));
    EXPECT_TRUE(HasLabel(lines,
                         " Claimant's Overnights Decreased Below 182.5, Which May Result In "
                         "A Change In The Filing Status Of The Parties."));
    EXPECT_TRUE(HasLabel(lines, "  Increase In Child Support Paid/Yr   "));
}

TEST(CliImpute, MinimumWageIsSavedAndCalculatedAsImputed) {
    const fs::path saved = fs::temp_directory_path() / "tovaris_cli_imputed.QCF";
    const CliRun run = RunArgs({"impute", Example("Custodial.QCF"), "--party", "other", "--method",
                                "wage", "--state", "WA-Seatac", "-o", saved.string()});
    ASSERT_EQ(run.exit, kExitOk) << run.err;
    EXPECT_EQ(run.json["command"], "impute");
    EXPECT_EQ(run.json["Hourly"], "$19.06");
    EXPECT_NEAR(run.json["MoMin"].get<double>(), 3312.81, 0.005);
    EXPECT_FALSE(run.json.contains("NetMedian"));
    EXPECT_EQ(run.json["Wages"], "$ 3,312.81");
    EXPECT_EQ(run.json["Period"], "MONTHLY");
    EXPECT_EQ(run.json["ImputeStatus"], "Imputed");
    EXPECT_EQ(run.json["ImputeNoteWS"],
              "Parent 1's Income Has Been Imputed Using The Minimum Wage Of Parent 1's Residence "
              "State. ");

    const CliRun support = RunArgs({"childsupport", saved.string()});
    ASSERT_EQ(support.exit, kExitOk) << support.err;
    EXPECT_EQ(support.json["display"]["OtherIncome"][0]["label"], " Imputed Gross Income");
    EXPECT_EQ(support.json["display"]["ClaimIncome"][0]["label"], " Gross Income");
    fs::remove(saved);
}

TEST(CliImpute, MedianFiguresAndTheOtherColumn) {
    const CliRun run =
        RunArgs({"impute", Example("Custodial.QCF"), "--party", "claimant", "--method", "median",
                 "--sex", "f", "--age-band", "45-54", "--parent-column", "1"});
    ASSERT_EQ(run.exit, kExitOk) << run.err;
    EXPECT_EQ(run.json["NetMedian"], 4067);
    EXPECT_GT(run.json["GrossMedian"].get<double>(), 4067);
    EXPECT_EQ(run.json["ImputeNote"],
              "Claimant's Income Has Been Imputed Using The Federal Approximate Median Net "
              "Monthly Income Table. ");
    EXPECT_EQ(run.json["ImputeNoteWS"],
              "Parent 1's Income Has Been Imputed Using The Federal Approximate Median Net "
              "Monthly Income Table. ");
}

TEST(CliImpute, RefusalsAreUsageErrors) {
    const std::vector<std::string> refusals[] = {
        {"impute", Example("Custodial.QCF"), "--method", "wage"},
        {"impute", Example("Custodial.QCF"), "--party", "claimant", "--method", "wage", "--state",
         "Atlantis"},
        {"impute", Example("Custodial.QCF"), "--party", "claimant", "--method", "median"},
        {"impute", Example("Custodial.QCF"), "--party", "claimant", "--method", "median", "--sex",
         "f", "--age-band", "40-49"},
    };
    for (const auto& args : refusals) {
        const CliRun run = RunArgs(args);
        EXPECT_EQ(run.exit, kExitUsage) << args.back();
        EXPECT_TRUE(run.json.is_null());
        EXPECT_FALSE(run.err.empty());
    }
}

}  // namespace
}  // namespace tovaris::cli
