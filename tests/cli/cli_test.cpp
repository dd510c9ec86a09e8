#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli_app.h"

namespace tovaris::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = TOVARIS_SOURCE_DIR;

struct CliRun {
    int exit;
    std::string out;
    std::string err;
};

CliRun RunArgs(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    int exit = RunCli(args, out, err);
    return {exit, out.str(), err.str()};
}

std::string Example(const std::string& name) {
    return (kSource / "examples" / name).string();
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every example through a command, pinned as JSON that was checked by hand once. Set
// TOVARIS_UPDATE_GOLDEN=1 to write the files anew after an intended change.
// A stop is pinned like any other result (its JSON says where it stopped).
void ExpectGoldenOutputs(const std::string& command, const std::vector<std::string>& options = {}) {
    for (const char* name : {"Custodial", "NonCustodial", "SharedOvernights", "SplitTwoEach",
                             "JointFilerNewSpouse", "NoMinorsMaintenance"}) {
        std::vector<std::string> args = {command, Example(std::string(name) + ".QCF"), "--pretty"};
        args.insert(args.end(), options.begin(), options.end());
        CliRun run = RunArgs(args);
        EXPECT_NE(run.exit, kExitUsage) << name << run.err;
        fs::path golden = kSource / "tests/cli/golden" / (command + "_" + name + ".json");
        if (std::getenv("TOVARIS_UPDATE_GOLDEN") != nullptr) {
            std::ofstream(golden, std::ios::binary) << run.out;
            continue;
        }
        EXPECT_EQ(run.out, ReadFile(golden)) << name;
    }
}

// Worksheets filled as a practitioner fills them: data from the Express screen, taxes, then the
// calculation. The case without minors stops for want of children.
TEST(CliWorksheet, ExamplesMatchTheirGoldenJson) {
    ExpectGoldenOutputs("worksheet", {"--from-express", "--estimate-taxes"});
}

TEST(CliWorksheet, CalculatesTheLinesAsTheyStand) {
    CliRun run = RunArgs({"worksheet", Example("Custodial.QCF")});
    EXPECT_EQ(run.exit, kExitStopped);  // the example's worksheet holds no children yet
    nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(
        json["stopped"]["message"],
        "To Calculate the Child Support Worksheet, Please Enter The Child(ren) And Their Ages");
    EXPECT_EQ(json["stopped"]["field"], "Age(0)");
    EXPECT_FALSE(json.contains("tax"));
}

TEST(CliWorksheet, ClearingFirstEmptiesTheHeader) {
    for (const char* answer : {"yes", "no"}) {
        CliRun run = RunArgs({"worksheet", Example("Custodial.QCF"), "--from-express",
                              "--clear-worksheet-answer", answer});
        nlohmann::json json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json["worksheet"]["header"]["County"],
                  answer == std::string("yes") ? "" : "King");
        EXPECT_EQ(json["worksheet"]["lines"]["1a"]["column2"][0], "$ 4,333.33");
    }
}

TEST(CliValidate, ExamplesMatchTheirGoldenJson) {
    ExpectGoldenOutputs("validate");
}

TEST(CliTax, ExamplesMatchTheirGoldenJson) {
    ExpectGoldenOutputs("tax");
}

TEST(CliChildSupport, ExamplesMatchTheirGoldenJson) {
    ExpectGoldenOutputs("childsupport");
}

TEST(CliMaintenance, ExamplesMatchTheirGoldenJson) {
    ExpectGoldenOutputs("maintenance");
}

TEST(CliMaintenance, TaxTreatmentNamesItselfInTheStatus) {
    const std::pair<const char*, const char*> rows[] = {
        {"payee", "Calculation Shown Has Maintenance Taxed To Payee "},
        {"payer", "Calculation Shown Has Maintenance Taxed To Payer "},
    };
    for (const auto& [treatment, status] : rows) {
        CliRun run =
            RunArgs({"maintenance", Example("NoMinorsMaintenance.QCF"), "--maint-tax", treatment});
        ASSERT_EQ(run.exit, kExitOk) << run.err;
        nlohmann::json maintenance = nlohmann::json::parse(run.out)["maintenance"];
        EXPECT_EQ(maintenance["CalcStatusText"], status);
        EXPECT_GT(maintenance["SuggestedAward"].get<double>(), 0);
    }
}

