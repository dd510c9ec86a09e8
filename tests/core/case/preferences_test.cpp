#include <gtest/gtest.h>

#include "case/preferences.h"
#include "common/scripted_interaction.h"

namespace tovaris {
namespace {

TEST(Preferences, FirstStartWritesEveryDefault) {
    MemoryPreferenceStore store;
    CaseRecord record;
    WriteStartupDefaults(store);
    ApplySelfSupportDefault(store, record);
    WriteDataDefaults(store, "/opt/tovaris");
    struct Expected {
        const char* application;
        const char* key;
        const char* value;
    };
    const Expected expected[] = {
        {"Corvenwick2023", "ThemeColor", "8421504"},
        {"Corvenwick2023", "BackColor", "12632319"},
        {"Corvenwick2023", "ForeColor", "0"},
        {"Corvenwick2023", "VisualStyle", "False"},
        {"Corvenwick2023", "BorderStyle", "5"},
        {"Corvenwick2023", "ScreenDefault", "MS"},
        {"Tovaris_Wa", "MonAdj", "1"},
        {"Tovaris_Wa", "FileSaveDefault", "WindowsDefault"},
        {"Tovaris_Wa", "MaintMode", "MaintFirst"},
        {"Tovaris_2023_Wa", "DataLoc", "/opt/tovaris/Qcf Data"},
        {"Tovaris_2023_Wa", "SelfSupport", "1519"},
    };
    for (const Expected& e : expected) {
        EXPECT_EQ(store.Read(e.application, e.key), e.value) << e.key;
    }
    EXPECT_EQ(store.size(), 11u);
    EXPECT_FALSE(CaseFileFolder(store).has_value());  // the system's last used folder
    EXPECT_EQ(record.globals.SelfSupportReserve, 1519.0f);
    EXPECT_EQ(record.fields.Text("NeedLimit"), "$ 1,519");
}

TEST(Preferences, StoredValuesAreKept) {
    MemoryPreferenceStore store;
    store.Write("Corvenwick2023", "ThemeColor", "255");
    store.Write("Tovaris_Wa", "MaintMode", "CSFirst");
    WriteStartupDefaults(store);
    WriteDataDefaults(store, "/opt/tovaris");
    EXPECT_EQ(store.Read("Corvenwick2023", "ThemeColor"), "255");
    EXPECT_EQ(StoredCalculationOrder(store), CalculationOrder::CSFirst);
}

TEST(Preferences, OutdatedSelfSupportReserveIsReplaced) {
    struct Case {
        const char* stored;
        const char* after;
        float reserve;
    };
    const Case cases[] = {
        {"1416", "1519", 1519}, {"", "1519", 1519}, {"1600", "1600", 1600}, {"1415", "1415", 1415}};
    for (const Case& c : cases) {
        MemoryPreferenceStore store;
        store.Write("Tovaris_2023_Wa", "SelfSupport", c.stored);
        CaseRecord record;
        ApplySelfSupportDefault(store, record);
        EXPECT_EQ(store.Read("Tovaris_2023_Wa", "SelfSupport"), c.after) << c.stored;
        EXPECT_EQ(record.globals.SelfSupportReserve, c.reserve) << c.stored;
    }
}

TEST(Preferences, OnlyNoTurnsAPrintSwitchOff) {
    MemoryPreferenceStore store;
    EXPECT_TRUE(ReadPreparer(store).printName);
    store.Write("Tovaris_Wa", "NameCheck", "");
    store.Write("Tovaris_Wa", "OfficeCheck", "no");
    store.Write("Tovaris_Wa", "DateCheck", "No");
    PreparerSettings p = ReadPreparer(store);
    EXPECT_TRUE(p.printName);
    EXPECT_TRUE(p.printOffice);
    EXPECT_FALSE(p.printDate);

    WritePreparer(store, {"J. Doe", "Doe Law", false, true, true});
    EXPECT_EQ(store.Read("Tovaris_Wa", "PreparerName"), "J. Doe");
    EXPECT_EQ(store.Read("Tovaris_Wa", "NameCheck"), "No");
    EXPECT_EQ(store.Read("Tovaris_Wa", "OfficeCheck"), "Yes");
}

TEST(Preferences, DataFolderChoiceAndLastLocation) {
    MemoryPreferenceStore store;
    WriteStartupDefaults(store);
    WriteDataDefaults(store, "/opt/tovaris");
    ScriptedInteraction ui;

    PrepareDataFolderChoice(store);
    FinishDataFolderChoice(store, std::nullopt, ui);
    EXPECT_EQ(CaseFileFolder(store), "/opt/tovaris/Qcf Data");
    EXPECT_EQ(ui.messages().back().text,
              "This Folder Remains Your Default Location For Data Saves");

    PrepareDataFolderChoice(store);
    FinishDataFolderChoice(store, "/home/law/cases", ui);
    EXPECT_EQ(CaseFileFolder(store), "/home/law/cases");
    EXPECT_EQ(ui.messages().back().text, "This Folder Is Now Your Default Location For Data Saves");

    UseLastLocation(store);
    EXPECT_FALSE(CaseFileFolder(store).has_value());
    EXPECT_EQ(store.Read("Tovaris_2023_Wa", "DataLoc"), "/home/law/cases");
    EXPECT_EQ(DataFolderPrompt(store),
              "Click On The Folder To Set Or Change As The Default For Your Data Saves And Then "
              "Click OK\nOr Click CANCEL To Use Your Current Default Which Is: /home/law/cases");
}

TEST(Preferences, SelfSupportReserveEntry) {
    struct Case {
        std::optional<std::string> answer;
        float reserve;
        const char* stored;
        bool error;
    };
    const Case cases[] = {
        {"$1,600", 1600, "1600", false},    {"0", 0, "0", false},
        {"-5", 1519, "1519", true},         {"lots", 1519, "1519", true},
        {std::nullopt, 1519, "1519", true},
    };
    for (const Case& c : cases) {
        MemoryPreferenceStore store;
        CaseRecord record;
        ApplySelfSupportDefault(store, record);
        ScriptedInteraction ui;
        ui.QueueInput(c.answer);
        ChangeSelfSupportReserve(store, record, ui);
        EXPECT_EQ(record.globals.SelfSupportReserve, c.reserve);
        EXPECT_EQ(store.Read("Tovaris_2023_Wa", "SelfSupport"), c.stored);
        ASSERT_EQ(ui.messages().size(), c.error ? 2u : 1u);
        EXPECT_EQ(ui.messages()[0].title, "Data Entry");
        EXPECT_NE(ui.messages()[0].text.find("The Current Value In Use Is $1,519"),
                  std::string::npos);
        if (c.error) {
            EXPECT_EQ(ui.messages()[1].title, "Entry Error");
            EXPECT_EQ(ui.messages()[1].text,
                      " Your Entry Was Not Numeric. The Current Program Value of $1,519 Has Not "
                      "Been Changed. ");
        }
    }
}

TEST(Preferences, CalculationOrderChoice) {
    MemoryPreferenceStore store;
    CaseRecord record;
    ScriptedInteraction ui;
    record.fields.SetText("CurrentMaintTransfer", "$500");
    ChooseCalculationOrder(store, record, CalculationOrder::CSFirst, ui);
    EXPECT_EQ(store.Read("Tovaris_Wa", "MaintMode"), "CSFirst");
    EXPECT_EQ(record.options.calculationOrder, CalculationOrder::CSFirst);
    EXPECT_FALSE(record.options.applyMaintToCS);
    EXPECT_EQ(record.fields.Text("CurrentMaintTransfer"), "");
    EXPECT_EQ(ui.messages().back().text.substr(0, 54),
              "This default will show Child Support as an entry on th");

    ChooseCalculationOrder(store, record, CalculationOrder::MaintFirst, ui);
    EXPECT_EQ(store.Read("Tovaris_Wa", "MaintMode"), "MaintFirst");
    EXPECT_TRUE(record.options.applyMaintToCS);
}

TEST(Preferences, FederalTaxRulesChoice) {
    MemoryPreferenceStore store;
    CaseRecord record;
    EXPECT_EQ(StoredFederalTaxRules(store), FederalTaxRules::Schedule);
    ChooseFederalTaxRules(store, record, FederalTaxRules::Law2023);
    EXPECT_EQ(store.Read("Tovaris_Wa", "TaxRules"), "Law2023");
    EXPECT_EQ(record.options.federalTaxRules, FederalTaxRules::Law2023);
    EXPECT_EQ(StoredFederalTaxRules(store), FederalTaxRules::Law2023);
    ChooseFederalTaxRules(store, record, FederalTaxRules::Schedule);
    EXPECT_EQ(store.Read("Tovaris_Wa", "TaxRules"), "Schedule");
    EXPECT_EQ(StoredFederalTaxRules(store), FederalTaxRules::Schedule);
}

}  // namespace
}  // namespace tovaris
