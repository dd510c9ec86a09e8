#include "case_snapshot.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <variant>

namespace tovaris::cli {

namespace {

using Member =
    std::variant<float CaseGlobals::*, int16_t CaseGlobals::*, std::string CaseGlobals::*>;

struct Key {
    const char* name;
    Member member;
    bool setBeforeReadIn = false;  // a start-up value the read-in takes as it is
};

// The `case` keys in their documented order; ChildAges is handled on its own.
const Key kKeys[] = {
    {"NumChildren", &CaseGlobals::NumChildren},
    {"NumMinors", &CaseGlobals::NumMinors},
    {"NumMinorsUnder12", &CaseGlobals::NumMinorsUnder12},
    {"NumMinors12Plus", &CaseGlobals::NumMinors12Plus},
    {"CustodyType", &CaseGlobals::CustodyType},
    {"CaregiverCode", &CaseGlobals::CaregiverCode},
    {"ClaimFilingStatus", &CaseGlobals::ClaimFilingStatus},
    {"PayerFilingStatus", &CaseGlobals::PayerFilingStatus},
    {"YearsMarried", &CaseGlobals::YearsMarried},
    {"ClaimantAge", &CaseGlobals::ClaimantAge},
    {"ClaimantEdSkill", &CaseGlobals::ClaimantEdSkill},
    {"ClaimGrossYearly", &CaseGlobals::ClaimGrossYearly},
    {"PayerGrossYearly", &CaseGlobals::PayerGrossYearly},
    {"DayCareClaim", &CaseGlobals::DayCareClaim},
    {"DayCarePayer", &CaseGlobals::DayCarePayer},
    {"ClaimNumCare", &CaseGlobals::ClaimNumCare},
    {"PayerNumCare", &CaseGlobals::PayerNumCare},
    {"ClaimHealthCareMo", &CaseGlobals::ClaimHealthCareMo},
    {"PayerHealthCareMo", &CaseGlobals::PayerHealthCareMo},
    {"ClaimSpecialExp", &CaseGlobals::ClaimSpecialExp},
    {"PayerSpecialExp", &CaseGlobals::PayerSpecialExp},
    {"ClaimSharedTime", &CaseGlobals::ClaimSharedTime},
    {"ClaimOvernights", &CaseGlobals::ClaimOvernights},
    {"PayerOvernights", &CaseGlobals::PayerOvernights},
    {"ClaimChildrenSplit", &CaseGlobals::ClaimChildrenSplit},
    {"PayerChildrenSplit", &CaseGlobals::PayerChildrenSplit},
    {"ClaimDepend17Count", &CaseGlobals::ClaimDepend17Count},
    {"PayerDepend17Count", &CaseGlobals::PayerDepend17Count},
    {"ClaimStateTaxRate", &CaseGlobals::ClaimStateTaxRate},
    {"PayerStateTaxRate", &CaseGlobals::PayerStateTaxRate},
    {"ClaimStateTaxAmount", &CaseGlobals::ClaimStateTaxAmount},
    {"PayerStateTaxAmount", &CaseGlobals::PayerStateTaxAmount},
    {"ClaimOtherKids", &CaseGlobals::ClaimOtherKids},
    {"ClaimOtherKidsNot", &CaseGlobals::ClaimOtherKidsNot},
    {"PayerOtherKids", &CaseGlobals::PayerOtherKids},
    {"PayerOtherKidsNot", &CaseGlobals::PayerOtherKidsNot},
    {"MaintForChildSupport", &CaseGlobals::MaintForChildSupport},
    {"ChildSupportMonthly", &CaseGlobals::ChildSupportMonthly},
    {"DayCareFlag", &CaseGlobals::DayCareFlag},
    {"SelfSupportReserve", &CaseGlobals::SelfSupportReserve, true},
};

constexpr int16_t kUnsetCount = std::numeric_limits<int16_t>::min();
const std::string kUnsetText = "\x01unset";

struct Marker {
    CaseGlobals& globals;
    void operator()(float CaseGlobals::*m) const {
        globals.*m = std::numeric_limits<float>::quiet_NaN();
    }
    void operator()(int16_t CaseGlobals::*m) const { globals.*m = kUnsetCount; }
    void operator()(std::string CaseGlobals::*m) const { globals.*m = kUnsetText; }
};

struct IsUnset {
    const CaseGlobals& globals;
    bool operator()(float CaseGlobals::*m) const { return std::isnan(globals.*m); }
    bool operator()(int16_t CaseGlobals::*m) const { return globals.*m == kUnsetCount; }
    bool operator()(std::string CaseGlobals::*m) const { return globals.*m == kUnsetText; }
};

struct Restore {
    CaseGlobals& globals;
    const CaseGlobals& before;
    template <typename T>
    void operator()(T CaseGlobals::*m) const {
        globals.*m = before.*m;
    }
};

struct ToJson {
    const CaseGlobals& globals;
    nlohmann::ordered_json operator()(float CaseGlobals::*m) const {
        return SingleNumber(globals.*m);
    }
    nlohmann::ordered_json operator()(int16_t CaseGlobals::*m) const { return globals.*m; }
    nlohmann::ordered_json operator()(std::string CaseGlobals::*m) const { return globals.*m; }
};

nlohmann::ordered_json AgesJson(const CaseGlobals& globals) {
    nlohmann::ordered_json ages = nlohmann::ordered_json::array();
    for (int i = 0; i < globals.NumChildAges; ++i) {
        ages.push_back(SingleNumber(globals.ChildAges[i]));
    }
    return ages;
}

}  // namespace

nlohmann::ordered_json SingleNumber(float value) {
    if (value == std::trunc(value) && std::fabs(value) < 1e15f) {
        return static_cast<int64_t>(value);  // 60000, not 60000.0
    }
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    *end = '\0';
    return std::strtod(buffer, nullptr);
}

void CaseSnapshot::MarkUnset(CaseGlobals& globals) {
    before_ = globals;
    for (const Key& key : kKeys) {
        if (!key.setBeforeReadIn) {
            std::visit(Marker{globals}, key.member);
        }
    }
    globals.NumChildAges = kUnsetCount;
}

void CaseSnapshot::Take(CaseGlobals& globals) {
    json_ = nlohmann::ordered_json::object();
    for (const Key& key : kKeys) {
        if (std::visit(IsUnset{globals}, key.member)) {
            std::visit(Restore{globals, before_}, key.member);
            continue;
        }
        json_[key.name] = std::visit(ToJson{globals}, key.member);
        if (std::string(key.name) == "NumMinors" && globals.NumChildAges != kUnsetCount) {
            json_["ChildAges"] = AgesJson(globals);
        }
    }
    if (globals.NumChildAges == kUnsetCount) {
        globals.NumChildAges = before_.NumChildAges;
    }
}

}  // namespace tovaris::cli