TEST(CliChildSupport, EveryOptionIsAcceptedOnEveryExample) {
    const std::vector<std::vector<std::string>> optionSets = {
        {"--extrapolation", "Curve", "--shared-method", "SquaredDays", "--split-method", "DualWS"},
        {"--extrapolation", "Linear", "--shared-method", "SumDaysColorado", "--limits",
         "--deviation"},
        {"--other-family-method", "IncomeMethod", "--maint-tax", "payee", "--apply-maint-to-cs",
         "no", "--order", "CSFirst"},
        {"--self-support", "1600", "--claim-net", "3000", "--other-net", "4000", "--parent-column",
         "1", "--warnings", "stop"},
        {"--table", "Old", "--old-table-answer", "no", "--apply-deviation-answer", "yes"},
    };
    for (const char* name : {"Custodial", "NonCustodial", "SharedOvernights", "SplitTwoEach",
                             "JointFilerNewSpouse", "NoMinorsMaintenance"}) {
        for (const std::vector<std::string>& options : optionSets) {
            for (const char* command : {"childsupport", "maintenance"}) {
                std::vector<std::string> args = {command, Example(std::string(name) + ".QCF")};
                args.insert(args.end(), options.begin(), options.end());
                CliRun run = RunArgs(args);
                EXPECT_TRUE(run.exit == kExitOk || run.exit == kExitStopped) << name << run.err;
                EXPECT_TRUE(nlohmann::json::accept(run.out)) << name;
            }
        }
    }
}

TEST(CliChildSupport, TheOldTableQuestionCanStopTheCommand) {
    CliRun run = RunArgs(
        {"childsupport", Example("Custodial.QCF"), "--table", "Old", "--old-table-answer", "no"});
    ASSERT_EQ(run.exit, kExitStopped) << run.err;
    nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_TRUE(json["stopped"]["field"].is_null());
    EXPECT_EQ(json["messages"][0]["answer"], "No");
    EXPECT_FALSE(json.contains("support"));
}

TEST(CliChildSupport, LimitsAndTypedNetIncomesReachTheCalculation) {
    CliRun run =
        RunArgs({"childsupport", Example("Custodial.QCF"), "--other-net", "900", "--limits"});
    ASSERT_EQ(run.exit, kExitOk) << run.err;
    nlohmann::json support = nlohmann::json::parse(run.out)["support"];
    EXPECT_EQ(support["NetOverrideState"], 3);
    EXPECT_EQ(support["PayerLimitText"],
              "Other Parent's Basic Obligation Gives Net Income Below The Self-Support Reserve. "
              "Minimum Is $50/Child.");
    EXPECT_EQ(support["PayerLimitedShare"], 100);
    EXPECT_EQ(support["LimitsButton"], "Hide Limits");  // --limits: the button would hide them
}

TEST(CliTax, TypedNetIncomesOverrideTheComputedOnes) {
    CliRun run = RunArgs({"tax", Example("Custodial.QCF"), "--claim-net", "2500"});
    ASSERT_EQ(run.exit, kExitOk) << run.err;
    nlohmann::json tax = nlohmann::json::parse(run.out)["tax"];
    EXPECT_EQ(tax["Claim"]["NetMonthly"], 2500);
    EXPECT_NE(tax["Claim"]["NetMonthlyComputed"], 2500);
    EXPECT_EQ(tax["Payer"]["NetMonthly"], tax["Payer"]["NetMonthlyComputed"]);
    EXPECT_FALSE(tax["Claim"].contains("IncomeShare"));
}

