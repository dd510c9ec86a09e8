#include "case/express_commands.h"

#include "common/entry_text.h"

namespace tovaris {

ReadInResult ChildSupportReadIn(CaseRecord& record, Interaction& interaction) {
    ReadInResult result = CheckDataEntry(record, interaction);
    if (result.stopped) {
        return result;
    }
    CheckDataEntry3(record);
    if (record.options.economicTable == EconomicTableChoice::OldTable &&
        interaction.Box("Entry Error", kOldTableQuestion, BoxButtons::YesNo) != kAnswerYes) {
        return {true, "Entry Error", kOldTableQuestion, ""};
    }
    if (!record.options.applyMaintToCS) {
        record.globals.MaintForChildSupport = 0;
    }
    return result;
}

ReadInResult MaintenanceReadIn(CaseRecord& record, Interaction& interaction) {
    record.globals.TaxTreatment = record.options.maintTaxedTo == MaintTaxedTo::Payer ? 2 : 0;
    record.fields.SetText("CurrentMaintTransfer", "");
    record.globals.MaintForChildSupport = 0;
    if (ReadAmount(record.fields.Text("MinChild")).value_or(0) > 0) {
        record.globals.ChildSupportMonthly =
            static_cast<float>(ReadAmount(record.fields.Text("ChildSupport")).value_or(0));
    }
    ReadInResult result = CheckDataEntry(record, interaction);
    if (result.stopped) {
        return result;
    }
    result = CheckMaintEntry(record, interaction);
    if (!result.stopped && record.options.applyMaintToCS && record.globals.NumMinors > 0) {
        CheckDataEntry3(record);  // the child support the recommendation starts from
    }
    return result;
}

}  // namespace tovaris
