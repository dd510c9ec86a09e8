#include "declaration_cli.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "case/case_file.h"
#include "case/case_record.h"
#include "cli_app.h"
#include "cli_interaction.h"
#include "forms/declaration_commands.h"
#include "forms/declaration_fields.h"
#include "forms/declaration_file.h"
#include "report_output.h"

namespace tovaris::cli {
namespace {

using Json = nlohmann::ordered_json;

struct DeclarationRequest {
    std::string path;  // empty: --new
    bool calculate = false;
    std::string expressCase;
    std::string taxCase;
    std::string output;
    bool otherDeclares = false;
    bool respondent = false;
    Answers answers;
    bool pretty = false;
};

// The value of an option that takes one word of a pair.
bool TakeChoice(const std::string& value, const char* first, const char* second, bool& isSecond) {
    if (value != first && value != second) {
        return false;
    }
    isSecond = value == second;
    return true;
}

bool ParseOption(const std::vector<std::string>& args, size_t& i, DeclarationRequest& r,
                 std::string& error) {
    const std::string& arg = args[i];
    if (arg == "--calculate" || arg == "--pretty") {
        (arg == "--calculate" ? r.calculate : r.pretty) = true;
        return true;
    }
    if (i + 1 >= args.size()) {
        error = arg.rfind("--", 0) == 0 || arg == "-o" ? "option " + arg + " needs a value"
                                                       : "unknown argument '" + arg + "'";
        return false;
    }
    const std::string& value = args[++i];
    bool stop = false;
    bool ok = true;
    if (arg == "--from-express") {
        r.expressCase = value;
    } else if (arg == "--estimate-taxes") {
        r.taxCase = value;
    } else if (arg == "-o") {
        r.output = value;
    } else if (arg == "--declarant") {
        ok = TakeChoice(value, "claimant", "other", r.otherDeclares);
    } else if (arg == "--role") {
        ok = TakeChoice(value, "petitioner", "respondent", r.respondent);
    } else if (arg == "--warnings") {
        ok = TakeChoice(value, "continue", "stop", stop);
        r.answers.stopAtWarnings = stop;
    } else {
        error = "unknown option '" + arg + "'";
        return false;
    }
    if (!ok) {
        error = "bad value '" + value + "' for " + arg;
    }
    return ok;
}

std::optional<DeclarationRequest> Parse(const std::vector<std::string>& args, std::string& error) {
    DeclarationRequest request;
    if (args.size() < 2 || (args[1] != "--new" && args[1].rfind("-", 0) == 0)) {
        error = "the declaration command needs a declaration file or --new";
        return std::nullopt;
    }
    if (args[1] != "--new") {
        request.path = args[1];
    }
    for (size_t i = 2; i < args.size(); ++i) {
        if (!ParseOption(args, i, request, error)) {
            return std::nullopt;
        }
    }
    return request;
}

// Runs a command that reads the case: the case is opened beside the declaration, so that the
// declaration keeps its own figures where the case file holds one of them.
bool WithCase(CaseRecord& declaration, const std::string& path, std::string& error,
              const std::function<void(CaseRecord&)>& command) {
    CaseRecord record;
    CaseFileResult opened = OpenCaseFile(record, path);
    if (!opened.ok) {
        error = opened.message;
        return false;
    }
    forms::CopyDeclaration(declaration.fields, record.fields);
    command(record);
    forms::CopyDeclaration(record.fields, declaration.fields);
    return true;
}

Json FieldsJson(const CaseFields& fields) {
    Json json = Json::object();
    for (const forms::DeclarationField& field : forms::DeclarationFields()) {
        json[std::string(field.stem)] = fields.Text(field.stem);
    }
    return json;
}

Json StoppedJson(const CliInteraction& interaction, bool stopped) {
    if (!stopped) {
        return nullptr;
    }
    ReadInResult result = interaction.Stopped();
    Json field = result.field.empty() ? Json(nullptr) : Json(result.field);
    return {{"title", result.title}, {"message", result.message}, {"field", field}};
}

int Refuse(std::ostream& err, const std::string& reason) {
    err << "tovaris-cli: " << reason << "\n";
    return kExitUsage;
}

}  // namespace

int RunDeclarationCli(const std::vector<std::string>& args, const ReportRequest* report,
                      const ReportRenderer* renderer, std::ostream& out, std::ostream& err) {
    std::string error;
    std::optional<DeclarationRequest> request = Parse(args, error);
    if (!request) {
        return Refuse(err, error + " (see tovaris-cli --help)");
    }
    CaseRecord declaration;
    CaseFields& fields = declaration.fields;
    fields.Select(request->otherDeclares ? forms::kDeclarantOther : forms::kDeclarantClaimant);
    fields.Select(request->respondent ? forms::kDeclarantRespondent : forms::kDeclarantPetitioner);
    if (!request->path.empty()) {
        forms::DeclarationFileResult opened = forms::OpenDeclarationFile(fields, request->path);
        if (!opened.ok) {
            return Refuse(err, opened.message);
        }
    }
    CliInteraction interaction(request->answers);
    bool stopped = false;
    if (!request->expressCase.empty() &&
        !WithCase(declaration, request->expressCase, error,
                  [](CaseRecord& record) { forms::GetDeclarationDataFromExpress(record); })) {
        return Refuse(err, error);
    }
    if (!request->taxCase.empty() &&
        !WithCase(declaration, request->taxCase, error, [&](CaseRecord& record) {
            stopped = !forms::EstimateDeclarationTaxes(record, interaction);
        })) {
        return Refuse(err, error);
    }
    if (request->calculate && !stopped) {
        forms::CalculateDeclaration(fields);
    }
    if (report != nullptr) {
        return WriteReport(*report, declaration, renderer, out, err);
    }
    if (!request->output.empty()) {
        forms::DeclarationFileResult saved = forms::SaveDeclarationFile(fields, request->output);
        if (!saved.ok) {
            return Refuse(err, saved.message);
        }
    }
    Json json;
    json["command"] = "declaration";
    json["stopped"] = StoppedJson(interaction, stopped);
    json["messages"] = interaction.messages();
    json["declarant"] = forms::DeclarantIsClaimant(fields) ? "claimant" : "other";
    json["role"] = fields.Selected(forms::kDeclarantRespondent) ? "respondent" : "petitioner";
    json["fields"] = FieldsJson(fields);
    out << json.dump(request->pretty ? 2 : -1) << "\n";
    return stopped ? kExitStopped : kExitOk;
}

}  // namespace tovaris::cli