// A copy of an example with one position of the case file replaced (1-based).
fs::path ExampleWith(const std::string& name, int position, const std::string& value) {
    std::string bytes = ReadFile(Example(name));
    size_t start = 0;
    for (int i = 1; i < position; ++i) {
        start = bytes.find(',', start) + 1;
    }
    size_t end = bytes.find(',', start);
    bytes.replace(start, end - start, value);
    fs::path copy = fs::temp_directory_path() / ("tovaris_cli_" + std::to_string(position) + name);
    std::ofstream(copy, std::ios::binary) << bytes;
    return copy;
}

TEST(CliMaintenance, TheCasePartHoldsTheDayCareFlag) {
    CliRun run = RunArgs({"maintenance", Example("Custodial.QCF")});
    ASSERT_EQ(run.exit, kExitOk) << run.err;
    nlohmann::json json = nlohmann::json::parse(run.out);
    ASSERT_GT(json["case"]["DayCareClaim"].get<double>(), 0);
    EXPECT_EQ(json["case"]["DayCareFlag"], "Y");
}

// What a run never computed is left out, not printed as 0.
TEST(CliOutput, KeysNeverComputedAreLeftOut) {
    using Pointer = nlohmann::json::json_pointer;
    struct Row {
        std::vector<std::string> args;
        const char* key;
        bool present;
    };
    const std::string custodial = Example("Custodial.QCF");
    const std::vector<std::string> noChildSupport = {
        "maintenance", custodial, "--order", "CSFirst", "--apply-maint-to-cs", "no"};
    const Row rows[] = {
        {noChildSupport, "/tax/Claim/NetYearly", false},
        {noChildSupport, "/tax/Payer/NetMonthly", false},
        {noChildSupport, "/tax/Payer/NetMonthlyComputed", false},
        {noChildSupport, "/tax/Payer/AGI", true},
        {noChildSupport, "/support/ChildSupportTransfer", false},
        {noChildSupport, "/support/LimitsButton", false},
        {noChildSupport, "/support/ChildSupportField", true},
        {{"maintenance", custodial}, "/tax/Claim/NetYearly", true},
        {{"maintenance", custodial}, "/support/ChildSupportTransfer", true},
        {{"childsupport", custodial}, "/support/ClaimDeviation", false},
        {{"childsupport", custodial}, "/support/PayerDeviation", false},
        {{"maintenance", Example("NoMinorsMaintenance.QCF")}, "/case/CaregiverCode", true},
    };
    for (const Row& row : rows) {
        CliRun run = RunArgs(row.args);
        ASSERT_EQ(run.exit, kExitOk) << run.err;
        nlohmann::json json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json.contains(Pointer(row.key)), row.present) << row.key << " " << row.args[2];
    }
}

TEST(CliMaintenance, NoMinorsStillReportTheChildSupportEntryAndTypedNetIncome) {
    CliRun run =
        RunArgs({"maintenance", Example("NoMinorsMaintenance.QCF"), "--other-net", "3000"});
    ASSERT_EQ(run.exit, kExitOk) << run.err;
    nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["support"],
              nlohmann::json::parse(R"({"ChildSupportField": "", "NetOverrideState": 3})"));
}

TEST(CliMaintenance, NoCaregiverCodeWithoutTheCaregiverFrame) {
    // No children at all: the caregiver frame is disabled and not read.
    const fs::path copy = ExampleWith("NoMinorsMaintenance.QCF", 2, "\"0\"");
    CliRun run = RunArgs({"maintenance", copy.string()});
    fs::remove(copy);
    ASSERT_EQ(run.exit, kExitOk) << run.err;
    nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["case"]["NumChildren"], 0);
    EXPECT_FALSE(json["case"].contains("CaregiverCode"));
}

