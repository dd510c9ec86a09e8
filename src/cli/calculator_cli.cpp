#include "calculator_cli.h"

#include <functional>
#include <nlohmann/json.hpp>
#include <ostream>
#include <stdexcept>

#include "calculator_options.h"
#include "calculators/business_valuation.h"
#include "calculators/entry_error.h"
#include "calculators/financial_calculator.h"
#include "calculators/ira_withdrawals.h"
#include "calculators/pension_valuator.h"
#include "cli_app.h"

namespace tovaris::cli {
namespace {

using Json = nlohmann::ordered_json;
using namespace tovaris::calculators;

// A value the command line cannot mean (a word outside its choices): exit 2.
struct BadValue : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Choose(const CalculatorArgs& args, const std::string& name,
                   const std::vector<std::string>& words) {
    std::string value = args.Text(name);
    for (const std::string& word : words) {
        if (value == word) {
            return value;
        }
    }
    throw BadValue("bad value '" + value + "' for --" + name);
}

// Either the results under their output names, or the entry error that stopped the command.
template <typename Results>
Json OutcomeJson(const Outcome<Results>& outcome,
                 const std::function<void(const Results&, Json&)>& put) {
    Json json;
    if (const auto* error = std::get_if<EntryError>(&outcome)) {
        json["stopped"] = {
            {"title", kEntryErrorTitle}, {"message", error->message}, {"field", error->field}};
        return json;
    }
    json["stopped"] = nullptr;
    put(std::get<Results>(outcome), json);
    return json;
}

Json RunFinancial(const CalculatorArgs& args) {
    const int option = std::stoi(Choose(args, "option", {"1", "2", "3", "4", "5", "6", "7"}));
    return OutcomeJson<FinancialAnswer>(
        CalculateFinancial(option, {args.Text("text1"), args.Text("text2"), args.Text("text3"),
                                    args.Text("text4")}),
        [](const FinancialAnswer& answer, Json& json) {
            json["Answer"] = answer.answer;
            json["AnswerText"] = answer.answerText;
            if (!answer.answerNote.empty()) {
                json["AnswerNote"] = answer.answerNote;
            }
        });
}

Json RunBusinessValuation(const CalculatorArgs& args) {
    BusinessEntries entries;
    entries.HardAssets = args.Text("hard-assets");
    entries.Liabilities = args.Text("liabilities");
    entries.Receivables = args.Text("receivables");
    entries.Likelihood = args.Text("likelihood");
    entries.Income = args.Text("income");
    entries.Expenses = args.Text("expenses");
    entries.TaxRate = args.Text("tax-rate");
    entries.FairSalary = args.Text("fair-salary");
    if (args.Has("multiplier")) {
        entries.Multiplier = args.Text("multiplier");
    }
    return OutcomeJson<BusinessValue>(ValueBusiness(entries),
                                      [](const BusinessValue& value, Json& json) {
                                          json["NetAssets"] = value.NetAssets;
                                          json["NetEarnings"] = value.NetEarnings;
                                          json["Value"] = value.Value;
                                          json["ValuePostTax"] = value.ValuePostTax;
                                      });
}

// The option words as the window's option buttons give them.
PensionEntries PensionEntriesOf(const CalculatorArgs& args) {
    PensionEntries entries;
    if (args.Has("sex")) {
        entries.sex = Choose(args, "sex", {"m", "f"});
    }
    if (args.Has("race")) {
        entries.race = Choose(args, "race", {"white", "black", "hispanic"}).substr(0, 1);
    }
    if (args.Has("model") && Choose(args, "model", {"gender", "race"}) == "race") {
        entries.model = PensionModel::ByGenderAndRace;
    }
    entries.atDeath = !args.Has("age-terminate-yrs") && !args.Has("age-terminate-mos");
    if (!entries.atDeath && args.flags.count("at-death") != 0) {
        throw BadValue("--at-death and a terminating age exclude each other");
    }
    entries.CurrentAgeYrs = args.Text("current-age-yrs");
    entries.CurrentAgeMos = args.Text("current-age-mos");
    entries.AgePayableYrs = args.Text("age-payable-yrs");
    entries.AgePayableMos = args.Text("age-payable-mos");
    entries.AgeTerminateYrs = args.Text("age-terminate-yrs");
    entries.AgeTerminateMos = args.Text("age-terminate-mos");
    entries.PensionAmount = args.Text("pension-amount");
    entries.DiscountRate = args.Text("discount-rate");
    entries.TaxRate = args.Text("tax-rate");
    return entries;
}

Json RunPension(const CalculatorArgs& args) {
    return OutcomeJson<PensionValue>(
        ValuePension(PensionEntriesOf(args)), [](const PensionValue& value, Json& json) {
            json["DeathPossibility"] = value.DeathPossibility * 100;
            json["ExpectedYears"] = value.ExpectedYears;
            json["PresentValue"] = value.PresentValue;
            if (value.PostTaxPresentValue) {
                json["PostTaxPresentValue"] = *value.PostTaxPresentValue;
            }
        });
}

Json RunIra72t(const CalculatorArgs& args) {
    Ira72tEntries entries;
    entries.CurrentAgeYrs = args.Text("current-age-yrs");
    entries.AgeEndYrs = args.Text("age-end-yrs");
    entries.IRAAmount = args.Text("ira-amount");
    entries.IraInterestRate = args.Text("ira-interest-rate");
    entries.InterestRate = args.Text("interest-rate");
    if (args.Has("method")) {
        const std::string method = Choose(args, "method", {"LE", "Amortization", "Annuity"});
        entries.method = method == "LE"             ? Ira72tMethod::LE
                         : method == "Amortization" ? Ira72tMethod::Amortization
                                                    : Ira72tMethod::Annuity;
    }
    return OutcomeJson<Ira72tWithdrawals>(
        CalculateIra72t(entries), [](const Ira72tWithdrawals& w, Json& json) {
            json["LEYearly"] = w.LEYearly;
            json["LEMonthly"] = w.LEMonthly;
            json["AmortYearly"] = w.AmortYearly;
            json["AmortMonthly"] = w.AmortMonthly;
            json["AnnuityYearly"] = w.AnnuityYearly;
            json["AnnuityMonthly"] = w.AnnuityMonthly;
            json["Projection"] = Json::array();
            for (const ProjectedBalance& year : w.projection) {
                json["Projection"].push_back({{"age", year.age}, {"balance", year.balance}});
            }
        });
}

struct CalculatorCommand {
    const char* name;
    CalculatorSyntax syntax;
    std::function<Json(const CalculatorArgs&)> run;
};

const std::vector<CalculatorCommand>& Commands() {
    static const std::vector<CalculatorCommand> commands = {
        {"fincalc", {{"option", "text1", "text2", "text3", "text4"}, {}}, RunFinancial},
        {"pension",
         {{"sex", "race", "model", "current-age-yrs", "current-age-mos", "age-payable-yrs",
           "age-payable-mos", "age-terminate-yrs", "age-terminate-mos", "pension-amount",
           "discount-rate", "tax-rate"},
          {"at-death"}},
         RunPension},
        {"ira72t",
         {{"current-age-yrs", "age-end-yrs", "ira-amount", "ira-interest-rate", "interest-rate",
           "method"},
          {}},
         RunIra72t},
        {"bizvalue",
         {{"hard-assets", "liabilities", "receivables", "likelihood", "income", "expenses",
           "tax-rate", "fair-salary", "multiplier"},
          {}},
         RunBusinessValuation},
    };
    return commands;
}

const CalculatorCommand* Find(const std::string& name) {
    for (const CalculatorCommand& command : Commands()) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

int Refuse(std::ostream& err, const std::string& reason) {
    err << "tovaris-cli: " << reason << " (see tovaris-cli --help)\n";
    return kExitUsage;
}

}  // namespace

bool IsCalculatorCommand(const std::string& command) {
    return Find(command) != nullptr;
}

int RunCalculatorCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const CalculatorCommand& command = *Find(args.at(0));
    std::string error;
    std::optional<CalculatorArgs> parsed = ParseCalculatorArgs(
        std::vector<std::string>(args.begin() + 1, args.end()), command.syntax, error);
    if (!parsed) {
        return Refuse(err, error);
    }
    Json json;
    json["command"] = command.name;
    try {
        json.update(command.run(*parsed));
    } catch (const BadValue& bad) {
        return Refuse(err, bad.what());
    }
    out << json.dump(parsed->pretty ? 2 : -1) << "\n";
    return json["stopped"].is_null() ? kExitOk : kExitStopped;
}

}  // namespace tovaris::cli
