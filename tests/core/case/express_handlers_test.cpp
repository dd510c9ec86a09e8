#include <gtest/gtest.h>

#include "case/express_handlers.h"
#include "case/express_messages.h"
#include "case/time_share.h"
#include "common/scripted_interaction.h"

namespace tovaris {
namespace {

using namespace express_text;

TEST(ExpressLayout, PossessionFrameFollowsTheCustodyType) {
    struct Case {
        const char* option;
        bool frame;
        std::string_view caption;
        bool timeShare;
        bool split;
        bool children;
    };
    const Case cases[] = {
        {"NoMinorOption", false, kPossessionCaption, false, false, false},
        {"CustodialOption", false, kPossessionCaption, false, false, true},
        {"NonCustodialOption", false, kPossessionCaption, false, false, true},
        {"SharedOption", true, kSharedCaption, true, false, true},
        {"SplitOption", true, kSplitCaption, false, true, true},
    };
    for (const Case& c : cases) {
        CaseRecord record;
        record.fields.Select(c.option);
        ExpressLayout layout = OnCustodyOptionChanged(record);
        EXPECT_EQ(layout.possessionFrameVisible, c.frame) << c.option;
        EXPECT_EQ(layout.possessionFrameCaption, c.caption) << c.option;
        EXPECT_EQ(layout.timeShareFieldsVisible, c.timeShare) << c.option;
        EXPECT_EQ(layout.splitFieldsVisible, c.split) << c.option;
        EXPECT_EQ(layout.childrenFieldsVisible, c.children) << c.option;
        EXPECT_TRUE(layout.caregiverFrameVisible) << c.option;
    }
}

TEST(ExpressHandlers, CustodyChoiceClearsTheCaregiverAndNoMinorsTheChildrenFields) {
    CaseRecord record;
    CaseFields& f = record.fields;
    f.Select("CharOption2");
    f.SetText("ClaimDayCare", "300");
    f.SetText("ChildSupport", "450");
    f.SetText("ClaimGrossInc", "3000");
    f.Select("NoMinorOption");
    OnCustodyOptionChanged(record);
    EXPECT_FALSE(f.Selected("CharOption2"));
    EXPECT_EQ(f.Text("ClaimDayCare"), "");
    EXPECT_EQ(f.Text("ChildSupport"), "");
    EXPECT_EQ(f.Text("ClaimGrossInc"), "3000");

    f.SetText("NumChild", "0");
    ExpressLayout layout = OnCustodyOptionChanged(record);
    EXPECT_FALSE(layout.caregiverFrameVisible);
    EXPECT_FALSE(layout.caregiverFrameEnabled);
}

TEST(ExpressHandlers, NoChildrenBornEmptiesAndDisablesMinorsAndAges) {
    CaseRecord record;
    CaseFields& f = record.fields;
    f.SetText("MinChild", "1");
    f.SetText("Child(0)", "4");
    f.SetText("NumChild", "0");
    ExpressLayout layout = OnNumChildChanged(record);
    EXPECT_EQ(f.Text("MinChild"), "");
    EXPECT_EQ(f.Text("Child(0)"), "");
    EXPECT_FALSE(layout.minorsEnabled);
    EXPECT_FALSE(layout.agesEnabled);

    f.SetText("NumChild", "2");
    EXPECT_TRUE(OnNumChildChanged(record).minorsEnabled);
}

TEST(ExpressHandlers, MinorsAboveChildrenBornAreRefused) {
    CaseRecord record;
    record.fields.SetText("NumChild", "2");
    record.fields.SetText("MinChild", "3");
    ScriptedInteraction interaction;
    OnMinChildChanged(record, interaction);
    ASSERT_EQ(interaction.messages().size(), 1u);
    EXPECT_EQ(interaction.messages()[0].title, kEntryError);
    EXPECT_EQ(interaction.messages()[0].text, kMinorsExceedBorn);
    EXPECT_EQ(record.fields.Text("MinChild"), "");
    EXPECT_EQ(interaction.focused(), std::vector<std::string>{"MinChild"});
}

TEST(ExpressHandlers, NoMinorsSelectsNoMinorChildrenAndMinorsUnselectIt) {
    CaseRecord record;
    CaseFields& f = record.fields;
    f.SetText("NumChild", "2");
    f.SetText("MinChild", "0");
    f.SetText("Child(0)", "20");
    ScriptedInteraction interaction;
    ExpressLayout none = OnMinChildChanged(record, interaction);
    EXPECT_TRUE(f.Selected("NoMinorOption"));
    EXPECT_EQ(f.Text("Child(0)"), "");
    EXPECT_FALSE(none.otherCustodyOptionsEnabled);
    EXPECT_TRUE(none.noMinorOptionEnabled);
    EXPECT_FALSE(none.childrenFieldsVisible);
    EXPECT_FALSE(none.agesEnabled);

    f.SetText("MinChild", "2");
    ExpressLayout some = OnMinChildChanged(record, interaction);
    EXPECT_FALSE(f.Selected("NoMinorOption"));
    EXPECT_TRUE(some.otherCustodyOptionsEnabled);
    EXPECT_FALSE(some.noMinorOptionEnabled);
    EXPECT_TRUE(some.childrenFieldsVisible);
    EXPECT_TRUE(some.agesEnabled);
    EXPECT_TRUE(interaction.messages().empty());
}

TEST(ExpressHandlers, NewMinorsCountAsksForTheSplitAgain) {
    CaseRecord record;
    CaseFields& f = record.fields;
    f.SetText("NumChild", "3");
    f.SetText("MinChild", "3");
    f.Select("SplitOption");
    f.SetText("ClaimantPossessionSplit", "1");
    f.SetText("OtherPossessionSplit", "1");
    ScriptedInteraction interaction;
    OnMinChildChanged(record, interaction);
    EXPECT_EQ(f.Text("ClaimantPossessionSplit"), "");
    EXPECT_EQ(f.Text("OtherPossessionSplit"), "");
    EXPECT_TRUE(f.Selected("SplitOption"));
}

TEST(ExpressHandlers, SplitCountsMayNotExceedTheMinors) {
    struct Case {
        PartySide side;
        const char* claim;
        const char* other;
        std::string_view message;  // empty: accepted
    };
    const Case cases[] = {
        {PartySide::Claimant, "1", "1", ""},
        {PartySide::Claimant, "", "1", ""},
        {PartySide::Claimant, "2", "1", kClaimMessages.splitCount},
        {PartySide::Other, "1", "x", kPayerMessages.splitCount},
    };
    for (const Case& c : cases) {
        CaseRecord record;
        CaseFields& f = record.fields;
        f.SetText("MinChild", "2");
        f.SetText("ClaimantPossessionSplit", c.claim);
        f.SetText("OtherPossessionSplit", c.other);
        ScriptedInteraction interaction;
        OnSplitCountChanged(record, interaction, c.side);
        std::string_view field = PartyOf(c.side).possessionSplit;
        if (c.message.empty()) {
            EXPECT_TRUE(interaction.messages().empty());
            continue;
        }
        ASSERT_EQ(interaction.messages().size(), 1u);
        EXPECT_EQ(interaction.messages()[0].text, c.message);
        EXPECT_EQ(f.Text(field), "");
        EXPECT_EQ(interaction.focused()[0], field);
    }
    EXPECT_NE(kClaimMessages.splitCount.find("Numeric - Please"), std::string_view::npos);
    EXPECT_NE(kPayerMessages.splitCount.find("Numeric  - Please"), std::string_view::npos);
}

// Nights add up to 365 and shares to 1 whichever of the four fields is typed in.
TEST(TimeShare, TheOtherThreeFieldsFollowTheTypedOne) {
    struct Case {
        TimeShareField typed;
        const char* field;
        const char* text;
        const char* claimShare;
        const char* claimNights;
        const char* payerShare;
        const char* payerNights;
    };
    const Case cases[] = {
        {TimeShareField::ClaimNights, "ClaimDays", "200", ".548", "200", ".452", "165.0"},
        {TimeShareField::ClaimShare, "PercentOfTimeValue", ".5", ".5", "182.5", ".500", "182.5"},
        {TimeShareField::PayerShare, "PayerPerCent", ".25", ".750", "273.8", ".25", "91.3"},
        {TimeShareField::PayerNights, "PayerDays", "abc", "1.000", "365.0", ".000", "abc"},
    };
    for (const Case& c : cases) {
        CaseRecord record;
        CaseFields& f = record.fields;
        f.SetText(c.field, c.text);
        ScriptedInteraction interaction;
        OnTimeShareChanged(record, interaction, c.typed);
        EXPECT_EQ(f.Text("PercentOfTimeValue"), c.claimShare) << c.field << " " << c.text;
        EXPECT_EQ(f.Text("ClaimDays"), c.claimNights) << c.field << " " << c.text;
        EXPECT_EQ(f.Text("PayerPerCent"), c.payerShare) << c.field << " " << c.text;
        EXPECT_EQ(f.Text("PayerDays"), c.payerNights) << c.field << " " << c.text;
        EXPECT_TRUE(interaction.messages().empty());
    }
}

TEST(TimeShare, AClaimantShareOutsideZeroToOneIsRefused) {
    for (const char* text : {"1.5", "-.2", "x"}) {
        CaseRecord record;
        record.fields.SetText("PercentOfTimeValue", text);
        ScriptedInteraction interaction;
        OnTimeShareChanged(record, interaction, TimeShareField::ClaimShare);
        ASSERT_EQ(interaction.messages().size(), 1u) << text;
        EXPECT_EQ(interaction.messages()[0].title, kEntryError);
        EXPECT_EQ(interaction.messages()[0].text, kPercentOfTime);
        EXPECT_EQ(record.fields.Text("PercentOfTimeValue"), "") << text;
        EXPECT_EQ(record.fields.Text("PayerDays"), "365.0") << text;
    }
    for (const char* text : {"", ".", "1", "0"}) {
        CaseRecord record;
        record.fields.SetText("PercentOfTimeValue", text);
        ScriptedInteraction interaction;
        OnTimeShareChanged(record, interaction, TimeShareField::ClaimShare);
        EXPECT_TRUE(interaction.messages().empty()) << text;
    }
}

TEST(ExpressHandlers, StateTaxComboResetsTheEntry) {
    CaseRecord record;
    CaseFields& f = record.fields;
    f.SetText("PayerStateTaxCombo", "As Amount");
    OnStateTaxComboChanged(record, PartySide::Other);
    EXPECT_EQ(f.Text("PayerStateTax"), "$0");
    EXPECT_EQ(f.Text("ClaimStateTax"), ".00");
    f.SetText("PayerStateTaxCombo", "As Rate");
    OnStateTaxComboChanged(record, PartySide::Other);
    EXPECT_EQ(f.Text("PayerStateTax"), ".00");
}

TEST(ExpressHandlers, MaintTaxedToPayeeComesWithItsNote) {
    CaseRecord record;
    ScriptedInteraction interaction;
    ChooseMaintTaxedToPayee(record, interaction);
    EXPECT_EQ(record.options.maintTaxedTo, MaintTaxedTo::Payee);
    ASSERT_EQ(interaction.messages().size(), 1u);
    EXPECT_EQ(interaction.messages()[0].title, "Entry Information");
    EXPECT_EQ(interaction.messages()[0].text, kTaxedToPayeeNote);
}

TEST(ExpressHandlers, ClaimantMovesToColumnOneOnlyOnYes) {
    CaseRecord record;
    ScriptedInteraction no(kAnswerNo);
    ChooseClaimantColumn1(record, no);
    EXPECT_EQ(record.options.claimantColumn, ClaimantColumn::Column2);
    EXPECT_EQ(no.messages()[0].title, "Data Check");
    EXPECT_EQ(no.messages()[0].text, kClaimantColumn1Question);

    ScriptedInteraction yes(kAnswerYes);
    ChooseClaimantColumn1(record, yes);
    EXPECT_EQ(record.options.claimantColumn, ClaimantColumn::Column1);
}

TEST(ExpressHandlers, ClearAsksFirst) {
    CaseRecord record;
    record.fields.SetText("ClaimantName", "Smith");
    ScriptedInteraction no(kAnswerNo);
    EXPECT_FALSE(ClearCommand(record, no));
    EXPECT_EQ(record.fields.Text("ClaimantName"), "Smith");
    EXPECT_EQ(no.messages()[0].title, "Clear All Data?");
    EXPECT_EQ(no.messages()[0].text,
              "Have You Saved Your Case Data? -  Are You Sure That You Want To Clear All Entries?");

    ScriptedInteraction yes(kAnswerYes);
    EXPECT_TRUE(ClearCommand(record, yes));
    EXPECT_EQ(record.fields.Text("ClaimantName"), "");
    EXPECT_EQ(record.fields.Text("ClaimStateTax"), ".0");
}

}  // namespace
}  // namespace tovaris