TEST(CliValidate, AStopIsReportedWithItsFieldAndExitOne) {
    fs::path copy = fs::temp_directory_path() / "tovaris_cli_stop.QCF";
    std::string bytes = ReadFile(Example("Custodial.QCF"));
    // Position 3 is MinChild: ask for six minors.
    size_t third = bytes.find(',', bytes.find(',') + 1);
    size_t fourth = bytes.find(',', third + 1);
    bytes.replace(third + 1, fourth - third - 1, "\"6\"");
    std::ofstream(copy, std::ios::binary) << bytes;

    CliRun run = RunArgs({"validate", copy.string()});
    fs::remove(copy);
    ASSERT_EQ(run.exit, kExitStopped) << run.err;
    nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["stopped"]["title"], "Entry Error");
    EXPECT_EQ(json["stopped"]["message"],
              "Please ReEnter Number Of Minor Children Remaining From Marriage (Entry Must Be "
              "Between 0 And 5)");
    EXPECT_EQ(json["stopped"]["field"], "MinChild");
    EXPECT_EQ(json["messages"].size(), 1u);
    EXPECT_EQ(json["messages"][0]["answer"], "OK");
    EXPECT_EQ(json["case"]["NumChildren"], 2);
    EXPECT_FALSE(json["case"].contains("NumMinors"));  // not reached
    EXPECT_FALSE(json["case"].contains("CustodyType"));
    EXPECT_EQ(json["case"]["SelfSupportReserve"], 1519);
}

TEST(CliArguments, RefusalsGoToStandardErrorWithExitTwo) {
    struct Case {
        std::vector<std::string> args;
        const char* reason;
    };
    const std::string custodial = Example("Custodial.QCF");
    const Case cases[] = {
        {{}, "no command given"},
        {{"calculate", custodial}, "unknown command 'calculate'"},
        {{"validate"}, "the validate command needs a case file"},
        {{"validate", custodial, "--bogus"}, "unknown option '--bogus'"},
        {{"validate", custodial, "--extrapolation", "Steep"},
         "bad value 'Steep' for --extrapolation"},
        {{"validate", custodial, "--self-support"}, "option --self-support needs a value"},
        {{"validate", custodial, "--self-support", "lots"}, "bad value 'lots' for --self-support"},
        {{"maintenance", custodial, "--maint-tax", "both"}, "bad value 'both' for --maint-tax"},
        {{"worksheet", custodial, "--clear-worksheet-answer", "maybe"},
         "bad value 'maybe' for --clear-worksheet-answer"},
        {{"worksheet", "--from-express"}, "the worksheet command needs a case file"},
        {{"validate", "/no/such/case.QCF"}, "could not be opened"},
    };
    for (const Case& c : cases) {
        CliRun run = RunArgs(c.args);
        EXPECT_EQ(run.exit, kExitUsage) << c.reason;
        EXPECT_EQ(run.out, "") << c.reason;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
}

TEST(CliArguments, OptionsReachTheCase) {
    CliRun run = RunArgs({"validate", Example("SharedOvernights.QCF"), "--self-support", "1600",
                          "--warnings", "stop", "--order", "CSFirst"});
    ASSERT_EQ(run.exit, kExitOk) << run.err;
    nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["case"]["SelfSupportReserve"], 1600);
}

// The schedule's rules are the default: naming them changes nothing. The law's rules add the
// notice and each party's changed figures, and leave the keys the default prints in place.
TEST(CliTax, TaxRulesOption) {
    const std::string custodial = Example("Custodial.QCF");
    CliRun plain = RunArgs({"tax", custodial});
    CliRun schedule = RunArgs({"tax", custodial, "--tax-rules", "schedule"});
    EXPECT_EQ(schedule.out, plain.out);
    CliRun law = RunArgs({"childsupport", custodial, "--tax-rules", "law"});
    ASSERT_EQ(law.exit, kExitOk) << law.err;
    nlohmann::json json = nlohmann::json::parse(law.out);
    EXPECT_EQ(json["tax"]["TaxRules"], "law");
    EXPECT_EQ(json["tax"]["Notice"], "Federal taxes computed under 2023 federal tax law.");
    EXPECT_TRUE(json["tax"]["Claim"]["LawDifferences"].is_array());
    EXPECT_TRUE(json["tax"]["Payer"].contains("NetMonthly"));
    EXPECT_EQ(json["display"]["TaxNotes"][0], json["tax"]["Notice"]);
    CliRun maintenance = RunArgs({"maintenance", custodial, "--tax-rules", "law"});
    EXPECT_EQ(nlohmann::json::parse(maintenance.out)["maintenance"]["display"]["TaxRulesNotice"],
              json["tax"]["Notice"]);

    CliRun bad = RunArgs({"tax", custodial, "--tax-rules", "2023"});
    EXPECT_EQ(bad.exit, kExitUsage);
    EXPECT_NE(bad.err.find("bad value '2023' for --tax-rules"), std::string::npos);
}

