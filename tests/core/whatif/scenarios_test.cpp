#include "whatif/scenarios.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../case/example_case.h"
#include "case/case_file.h"
#include "whatif/scenario_comparison.h"
#include "whatif/scenario_file.h"
#include "whatif/sweep_input.h"

namespace tovaris::whatif {
namespace {

namespace fs = std::filesystem;
using testing::OpenExample;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class ScenariosTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tovaris_scenarios_" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Three settlement options of one case, the open case showing the last.
    ScenarioSet ThreeOptions(CaseRecord& record) {
        ScenarioSet set;
        EXPECT_EQ(set.Duplicate(record, "Maintenance 1,500"), std::nullopt);
        record.fields.SetText("CurrentMaintTransfer", "1500");
        EXPECT_EQ(set.Duplicate(record, "More Nights"), std::nullopt);
        TypeSweepInput(record, SweepInput::OtherIncome, 9500);
        return set;
    }

    fs::path folder_;
};

TEST_F(ScenariosTest, EachScenarioKeepsItsOwnEntries) {
    CaseRecord record = OpenExample("Custodial.QCF");
    ScenarioSet set = ThreeOptions(record);
    EXPECT_EQ(set.Names(),
              (std::vector<std::string>{"Current", "Maintenance 1,500", "More Nights"}));
    EXPECT_EQ(set.Active(), "More Nights");
    set.Activate(record, "Current");
    EXPECT_EQ(record.fields.Text("CurrentMaintTransfer"), "");
    EXPECT_EQ(record.fields.Text("PayGrossInc"), "$ 8,500.00");
    set.Activate(record, "Maintenance 1,500");
    EXPECT_EQ(record.fields.Text("CurrentMaintTransfer"), "1500");
    EXPECT_EQ(record.fields.Text("PayGrossInc"), "$ 8,500.00");
    set.Activate(record, "More Nights");
    EXPECT_EQ(record.fields.Text("PayGrossInc"), "$ 9,500.00");
}

TEST_F(ScenariosTest, NamesAreRefusedWhenBlankOrTaken) {
    CaseRecord record = OpenExample("Custodial.QCF");
    ScenarioSet set;
    EXPECT_EQ(set.Duplicate(record, "  "),
              "Please Enter A Name Of 1 To 40 Characters For The Scenario.");
    EXPECT_EQ(set.Duplicate(record, "Current"),
              "There Is Already A Scenario Named Current. Please Enter Another Name.");
    EXPECT_EQ(set.Names().size(), 1u);
}

TEST_F(ScenariosTest, DeletingAScenarioNeverTouchesCurrent) {
    CaseRecord record = OpenExample("Custodial.QCF");
    const std::string before = SaveData(*std::make_unique<CaseRecord>(record));
    ScenarioSet set = ThreeOptions(record);
    EXPECT_EQ(set.Remove(record, "Current"),
              "The Current Scenario Is The Case Itself And Cannot Be Deleted.");
    EXPECT_EQ(set.Remove(record, "More Nights"), std::nullopt);  // the active one
    EXPECT_EQ(set.Active(), "Current");
    EXPECT_EQ(set.Remove(record, "Maintenance 1,500"), std::nullopt);
    EXPECT_EQ(set.Names(), std::vector<std::string>{"Current"});
    EXPECT_EQ(SaveData(record), before);
}

TEST_F(ScenariosTest, ScenariosSurviveSaveAndReopenAndTheCaseFileIsUnchanged) {
    CaseRecord plain = OpenExample("Custodial.QCF");
    ASSERT_TRUE(SaveCaseFile(plain, folder_ / "Plain.QCF").ok);

    CaseRecord record = OpenExample("Custodial.QCF");
    ScenarioSet set = ThreeOptions(record);
    const fs::path path = folder_ / "Options.QCF";
    CaseRecord current = set.CurrentCase(record);
    ASSERT_TRUE(SaveCaseFile(current, path).ok);
    ASSERT_TRUE(SaveScenarioFile(path, set.All(record)).ok);
    EXPECT_EQ(ReadBytes(path), ReadBytes(folder_ / "Plain.QCF"));
    EXPECT_TRUE(fs::exists(folder_ / "Options.QSC"));

    CaseRecord reopened;
    ASSERT_TRUE(OpenCaseFile(reopened, path).ok);
    ScenarioFileResult read = OpenScenarioFile(path, reopened, true);
    ASSERT_TRUE(read.ok) << read.message;
    ScenarioSet again;
    again.Reset(read.scenarios);
    EXPECT_EQ(again.Names(), set.Names());
    again.Activate(reopened, "More Nights");
    EXPECT_EQ(reopened.fields.Text("PayGrossInc"), "$ 9,500.00");
    EXPECT_EQ(reopened.fields.Text("CurrentMaintTransfer"), "1500");
}

TEST_F(ScenariosTest, NoScenariosLeaveNoScenarioFile) {
    CaseRecord record = OpenExample("Custodial.QCF");
    const fs::path path = folder_ / "Case.QCF";
    std::ofstream(ScenarioFilePath(path)) << "old";
    ScenarioSet set;
    ASSERT_TRUE(SaveScenarioFile(path, set.All(record)).ok);
    EXPECT_FALSE(fs::exists(ScenarioFilePath(path)));
}

TEST_F(ScenariosTest, ADamagedScenarioFileIsReportedAndSetAside) {
    const CaseRecord record = OpenExample("Custodial.QCF");
    CaseRecord withOne = record;
    ScenarioSet set;
    ASSERT_EQ(set.Duplicate(withOne, "Option"), std::nullopt);
    const std::string good = ScenarioFileBytes({set.All(withOne)[1]});
    const std::string damaged[] = {
        "Not a scenario file\r\n", good.substr(0, good.size() - 40),  // cut short
        "Tovaris Scenarios\r\n\"Option\",12\r\nnot a case\r\n",       // no case line
    };
    for (const std::string& bytes : damaged) {
        const fs::path path = folder_ / "Case.QCF";
        std::ofstream(ScenarioFilePath(path), std::ios::binary) << bytes;
        ScenarioFileResult read = OpenScenarioFile(path, record, true);
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.message,
                  "The scenarios file Case.QSC is damaged and could not be read. The case was "
                  "opened without its scenarios. The damaged file was kept as "
                  "Case.QSC.damaged.");
        EXPECT_EQ(ReadBytes(folder_ / "Case.QSC.damaged"), bytes);
        EXPECT_FALSE(fs::exists(ScenarioFilePath(path)));
    }
    EXPECT_TRUE(ReadScenarioBytes(good, record).has_value());
}

TEST_F(ScenariosTest, ComparisonMarksTheFiguresThatDifferFromCurrent) {
    CaseRecord record = OpenExample("Custodial.QCF");
    ScenarioSet set = ThreeOptions(record);
    const Comparison comparison = CompareScenarios(record, set.All(record));
    ASSERT_EQ(comparison.names.size(), 3u);
    auto row = [&](const std::string& label) {
        for (const ComparisonRow& r : comparison.rows) {
            if (r.label == label) {
                return r;
            }
        }
        ADD_FAILURE() << label;
        return ComparisonRow{};
    };
    EXPECT_EQ(row("Other Party's Gross Income/Month").values,
              (std::vector<std::string>{"$8,500", "$8,500", "$9,500"}));
    EXPECT_EQ(row("Other Party's Gross Income/Month").differs,
              (std::vector<bool>{false, false, true}));
    EXPECT_EQ(row("Child Support Paid By").values[0], "Other Parent");
    EXPECT_TRUE(row("Child Support/Month").differs[2]);
    EXPECT_FALSE(row("Claimant's Gross Income/Month").differs[2]);
}

}  // namespace
}  // namespace tovaris::whatif
