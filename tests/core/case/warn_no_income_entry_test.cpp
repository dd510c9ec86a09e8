// Gross incomes typed on the Express Entry screen with empty income screens are taken untaxed:
// both calculation buttons ask first.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "case/case_file.h"
#include "case/income_refresh.h"
#include "case/warn_no_income_entry.h"
#include "common/scripted_interaction.h"
#include "example_case.h"
#include "maintenance/maintenance_command.h"
#include "support/child_support_command.h"

namespace tovaris {
namespace {

// The custodial example with both income screens' own columns emptied and gross monthly
// incomes of $4,500 and $7,000 typed on the Express Entry screen.
CaseRecord TypedGrossOnly() {
    CaseRecord record = testing::OpenExample("Custodial.QCF");
    for (IncomeParty party : kIncomeParties) {
        for (int s = 0; s < kIncomeSourceCount; ++s) {
            record.fields.SetText(
                IncomeFieldName(party, static_cast<IncomeSource>(s), kPartyColumn), "");
        }
        for (int b = 0; b < kBusinessAmountCount; ++b) {
            record.fields.SetText(BusinessFieldName(party, static_cast<BusinessAmount>(b), 0), "");
        }
    }
    ResetEntryGlobals(record);
    record.fields.SetText("ClaimGrossInc", "$4,500");
    record.fields.SetText("PayGrossInc", "$7,000");
    return record;
}

using Command = std::function<ReadInResult(CaseRecord&, Interaction&)>;

const std::pair<const char*, Command> kCommands[] = {
    {"child support", [](CaseRecord& r, Interaction& ui) { return RunChildSupportCommand(r, ui); }},
    {"maintenance", [](CaseRecord& r, Interaction& ui) { return RunMaintenanceCommand(r, ui); }},
};

TEST(WarnNoIncomeEntries, YesStopsAndAsksForThatIncomeScreen) {
    struct Row {
        const char* filledField;  // an entry that silences one party's question
        const char* message;
        const char* field;
        IncomeParty party;
    };
    const Row rows[] = {
        {nullptr, kNoClaimIncomeEntered.data(), "ClaimGrossInc", IncomeParty::Claimant},
        {"ClaimEarned", kNoPayerIncomeEntered.data(), "PayGrossInc", IncomeParty::Other},
    };
    for (const auto& [name, command] : kCommands) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(name) + " " + row.field);
            CaseRecord record = TypedGrossOnly();
            if (row.filledField != nullptr) {
                record.fields.SetText(row.filledField, "54000");
            }
            ScriptedInteraction ui(kAnswerYes);
            const ReadInResult result = command(record, ui);
            EXPECT_TRUE(result.stopped);
            EXPECT_EQ(result.title, "Entry Warning");
            EXPECT_EQ(result.message, row.message);
            EXPECT_EQ(result.field, row.field);
            EXPECT_EQ(IncomeScreenAskedFor(result), row.party);
            EXPECT_FALSE(record.results.support.Computed);
        }
    }
}

TEST(WarnNoIncomeEntries, NoGoesOnAfterAskingForBothPartiesClaimantFirst) {
    for (const auto& [name, command] : kCommands) {
        SCOPED_TRACE(name);
        CaseRecord record = TypedGrossOnly();
        ScriptedInteraction ui;
        const ReadInResult result = command(record, ui);
        EXPECT_FALSE(result.stopped);
        std::vector<std::string> asked;
        for (const ScriptedInteraction::Message& message : ui.messages()) {
            if (message.title == "Entry Warning") {
                asked.push_back(message.text);
            }
        }
        EXPECT_EQ(asked, (std::vector<std::string>{std::string(kNoClaimIncomeEntered),
                                                   std::string(kNoPayerIncomeEntered)}));
        EXPECT_EQ(IncomeScreenAskedFor(result), std::nullopt);
    }
}

TEST(WarnNoIncomeEntries, NothingAskedWhenTheIncomeScreensHaveEntries) {
    CaseRecord record = TypedGrossOnly();
    record.fields.SetText("ClaimEarned", "54000");
    record.fields.SetText("PayerEarned", "84000");
    ScriptedInteraction ui(kAnswerYes);
    EXPECT_FALSE(RunChildSupportCommand(record, ui).stopped);
}

}  // namespace
}  // namespace tovaris