TEST(CliArguments, HelpAndVersion) {
    EXPECT_EQ(RunArgs({"--version"}).out, "tovaris-cli 9.31\n");
    CliRun help = RunArgs({"--help"});
    EXPECT_EQ(help.exit, kExitOk);
    EXPECT_NE(help.out.find("validate"), std::string::npos);
}

}  // namespace
}  // namespace tovaris::cli

namespace tovaris::cli {
namespace {

// A declaration filled from each example as a practitioner fills it: income from the Express
// screen, the tax estimate, the calculation; pinned field by field.
TEST(CliDeclaration, ExamplesMatchTheirGoldenJson) {
    for (const char* name : {"Custodial", "NonCustodial", "JointFilerNewSpouse"}) {
        for (const char* declarant : {"claimant", "other"}) {
            std::string example = Example(std::string(name) + ".QCF");
            CliRun run =
                RunArgs({"declaration", "--new", "--from-express", example, "--estimate-taxes",
                         example, "--calculate", "--declarant", declarant, "--pretty"});
            EXPECT_EQ(run.exit, kExitOk) << name << run.err;
            fs::path golden = kSource / "tests/cli/golden" /
                              ("declaration_" + std::string(name) + "_" + declarant + ".json");
            if (std::getenv("TOVARIS_UPDATE_GOLDEN") != nullptr) {
                std::ofstream(golden, std::ios::binary) << run.out;
                continue;
            }
            EXPECT_EQ(run.out, ReadFile(golden)) << name << " " << declarant;
        }
    }
}

TEST(CliDeclaration, SavesWhatItPrintsAndOpensItAgain) {
    fs::path saved = fs::temp_directory_path() / "tovaris_cli_declaration.FIN";
    std::string example = Example("Custodial.QCF");
    CliRun first = RunArgs({"declaration", "--new", "--from-express", example, "--calculate",
                            "--role", "respondent", "-o", saved.string()});
    ASSERT_EQ(first.exit, kExitOk) << first.err;
    CliRun again = RunArgs({"declaration", saved.string(), "--role", "respondent"});
    ASSERT_EQ(again.exit, kExitOk) << again.err;
    EXPECT_EQ(again.out, first.out);
    EXPECT_EQ(nlohmann::json::parse(again.out)["role"], "respondent");
    fs::remove(saved);
}

TEST(CliDeclaration, RefusesBadCommandLinesAndFiles) {
    const std::vector<std::string> refused[] = {
        {"declaration"},
        {"declaration", "--calculate"},
        {"declaration", "--new", "--declarant", "mother"},
        {"declaration", "--new", "--from-express"},
        {"declaration", "--new", "--bogus"},
        {"declaration", Example("Custodial.QCF")},
        {"declaration", "--new", "--estimate-taxes", Example("Missing.QCF")},
    };
    for (const auto& args : refused) {
        CliRun run = RunArgs(args);
        EXPECT_EQ(run.exit, kExitUsage) << args.back();
        EXPECT_TRUE(run.out.empty());
        EXPECT_TRUE(run.err.starts_with("tovaris-cli: ")) << run.err;
    }
}

}  // namespace
}  // namespace tovaris::cli
