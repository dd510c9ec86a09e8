#include "maintenance/maintenance_screen_commands.h"

#include <array>

#include "common/entry_text.h"
#include "common/format.h"
#include "maintenance/maintenance_command.h"
#include "maintenance/present_value.h"
#include "maintenance/recommend_maintenance.h"

namespace tovaris {
namespace {

constexpr const char* kEntryErrorTitle = "Entry Error";

bool RefuseEntry(Interaction& interaction, const char* box, std::string_view message) {
    interaction.Box(kEntryErrorTitle, std::string(message), BoxButtons::Ok);
    interaction.FocusField(box);
    return false;
}

const char* PresentValueBoxOf(maintenance::PresentValueField field) {
    constexpr std::array<const char*, 3> kBoxes{kPresentValueDurationBox, kPresentValueTaxBox,
                                                kPresentValueDiscountBox};
    return kBoxes[static_cast<int>(field)];
}

// No command stores an unallocated amount, so an unallocated transfer in force is worth 0.
double AwardInForce(const CaseRecord& record) {
    return record.globals.UnallocInForce == "Y" ? 0.0 : record.results.maintenance.SuggestedAward;
}

}  // namespace

bool ChangeAward(CaseRecord& record, Interaction& interaction, std::string_view newAward) {
    const std::optional<double> award = ReadAmount(newAward);
    if (!award) {
        return RefuseEntry(interaction, kNewAwardBox, kMissingAwardMessage);
    }
    if (*award < 0) {
        return RefuseEntry(interaction, kNewAwardBox, kNegativeAwardMessage);
    }
    record.globals.AwardOverride = "Y";
    record.globals.UnallocInForce = "N";
    record.results.maintenance.TypedAward = static_cast<float>(*award);
    return RunReportingOverflow(interaction, [&] { RecommendMaintenance(record); });
}

bool UseSuggested(CaseRecord& record, Interaction& interaction) {
    CaseGlobals& g = record.globals;
    g.AwardOverride = "N";
    g.UnallocInForce = "N";
    return RunReportingOverflow(interaction, [&] {
        CalculateStartingChildSupport(record);
        RecommendMaintenance(record);
    });
}

std::optional<std::string> PresentValueCommand(CaseRecord& record, Interaction& interaction,
                                               std::string_view duration, std::string_view taxRate,
                                               std::string_view discountRate) {
    const maintenance::PresentValueEntries entries{ToNumber(duration), ToNumber(taxRate),
                                                   ToNumber(discountRate)};
    if (const auto error = maintenance::CheckPresentValueEntries(entries)) {
        RefuseEntry(interaction, PresentValueBoxOf(error->field), error->message);
        return std::nullopt;
    }
    maintenance::MaintenanceResults& m = record.results.maintenance;
    m.PVDuration = static_cast<float>(*entries.DurationYears);
    m.PVTaxRate = static_cast<float>(*entries.TaxRate);
    m.PVDiscountRate = static_cast<float>(*entries.DiscountRate);
    m.PresentValue = maintenance::PresentValue(AwardInForce(record), *entries.DurationYears,
                                               *entries.TaxRate, *entries.DiscountRate);
    m.HasPresentValue = true;
    return "  " + FormatSingle(m.PresentValue, "$##,###,##0");
}

}  // namespace tovaris
