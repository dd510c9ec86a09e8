#include "cli_options.h"

#include <algorithm>
#include <functional>
#include <map>

#include "common/entry_text.h"

namespace tovaris::cli {

namespace {

using Setter = std::function<bool(Request&, const std::string&)>;

// An option that takes one of a fixed set of words.
template <typename T>
Setter Choice(std::map<std::string, T> words, std::function<void(Request&, T)> apply) {
    return [words = std::move(words), apply](Request& r, const std::string& value) {
        auto it = words.find(value);
        if (it == words.end()) {
            return false;
        }
        apply(r, it->second);
        return true;
    };
}

Setter Number(std::function<void(Request&, float)> apply) {
    return [apply](Request& r, const std::string& value) {
        std::optional<double> number = ToNumber(value);
        if (!number) {
            return false;
        }
        apply(r, static_cast<float>(*number));
        return true;
    };
}

// An entry taken as typed.
Setter Text(std::function<void(Request&, const std::string&)> apply) {
    return [apply](Request& r, const std::string& value) {
        apply(r, value);
        return true;
    };
}

Setter AgeBand() {
    return [](Request& r, const std::string& value) {
        const auto& bands = calculators::kAgeBands;
        const auto band = std::find(bands.begin(), bands.end(), value);
        if (band == bands.end()) {
            return false;
        }
        r.ageBand = static_cast<std::size_t>(band - bands.begin());
        return true;
    };
}

const std::map<std::string, bool> kYesNo = {{"yes", true}, {"no", false}};

const std::map<std::string, Setter>& ValueOptions() {
    static const std::map<std::string, Setter> options = {
        {"--extrapolation",
         Choice<Extrapolation>({{"Dont", Extrapolation::Dont},
                                {"Curve", Extrapolation::Curve},
                                {"Linear", Extrapolation::Linear}},
                               [](Request& r, Extrapolation v) { r.options.extrapolation = v; })},
        {"--shared-method",
         Choice<SharedMethod>({{"SumDays", SharedMethod::SumDays},
                               {"SumDaysColorado", SharedMethod::SumDaysColorado},
                               {"SquaredDays", SharedMethod::SquaredDays}},
                              [](Request& r, SharedMethod v) { r.options.sharedMethod = v; })},
        {"--split-method",
         Choice<SplitMethod>({{"Arvey", SplitMethod::Arvey}, {"DualWS", SplitMethod::DualWS}},
                             [](Request& r, SplitMethod v) { r.options.splitMethod = v; })},
        {"--other-family-method",
         Choice<OtherFamilyMethod>(
             {{"WholeMethod", OtherFamilyMethod::WholeMethod},
              {"IncomeMethod", OtherFamilyMethod::IncomeMethod}},
             [](Request& r, OtherFamilyMethod v) { r.options.otherFamilyMethod = v; })},
        {"--maint-tax",
         Choice<MaintTaxedTo>({{"payer", MaintTaxedTo::Payer}, {"payee", MaintTaxedTo::Payee}},
                              [](Request& r, MaintTaxedTo v) { r.options.maintTaxedTo = v; })},
        {"--apply-maint-to-cs",
         Choice<bool>(kYesNo, [](Request& r, bool v) { r.applyMaintToCS = v; })},
        {"--order",
         Choice<CalculationOrder>(
             {{"MaintFirst", CalculationOrder::MaintFirst}, {"CSFirst", CalculationOrder::CSFirst}},
             [](Request& r, CalculationOrder v) { r.options.calculationOrder = v; })},
        {"--self-support", Number([](Request& r, float v) { r.selfSupport = v; })},
        {"--claim-net", Number([](Request& r, float v) { r.claimNet = v; })},
        {"--other-net", Number([](Request& r, float v) { r.otherNet = v; })},
        {"--parent-column",
         Choice<ClaimantColumn>(
             {{"1", ClaimantColumn::Column1}, {"2", ClaimantColumn::Column2}},
             [](Request& r, ClaimantColumn v) { r.options.claimantColumn = v; })},
        {"--warnings", Choice<bool>({{"continue", false}, {"stop", true}},
                                    [](Request& r, bool v) { r.answers.stopAtWarnings = v; })},
        {"--apply-deviation-answer",
         Choice<bool>(kYesNo, [](Request& r, bool v) { r.answers.applyDeviation = v; })},
        {"--clear-worksheet-answer",
         Choice<bool>(kYesNo, [](Request& r, bool v) { r.answers.clearWorksheet = v; })},
        {"--old-table-answer",
         Choice<bool>(kYesNo, [](Request& r, bool v) { r.answers.continueOldTable = v; })},
        {"--vary",
         [](Request& r, const std::string& value) {
             std::optional<whatif::SweepInput> input = whatif::SweepInputNamed(value);
             r.sweep.input = input.value_or(r.sweep.input);
             r.varyGiven = input.has_value();
             return input.has_value();
         }},
        {"--from", Number([](Request& r, float v) { r.sweep.from = v; })},
        {"--to", Number([](Request& r, float v) { r.sweep.to = v; })},
        {"--steps", Number([](Request& r, float v) { r.sweep.steps = static_cast<int>(v); })},
        {"--calculation",
         Choice<whatif::SweepCalculation>(
             {{"childsupport", whatif::SweepCalculation::ChildSupport},
              {"maintenance", whatif::SweepCalculation::Maintenance}},
             [](Request& r, whatif::SweepCalculation v) { r.sweep.calculation = v; })},
        {"--tax-rules",
         Choice<FederalTaxRules>(
             {{"schedule", FederalTaxRules::Schedule}, {"law", FederalTaxRules::Law2023}},
             [](Request& r, FederalTaxRules v) { r.options.federalTaxRules = v; })},
        {"--table",
         Choice<EconomicTableChoice>(
             {{"Current", EconomicTableChoice::Current}, {"Old", EconomicTableChoice::OldTable}},
             [](Request& r, EconomicTableChoice v) { r.options.economicTable = v; })},
        {"--claim-nights", Text([](Request& r, const std::string& v) { r.claimNights = v; })},
        {"--other-nights", Text([](Request& r, const std::string& v) { r.otherNights = v; })},
        {"--claim-under17", Text([](Request& r, const std::string& v) { r.claimUnder17 = v; })},
        {"--other-under17", Text([](Request& r, const std::string& v) { r.otherUnder17 = v; })},
        {"--party",
         Choice<IncomeParty>({{"claimant", IncomeParty::Claimant}, {"other", IncomeParty::Other}},
                             [](Request& r, IncomeParty v) { r.party = v; })},
        {"--method", Choice<calculators::ImputeMethod>(
                         {{"none", calculators::ImputeMethod::DoNotImpute},
                          {"history", calculators::ImputeMethod::HistoryImpute},
                          {"median", calculators::ImputeMethod::MedianImpute},
                          {"wage", calculators::ImputeMethod::WageImpute}},
                         [](Request& r, calculators::ImputeMethod v) { r.method = v; })},
        {"--state", Text([](Request& r, const std::string& v) { r.state = v; })},
        {"--sex",
         Choice<calculators::Sex>({{"m", calculators::Sex::Male}, {"f", calculators::Sex::Female}},
                                  [](Request& r, calculators::Sex v) { r.sex = v; })},
        {"--age-band", AgeBand()},
        {"-o", Text([](Request& r, const std::string& v) { r.output = v; })},
    };
    return options;
}

const std::map<std::string, std::function<void(Request&)>>& FlagOptions() {
    static const std::map<std::string, std::function<void(Request&)>> flags = {
        {"--limits", [](Request& r) { r.limits = true; }},
        {"--deviation", [](Request& r) { r.deviation = true; }},
        {"--pretty", [](Request& r) { r.pretty = true; }},
        {"--from-express", [](Request& r) { r.fromExpress = true; }},
        {"--estimate-taxes", [](Request& r) { r.estimateTaxes = true; }},
        {"--csv", [](Request& r) { r.csv = true; }},
    };
    return flags;
}

bool ParseOption(const std::vector<std::string>& args, size_t& i, Request& request,
                 std::string& error) {
    const std::string& arg = args[i];
    if (auto flag = FlagOptions().find(arg); flag != FlagOptions().end()) {
        flag->second(request);
        return true;
    }
    auto option = ValueOptions().find(arg);
    if (option == ValueOptions().end()) {
        error = "unknown option '" + arg + "'";
        return false;
    }
    if (i + 1 >= args.size()) {
        error = "option " + arg + " needs a value";
        return false;
    }
    const std::string& value = args[++i];
    if (!option->second(request, value)) {
        error = "bad value '" + value + "' for " + arg;
        return false;
    }
    return true;
}

}  // namespace

std::optional<Request> ParseRequest(const std::vector<std::string>& args, std::string& error) {
    static const char* kCommands[] = {"childsupport", "maintenance", "validate",
                                      "tax",          "worksheet",   "flip",
                                      "impute",       "sweep",       "compare"};
    Request request;
    if (args.empty() ||
        std::find(std::begin(kCommands), std::end(kCommands), args[0]) == std::end(kCommands)) {
        error = args.empty() ? "no command given" : "unknown command '" + args[0] + "'";
        return std::nullopt;
    }
    request.command = args[0];
    if (args.size() < 2 || args[1].rfind("--", 0) == 0) {
        error = "the " + request.command + " command needs a case file";
        return std::nullopt;
    }
    request.casePath = args[1];
    for (size_t i = 2; i < args.size(); ++i) {
        if (!ParseOption(args, i, request, error)) {
            return std::nullopt;
        }
    }
    if (request.command == "sweep" && !request.varyGiven) {
        error = "the sweep command needs --vary";
        return std::nullopt;
    }
    return request;
}

}  // namespace tovaris::cli
