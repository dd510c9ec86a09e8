#include "case/preferences.h"

#include <cmath>
#include <utility>

#include "common/entry_text.h"
#include "common/format.h"

namespace tovaris {
namespace {

struct Default {
    const char* application;
    const char* key;
    const char* value;
};

// In the order they are written at start-up.
constexpr Default kStartupDefaults[] = {
    {kAppearanceApp, "ThemeColor", "8421504"},
    {kAppearanceApp, "BackColor", "12632319"},
    {kAppearanceApp, "ForeColor", "0"},
    {kAppearanceApp, "VisualStyle", "False"},
    {kAppearanceApp, "BorderStyle", "5"},
    {kAppearanceApp, "ScreenDefault", "MS"},
    {kBehaviourApp, "MonAdj", "1"},
    {kBehaviourApp, "FileSaveDefault", "WindowsDefault"},
};

constexpr const char* kTaxRulesKey = "TaxRules";
constexpr const char* kLawTaxRules = "Law2023";
constexpr const char* kScheduleTaxRules = "Schedule";

constexpr const char* kSelfSupportDefault = "1519";
constexpr const char* kOutdatedSelfSupport = "1416";

constexpr const char* kSelfSupportPrompt =
    "Please Enter the Self-Support Reserve (125% of the Federal Poverty Guidline for One "
    "Person). The initial default (as of 1/12/2023) was $1,519. The Current Value In Use Is ";
constexpr const char* kSelfSupportPromptEnd =
    ". Your Entry Will Remain the Default Until Changed. You Can Find the Fed Poverty Guideline "
    "at: https://aspe.hhs.gov/topics/poverty-economic-mobility/poverty-guidelines";

constexpr const char* kDataFolderPrompt =
    "Click On The Folder To Set Or Change As The Default For Your Data Saves And Then Click OK";
constexpr const char* kDataFolderPromptCurrent =
    "Or Click CANCEL To Use Your Current Default Which Is: ";

constexpr const char* kMaintFirstExplanation =
    "This default will show Current Maintenance as an entry on the Express Screen, and will "
    "automatically apply the indicated maintenance to the Child Support calculation, if "
    "desired.  Under this default, the assumption is that any Maintenance transfer will be "
    "determined before a final Child Support calculation. As such, on the maintenance side of "
    "the program, only an estimate of Child Support is used in the Maintenance recommendation "
    "algorithms.";
constexpr const char* kCSFirstExplanation =
    "This default will show Child Support as an entry on the Express Screen, and will apply "
    "this Child Support to the Maintenance calculation. Under this default, the assumption is "
    "that Child Support will be determined before any maintenance recommendation. If the "
    "practice is to re-apply any Current Maintenance to the Child Support calculation, then "
    "you probably do not want to use this setting.";

void WriteIfEmpty(PreferenceStore& store, const char* application, const char* key,
                  const std::string& value) {
    if (store.Read(application, key).empty()) {
        store.Write(application, key, value);
    }
}

}  // namespace

std::string WholeNumberText(double value) {
    return value == std::floor(value) ? Format(value, "0") : Format(value, "0.##############");
}

void WriteStartupDefaults(PreferenceStore& store) {
    for (const Default& d : kStartupDefaults) {
        WriteIfEmpty(store, d.application, d.key, d.value);
    }
}

void WriteAppearanceDefaults(PreferenceStore& store) {
    for (const Default& d : kStartupDefaults) {
        if (std::string_view(d.application) == kAppearanceApp) {
            store.Write(d.application, d.key, d.value);
        }
    }
}

void WriteDataDefaults(PreferenceStore& store, const std::string& programFolder) {
    WriteIfEmpty(store, kDataApp, "DataLoc", programFolder + "/Qcf Data");
    WriteIfEmpty(store, kBehaviourApp, "MaintMode", "MaintFirst");
}

std::string SelfSupportText(float reserve) {
    return FormatSingle(reserve, "$ ###,##0");
}

void ApplySelfSupportDefault(PreferenceStore& store, CaseRecord& record) {
    std::string stored = store.Read(kDataApp, "SelfSupport");
    if (stored.empty() || stored == kOutdatedSelfSupport) {
        stored = kSelfSupportDefault;
        store.Write(kDataApp, "SelfSupport", stored);
    }
    record.globals.SelfSupportReserve = static_cast<float>(ReadAmount(stored).value_or(1519));
    record.fields.SetText("NeedLimit", SelfSupportText(record.globals.SelfSupportReserve));
}

bool ChangeSelfSupportReserve(PreferenceStore& store, CaseRecord& record,
                              Interaction& interaction) {
    float& reserve = record.globals.SelfSupportReserve;
    reserve = static_cast<float>(ReadAmount(store.Read(kDataApp, "SelfSupport")).value_or(reserve));
    std::string current = FormatSingle(reserve, "$###,###");
    std::optional<std::string> answer =
        interaction.Ask("Data Entry", kSelfSupportPrompt + current + kSelfSupportPromptEnd,
                        WholeNumberText(reserve));
    std::optional<double> value = answer ? ReadAmount(*answer) : std::nullopt;
    if (!value || *value < 0) {
        interaction.Box("Entry Error",
                        " Your Entry Was Not Numeric. The Current Program Value of " + current +
                            " Has Not Been Changed. ",
                        BoxButtons::Ok);
        return false;
    }
    reserve = static_cast<float>(*value);
    store.Write(kDataApp, "SelfSupport", RemoveCurrencyChars(*answer));
    record.fields.SetText("NeedLimit", SelfSupportText(reserve));
    return true;
}

PreparerSettings ReadPreparer(const PreferenceStore& store) {
    PreparerSettings p;
    p.name = store.Read(kBehaviourApp, "PreparerName");
    p.office = store.Read(kBehaviourApp, "PreparerOffice");
    p.printName = PrintSwitchOn(store.Read(kBehaviourApp, "NameCheck"));
    p.printOffice = PrintSwitchOn(store.Read(kBehaviourApp, "OfficeCheck"));
    p.printDate = PrintSwitchOn(store.Read(kBehaviourApp, "DateCheck"));
    return p;
}

void WritePreparer(PreferenceStore& store, const PreparerSettings& p) {
    auto yesNo = [](bool on) { return on ? "Yes" : "No"; };
    store.Write(kBehaviourApp, "PreparerName", p.name);
    store.Write(kBehaviourApp, "PreparerOffice", p.office);
    store.Write(kBehaviourApp, "NameCheck", yesNo(p.printName));
    store.Write(kBehaviourApp, "OfficeCheck", yesNo(p.printOffice));
    store.Write(kBehaviourApp, "DateCheck", yesNo(p.printDate));
}

bool PrintSwitchOn(const std::string& stored) {
    return stored != "No";
}

std::optional<std::string> CaseFileFolder(const PreferenceStore& store) {
    if (store.Read(kBehaviourApp, "FileSaveDefault") == "UserDefault") {
        return store.Read(kDataApp, "DataLoc");
    }
    return std::nullopt;
}

void UseLastLocation(PreferenceStore& store) {
    store.Write(kBehaviourApp, "FileSaveDefault", "WindowsDefault");
}

std::string DataFolderPrompt(const PreferenceStore& store) {
    return std::string(kDataFolderPrompt) + "\n" + kDataFolderPromptCurrent +
           store.Read(kDataApp, "DataLoc");
}

void PrepareDataFolderChoice(PreferenceStore& store) {
    store.Write(kBehaviourApp, "FileSaveDefault", "UserDefault");
    store.Write(kDataApp, "DataLoc", store.Read(kDataApp, "DataLoc"));
}

void FinishDataFolderChoice(PreferenceStore& store, const std::optional<std::string>& chosen,
                            Interaction& interaction) {
    if (chosen) {
        store.Write(kDataApp, "DataLoc", *chosen);
        interaction.Notice("Tovaris", "This Folder Is Now Your Default Location For Data Saves");
    } else {
        interaction.Notice("Tovaris", "This Folder Remains Your Default Location For Data Saves");
    }
}

CalculationOrder StoredCalculationOrder(const PreferenceStore& store) {
    return store.Read(kBehaviourApp, "MaintMode") == "CSFirst" ? CalculationOrder::CSFirst
                                                               : CalculationOrder::MaintFirst;
}

FederalTaxRules StoredFederalTaxRules(const PreferenceStore& store) {
    return store.Read(kBehaviourApp, kTaxRulesKey) == kLawTaxRules ? FederalTaxRules::Law2023
                                                                   : FederalTaxRules::Schedule;
}

void ChooseFederalTaxRules(PreferenceStore& store, CaseRecord& record, FederalTaxRules rules) {
    record.options.federalTaxRules = rules;
    store.Write(kBehaviourApp, kTaxRulesKey,
                rules == FederalTaxRules::Law2023 ? kLawTaxRules : kScheduleTaxRules);
}

void SetMaintFirst(CaseRecord& record) {
    record.options.calculationOrder = CalculationOrder::MaintFirst;
    record.options.applyMaintToCS = true;
}

void SetCSFirst(CaseRecord& record) {
    record.options.calculationOrder = CalculationOrder::CSFirst;
    record.options.applyMaintToCS = false;
    record.fields.SetText("CurrentMaintTransfer", "");
}

void ChooseCalculationOrder(PreferenceStore& store, CaseRecord& record, CalculationOrder order,
                            Interaction& interaction) {
    bool maintFirst = order == CalculationOrder::MaintFirst;
    interaction.Box("Calculation Order", maintFirst ? kMaintFirstExplanation : kCSFirstExplanation,
                    BoxButtons::Ok);
    maintFirst ? SetMaintFirst(record) : SetCSFirst(record);
    store.Write(kBehaviourApp, "MaintMode", maintFirst ? "MaintFirst" : "CSFirst");
}

}  // namespace tovaris
