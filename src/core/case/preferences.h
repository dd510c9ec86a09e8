#pragma once

#include <optional>
#include <string>

#include "case/case_record.h"
#include "common/interaction.h"
#include "common/preference_store.h"

namespace tovaris {

// Start-up: the appearance and behaviour defaults, "ThemeColor" to "FileSaveDefault", each
// written only where the stored text is empty.
void WriteStartupDefaults(PreferenceStore& store);

// A number as a preference keeps it: no decimal point for a whole number ("1519", "0.8").
std::string WholeNumberText(double value);

// The six appearance keys back to their start-up defaults, whatever is stored.
void WriteAppearanceDefaults(PreferenceStore& store);

// Start-up, later step: "DataLoc" (the "Qcf Data" folder beside the program) and "MaintMode".
void WriteDataDefaults(PreferenceStore& store, const std::string& programFolder);

// "SelfSupport": an empty or outdated 1416 becomes 1519; the stored value becomes the case's
// reserve and shows on the worksheet.
void ApplySelfSupportDefault(PreferenceStore& store, CaseRecord& record);

// The worksheet's self-support box text for a reserve.
std::string SelfSupportText(float reserve);

// Menu "Change Self-Support Reserve": asks for a new reserve and keeps it as the default.
// True when the reserve changed, so that a shown calculation runs again.
bool ChangeSelfSupportReserve(PreferenceStore& store, CaseRecord& record, Interaction& interaction);

// The preparer line of printed reports.
struct PreparerSettings {
    std::string name;
    std::string office;
    bool printName = true;
    bool printOffice = true;
    bool printDate = true;
};
PreparerSettings ReadPreparer(const PreferenceStore& store);
void WritePreparer(PreferenceStore& store, const PreparerSettings& preparer);

// Only a stored "No" turns a print switch off.
bool PrintSwitchOn(const std::string& stored);

// Where the case file dialogs open: the data folder, or nullopt for the system's last folder.
std::optional<std::string> CaseFileFolder(const PreferenceStore& store);

// Menu LastLocation: the dialogs open in the system's last used folder again.
void UseLastLocation(PreferenceStore& store);

// Menu UserDefault, in two steps around the folder browser.
std::string DataFolderPrompt(const PreferenceStore& store);
void PrepareDataFolderChoice(PreferenceStore& store);
void FinishDataFolderChoice(PreferenceStore& store, const std::optional<std::string>& chosen,
                            Interaction& interaction);

// Menus AutoCalc / DontAutoCalc: explain, apply to the case and remember the choice.
void ChooseCalculationOrder(PreferenceStore& store, CaseRecord& record, CalculationOrder order,
                            Interaction& interaction);
// The calculation order stored in "MaintMode" ("CSFirst", anything else maintenance first).
CalculationOrder StoredCalculationOrder(const PreferenceStore& store);

// Menus ScheduleTaxRules / LawTaxRules: apply to the case and remember the choice in "TaxRules".
void ChooseFederalTaxRules(PreferenceStore& store, CaseRecord& record, FederalTaxRules rules);
// The federal tax rules stored in "TaxRules" ("Law2023", anything else the schedule's).
FederalTaxRules StoredFederalTaxRules(const PreferenceStore& store);

// SetMaintFirst / SetCSFirst as they touch the case; the Express Entry screen shows or hides
// the child support and maintenance fields from the resulting options.
void SetMaintFirst(CaseRecord& record);
void SetCSFirst(CaseRecord& record);

}  // namespace tovaris
