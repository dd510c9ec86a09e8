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

// An entry box given on the command line as `--option text`.
template <typename Entries>
struct TextOption {
    const char* option;
    std::string Entries::*entry;
};

// The entries the command line gives; a box not given keeps its start-up text.
template <typename Entries, std::size_t N>
Entries ReadEntries(const CalculatorArgs& args, const TextOption<Entries> (&options)[N]) {
    Entries entries;
    for (const TextOption<Entries>& option : options) {
        if (args.Has(option.option)) {
            entries.*option.entry = args.Text(option.option);
        }
    }
    return entries;
}

// The option names of the entry boxes, then those of the command's choices.
template <typename Entries, std::size_t N>
std::vector<std::string> OptionNames(const TextOption<Entries> (&options)[N],
                                     std::vector<std::string> choices) {
    for (const TextOption<Entries>& option : options) {
        choices.emplace_back(option.option);
    }
    return choices;
}

const TextOption<BusinessEntries> kBusinessOptions[] = {
    {"hard-assets", &BusinessEntries::HardAssets},  {"liabilities", &BusinessEntries::Liabilities},
    {"receivables", &BusinessEntries::Receivables}, {"likelihood", &BusinessEntries::Likelihood},
    {"income", &BusinessEntries::Income},           {"expenses", &BusinessEntries::Expenses},
    {"tax-rate", &BusinessEntries::TaxRate},        {"fair-salary", &BusinessEntries::FairSalary},
    {"multiplier", &BusinessEntries::Multiplier},
};

Json RunBusinessValuation(const CalculatorArgs& args) {
    return OutcomeJson<BusinessValue>(ValueBusiness(ReadEntries(args, kBusinessOptions)),
                                      [](const BusinessValue& value, Json& json) {
                                          json["NetAssets"] = value.NetAssets;
                                          json["NetEarnings"] = value.NetEarnings;
                                          json["Value"] = value.Value;
                                          json["ValuePostTax"] = value.ValuePostTax;
                                      });
}

const TextOption<PensionEntries> kPensionOptions[] = {
    {"current-age-yrs", &PensionEntries::CurrentAgeYrs},
    {"current-age-mos", &PensionEntries::CurrentAgeMos},
    {"age-payable-yrs", &PensionEntries::AgePayableYrs},
    {"age-payable-mos", &PensionEntries::AgePayableMos},
    {"age-terminate-yrs", &PensionEntries::AgeTerminateYrs},
    {"age-terminate-mos", &PensionEntries::AgeTerminateMos},
    {"pension-amount", &PensionEntries::PensionAmount},
    {"discount-rate", &PensionEntries::DiscountRate},
    {"tax-rate", &PensionEntries::TaxRate},
};

// The option words as the window's option buttons give them.
PensionEntries PensionEntriesOf(const CalculatorArgs& args) {
    PensionEntries entries = ReadEntries(args, kPensionOptions);
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

const TextOption<Ira72tEntries> kIraOptions[] = {
    {"current-age-yrs", &Ira72tEntries::CurrentAgeYrs},
    {"age-end-yrs", &Ira72tEntries::AgeEndYrs},
    {"ira-amount", &Ira72tEntries::IRAAmount},
    {"ira-interest-rate", &Ira72tEntries::IraInterestRate},
    {"interest-rate", &Ira72tEntries::InterestRate},
};

Json RunIra72t(const CalculatorArgs& args) {
    Ira72tEntries entries = ReadEntries(args, kIraOptions);
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
        {"pension",
         {OptionNames(kPensionOptions, {"sex", "race", "model"}), {"at-death"}},
         RunPension},
        {"ira72t", {OptionNames(kIraOptions, {"method"}), {}}, RunIra72t},
        {"fincalc", {{"option", "text1", "text2", "text3", "text4"}, {}}, RunFinancial},
        {"bizvalue", {OptionNames(kBusinessOptions, {}), {}}, RunBusinessValuation},
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
