#include "whatif/scenario_file.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

#include "case/case_file.h"
#include "case/case_file_encoding.h"

namespace tovaris::whatif {
namespace {

constexpr const char* kHeading = "Tovaris Scenarios";
constexpr const char* kLineEnd = "\r\n";

std::string DisplayName(const std::filesystem::path& path) {
    return path.filename().string();
}

// The next line without its line end; false when none is left.
bool NextLine(const std::string& bytes, size_t& at, std::string& line) {
    if (at >= bytes.size()) {
        return false;
    }
    size_t end = bytes.find('\n', at);
    if (end == std::string::npos) {
        end = bytes.size();
    }
    line = bytes.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

// A scenario's heading: its name in double quotes, a comma and the length of its case file
// line in bytes (a case line may hold line breaks of its own).
struct Heading {
    std::string name;
    size_t length = 0;
};

std::optional<Heading> ReadHeading(const std::string& line) {
    const size_t close = line.rfind('"');
    if (line.size() < 4 || line.front() != '"' || close < 2 || close + 2 > line.size() ||
        line[close + 1] != ',') {
        return std::nullopt;
    }
    Heading heading{Windows1252ToUtf8(line.substr(1, close - 1)), 0};
    const char* first = line.data() + close + 2;
    const char* last = line.data() + line.size();
    auto [end, error] = std::from_chars(first, last, heading.length);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return heading;
}

std::string HeadingOf(const Scenario& scenario) {
    std::string name = Utf8ToWindows1252(scenario.name);
    std::replace(name.begin(), name.end(), '"', '\'');
    return "\"" + name + "\"," + std::to_string(scenario.caseLine.size());
}

}  // namespace

std::filesystem::path ScenarioFilePath(const std::filesystem::path& caseFile) {
    std::filesystem::path path = caseFile;
    return path.replace_extension(".QSC");
}

std::string ScenarioFileBytes(const std::vector<Scenario>& others) {
    std::string bytes = std::string(kHeading) + kLineEnd;
    for (const Scenario& s : others) {
        bytes += HeadingOf(s) + kLineEnd + s.caseLine;
    }
    return bytes;
}

std::optional<std::vector<Scenario>> ReadScenarioBytes(const std::string& bytes,
                                                       const CaseRecord& base) {
    size_t at = 0;
    std::string line;
    if (!NextLine(bytes, at, line) || line != kHeading) {
        return std::nullopt;
    }
    std::vector<Scenario> scenarios;
    while (NextLine(bytes, at, line)) {
        std::optional<Heading> heading = ReadHeading(line);
        if (!heading || heading->length > bytes.size() - at) {
            return std::nullopt;
        }
        std::string caseLine = bytes.substr(at, heading->length);
        at += heading->length;
        CaseRecord check = base;
        if (!LoadData(check, caseLine, heading->name).ok) {
            return std::nullopt;
        }
        scenarios.push_back({heading->name, std::move(caseLine)});
    }
    return scenarios;
}

ScenarioFileResult SaveScenarioFile(const std::filesystem::path& caseFile,
                                    const std::vector<Scenario>& all) {
    const std::filesystem::path path = ScenarioFilePath(caseFile);
    std::vector<Scenario> others(all.begin() + (all.empty() ? 0 : 1), all.end());
    ScenarioFileResult result;
    if (others.empty()) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        return result;
    }
    if (WriteAtomically(path, ScenarioFileBytes(others)) != AtomicWrite::Ok) {
        result.ok = false;
        result.message = "The scenarios file " + DisplayName(path) +
                         " could not be saved; the case file was saved without them.";
    }
    return result;
}

ScenarioFileResult OpenScenarioFile(const std::filesystem::path& caseFile, const CaseRecord& base,
                                    bool setAside) {
    const std::filesystem::path path = ScenarioFilePath(caseFile);
    ScenarioFileResult result;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return result;  // a case without scenarios
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::optional<std::vector<Scenario>> scenarios = ReadScenarioBytes(bytes, base);
    if (scenarios) {
        result.scenarios = std::move(*scenarios);
        return result;
    }
    result.ok = false;
    result.message = "The scenarios file " + DisplayName(path) +
                     " is damaged and could not be read. The case was opened without its "
                     "scenarios.";
    if (setAside) {
        std::filesystem::path aside = path;
        aside += ".damaged";
        std::error_code error;
        std::filesystem::rename(path, aside, error);
        if (!error) {
            result.message += " The damaged file was kept as " + DisplayName(aside) + ".";
        }
    }
    return result;
}

}  // namespace tovaris::whatif
