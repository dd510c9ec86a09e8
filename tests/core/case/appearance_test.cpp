#include <gtest/gtest.h>

#include "case/appearance.h"
#include "case/preferences.h"
#include "common/scripted_interaction.h"

namespace tovaris {
namespace {

TEST(Appearance, StartUpDefaultsReadAsTheDefaultLook) {
    MemoryPreferenceStore store;
    WriteStartupDefaults(store);
    EXPECT_EQ(ReadButtonAppearance(store), ButtonAppearance{});
}

TEST(Appearance, PickerWritesAllFiveKeysAndReadsThemBack) {
    MemoryPreferenceStore store;
    ButtonAppearance chosen{0x112233, 0xFFFFFF, 0x0000FF, true, 0};
    WriteButtonAppearance(store, chosen);
    EXPECT_EQ(store.Read("Corvenwick2023", "ThemeColor"), "1122867");
    EXPECT_EQ(store.Read("Corvenwick2023", "BackColor"), "16777215");
    EXPECT_EQ(store.Read("Corvenwick2023", "ForeColor"), "255");
    EXPECT_EQ(store.Read("Corvenwick2023", "VisualStyle"), "True");
    EXPECT_EQ(store.Read("Corvenwick2023", "BorderStyle"), "0");
    EXPECT_EQ(ReadButtonAppearance(store), chosen);
}

TEST(Appearance, UnreadableColoursReadAsTheirDefaults) {
    MemoryPreferenceStore store;
    store.Write("Corvenwick2023", "BackColor", "-1");
    store.Write("Corvenwick2023", "ForeColor", "16777216");
    store.Write("Corvenwick2023", "ThemeColor", "grey");
    EXPECT_EQ(ReadButtonAppearance(store), ButtonAppearance{});
}

TEST(Appearance, ScreenColoursAndResetToTheDefaults) {
    MemoryPreferenceStore store;
    WriteScreenColors(store, ScreenColors::System);
    EXPECT_EQ(store.Read("Corvenwick2023", "ScreenDefault"), "Sys");
    WriteButtonAppearance(store, {1, 2, 3, true, 1});
    ResetAppearance(store);
    EXPECT_EQ(store.Read("Corvenwick2023", "ScreenDefault"), "MS");
    EXPECT_EQ(store.Read("Corvenwick2023", "ThemeColor"), "8421504");
    EXPECT_EQ(store.Read("Corvenwick2023", "BackColor"), "12632319");
    EXPECT_EQ(store.Read("Corvenwick2023", "VisualStyle"), "False");
    EXPECT_EQ(ReadButtonAppearance(store), ButtonAppearance{});
}

TEST(Scaling, OnlyFactorsFromHalfToOneAreWritten) {
    struct Case {
        const char* entry;
        const char* stored;  // nullptr: refused with the range message
    };
    const Case cases[] = {{".5", "0.5"},     {"1", "1"},       {"0.75", "0.75"},
                          {" .8 ", "0.8"},   {"80%", nullptr}, {".49", nullptr},
                          {"1.01", nullptr}, {"", nullptr},    {"half", nullptr}};
    for (const Case& c : cases) {
        MemoryPreferenceStore store;
        store.Write("Tovaris_Wa", "MonAdj", "0.9");
        ScriptedInteraction interaction;
        EXPECT_EQ(ApplyScalingEntry(store, c.entry, interaction), c.stored != nullptr) << c.entry;
        if (c.stored) {
            EXPECT_EQ(store.Read("Tovaris_Wa", "MonAdj"), c.stored) << c.entry;
            EXPECT_TRUE(interaction.messages().empty());
        } else {
            EXPECT_EQ(store.Read("Tovaris_Wa", "MonAdj"), "0.9") << c.entry;
            ASSERT_EQ(interaction.messages().size(), 1u);
            EXPECT_EQ(interaction.messages()[0].title, "Entry Error");
            EXPECT_EQ(interaction.messages()[0].text, kScalingRangeMessage);
        }
    }
}

TEST(Scaling, ResetWritesOne) {
    MemoryPreferenceStore store;
    store.Write("Tovaris_Wa", "MonAdj", "0.6");
    EXPECT_EQ(ResetScaling(store), "1");
    EXPECT_EQ(store.Read("Tovaris_Wa", "MonAdj"), "1");
}

}  // namespace
}  // namespace tovaris
