#include "case/time_share.h"

#include <array>
#include <optional>
#include <string>

#include "case/express_messages.h"
#include "case/express_party.h"
#include "common/entry_text.h"
#include "common/format.h"

namespace tovaris {
namespace {

constexpr double kNightsPerYear = 365;

struct TimeShareEntry {
    std::string_view field;
    bool isShare;
    bool isClaimant;
};

// In the order of TimeShareField.
constexpr std::array<TimeShareEntry, 4> kTimeShareFields = {{
    {"PercentOfTimeValue", true, true},
    {"ClaimDays", false, true},
    {"PayerPerCent", true, false},
    {"PayerDays", false, false},
}};

// The Claimant's nights per year that the typed value stands for.
double ClaimNightsFrom(const TimeShareEntry& entry, double value) {
    double nights = entry.isShare ? value * kNightsPerYear : value;
    return entry.isClaimant ? nights : kNightsPerYear - nights;
}

std::string Display(const TimeShareEntry& entry, double claimNights) {
    double nights = entry.isClaimant ? claimNights : kNightsPerYear - claimNights;
    return entry.isShare ? Format(nights / kNightsPerYear, ".##0") : Format(nights, "###.0");
}

// The Claimant's share as typed so far: a partial entry ("" or ".") is not yet a mistake.
bool ShareIsAcceptable(const std::string& text) {
    if (text.empty() || text == ".") {
        return true;
    }
    std::optional<double> share = ReadAmount(text);
    return share && *share >= 0 && *share <= 1;
}

std::string FieldName(const TimeShareEntry& entry, std::optional<int> row) {
    return row ? ElementName(entry.field, *row) : std::string(entry.field);
}

void ShowFromClaimNights(CaseFields& fields, const TimeShareEntry* typed, double claimNights,
                         std::optional<int> row) {
    for (const TimeShareEntry& entry : kTimeShareFields) {
        if (&entry != typed) {
            fields.SetText(FieldName(entry, row), Display(entry, claimNights));
        }
    }
}

}  // namespace

void OnTimeShareChanged(CaseRecord& record, Interaction& interaction, TimeShareField changed,
                        std::optional<int> row) {
    CaseFields& fields = record.fields;
    const TimeShareEntry& typed = kTimeShareFields[static_cast<size_t>(changed)];
    std::string name = FieldName(typed, row);
    if (changed == TimeShareField::ClaimShare && !ShareIsAcceptable(fields.Text(name))) {
        interaction.Box(std::string(express_text::kEntryError),
                        std::string(express_text::kPercentOfTime), BoxButtons::Ok);
        fields.SetText(name, "");
        interaction.FocusField(name);
    }
    double value = ReadAmount(fields.Text(name)).value_or(0);
    ShowFromClaimNights(fields, &typed, ClaimNightsFrom(typed, value), row);
}

void RestoreTimeShareRow(CaseFields& fields, int row) {
    const TimeShareEntry& nights =
        kTimeShareFields[static_cast<size_t>(TimeShareField::ClaimNights)];
    std::optional<double> claimNights = ReadAmount(fields.Text(FieldName(nights, row)));
    if (claimNights) {
        ShowFromClaimNights(fields, &nights, *claimNights, row);
    }
}

}  // namespace tovaris
