#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli_app.h"
#include "json_run.h"

namespace tovaris::cli {
namespace {

using CalcRun = testing::JsonRun;

CalcRun RunArgs(const std::vector<std::string>& args) {
    return testing::RunJson(args);
}

TEST(CliFinancialCalculator, PrintsTheAnswerAndItsNote) {
    CalcRun payment = RunArgs(
        {"fincalc", "--option", "1", "--text1", "6", "--text2", "100000", "--text3", "360"});
    EXPECT_EQ(payment.exit, kExitOk) << payment.err;
    EXPECT_EQ(payment.json["command"], "fincalc");
    EXPECT_TRUE(payment.json["stopped"].is_null());
    EXPECT_NEAR(payment.json["Answer"].get<double>(), 599.55, 0.005);
    EXPECT_EQ(payment.json["AnswerText"], "599.55");
    EXPECT_FALSE(payment.json.contains("AnswerNote"));

    CalcRun balance = RunArgs({"fincalc", "--option", "3", "--text1", "100000", "--text2", "360",
                               "--text3", "599.55", "--text4", "12"});
    EXPECT_EQ(balance.json["AnswerText"], "98,771.99");
    EXPECT_TRUE(balance.json.contains("AnswerNote"));
}

TEST(CliFinancialCalculator, AnEntryErrorStopsWithItsField) {
    CalcRun run = RunArgs({"fincalc", "--option", "1", "--text1", "6", "--text3", "360"});
    EXPECT_EQ(run.exit, kExitStopped);
    EXPECT_EQ(run.json["stopped"]["title"], "Entry Error");
    EXPECT_EQ(run.json["stopped"]["message"],
              "Cannot calculate a valid answer. Try changing your entries.");
    EXPECT_EQ(run.json["stopped"]["field"], "Text2");
    EXPECT_FALSE(run.json.contains("Answer"));
}

TEST(CliBusinessValuation, PrintsTheValuesOrTheEntryToReenter) {
    CalcRun run = RunArgs({"bizvalue", "--hard-assets", "100000", "--liabilities", "20000",
                           "--receivables", "50000", "--likelihood", ".8", "--income", "300000",
                           "--expenses", "100000", "--tax-rate", ".3", "--fair-salary", "120000"});
    EXPECT_EQ(run.exit, kExitOk) << run.err;
    EXPECT_EQ(run.json["NetAssets"], 120000.0);
    EXPECT_EQ(run.json["NetEarnings"], 200000.0);
    EXPECT_EQ(run.json["Value"], 360000.0);  // the multiplier defaults to 3, as on the window
    EXPECT_EQ(run.json["ValuePostTax"], 288000.0);

    CalcRun refused = RunArgs({"bizvalue", "--multiplier", "6"});
    EXPECT_EQ(refused.exit, kExitStopped);
    EXPECT_EQ(refused.json["stopped"]["field"], "Multiplier");
}

TEST(CliPension, PrintsTheReportFigures) {
    CalcRun run = RunArgs({"pension", "--sex",
                           "f",       "--race",
                           "white",   "--model",
                           "race",    "--current-age-yrs",
                           "60",      "--current-age-mos",
                           "6",       "--age-payable-yrs",
                           "65",      "--age-payable-mos",
                           "0",       "--age-terminate-yrs",
                           "85",      "--age-terminate-mos",
                           "0",       "--pension-amount",
                           "2000",    "--discount-rate",
                           ".05",     "--tax-rate",
                           ".25"});
    EXPECT_EQ(run.exit, kExitOk) << run.err;
    EXPECT_NEAR(run.json["DeathPossibility"].get<double>(), 3.4685, 1e-4);
    EXPECT_EQ(run.json["ExpectedYears"], 20.0);
    EXPECT_EQ(run.json["PresentValue"], 234054.0);
    EXPECT_EQ(run.json["PostTaxPresentValue"], 175540.0);

    CalcRun untaxed =
        RunArgs({"pension", "--sex", "m", "--at-death", "--current-age-yrs", "50",
                 "--age-payable-yrs", "65", "--pension-amount", "1000", "--discount-rate", ".06"});
    EXPECT_EQ(untaxed.exit, kExitOk) << untaxed.err;
    EXPECT_FALSE(untaxed.json.contains("PostTaxPresentValue"));

    CalcRun noSex = RunArgs({"pension", "--current-age-yrs", "50"});
    EXPECT_EQ(noSex.exit, kExitStopped);
    EXPECT_EQ(noSex.json["stopped"]["message"], "Please Enter The Pension Holder's Sex");
}

TEST(CliIra72t, PrintsEachMethodAndTheChosenProjection) {
    CalcRun run = RunArgs({"ira72t", "--current-age-yrs", "50", "--age-end-yrs", "60",
                           "--ira-amount", "400000", "--ira-interest-rate", "6", "--interest-rate",
                           "4", "--method", "Annuity"});
    EXPECT_EQ(run.exit, kExitOk) << run.err;
    EXPECT_NEAR(run.json["LEYearly"].get<double>(), 11049.72, 0.01);
    EXPECT_NEAR(run.json["AmortYearly"].get<double>(), 21101.63, 0.01);
    EXPECT_NEAR(run.json["AnnuityYearly"].get<double>(), 20880.34, 0.01);
    EXPECT_NEAR(run.json["AnnuityMonthly"].get<double>(), 20880.34 / 12, 0.01);
    ASSERT_EQ(run.json["Projection"].size(), 11u);
    EXPECT_EQ(run.json["Projection"][0]["age"], 50);

    CalcRun young = RunArgs({"ira72t", "--current-age-yrs", "17"});
    EXPECT_EQ(young.exit, kExitStopped);
    EXPECT_EQ(young.json["stopped"]["field"], "CurrentAgeYrs");
}

TEST(CliCalculators, RefuseBadOptions) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"fincalc", "--option", "8"},
             {"fincalc", "--option"},
             {"fincalc", "--rate", "6"},
             {"bizvalue", "--option", "1"},
             {"pension", "--sex", "x"},
             {"ira72t", "--method", "Minimum"},
             {"pension", "--race", "w"},
             {"pension", "--at-death", "--age-terminate-yrs", "80"},
         }) {
        CalcRun run = RunArgs(args);
        EXPECT_EQ(run.exit, kExitUsage) << args.back();
        EXPECT_TRUE(run.json.is_null());
        EXPECT_NE(run.err.find("tovaris-cli: "), std::string::npos);
    }
}

}  // namespace
}  // namespace tovaris::cli
