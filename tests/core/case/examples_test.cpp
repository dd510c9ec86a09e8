// The example case files in examples/ are written by the program itself: each case is entered
// here field by field, its income screens are closed as the user would close them, and the
// saved bytes must equal the file in examples/. TOVARIS_UPDATE_GOLDEN=1 rewrites the files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

#include "case/case_file.h"
#include "case/case_record.h"
#include "case/express_read_in.h"
#include "case/income_screen.h"
#include "common/scripted_interaction.h"

namespace tovaris {
namespace {

using Entries = std::initializer_list<std::pair<const char*, const char*>>;

struct Entry {
    CaseRecord record;

    Entry() {
        record.globals.WorksheetFontPoints = 9.75f;  // Tahoma 10 as the worksheet sets it
    }
    Entry& Texts(Entries entries) {
        for (const auto& [name, text] : entries) {
            record.fields.SetText(name, text);
        }
        return *this;
    }
    Entry& Select(std::initializer_list<const char*> options) {
        for (const char* option : options) {
            record.fields.Select(option);
        }
        return *this;
    }
    // Closes both income screens, as the user does before saving.
    CaseRecord Done() {
        ScriptedInteraction interaction;
        for (IncomeParty party : kIncomeParties) {
            EXPECT_TRUE(CloseIncomeScreen(record, party, interaction));
        }
        EXPECT_TRUE(interaction.messages().empty());
        return std::move(record);
    }
};

// Two children with the mother, who pays day care; the father carries the health insurance.
CaseRecord Custodial() {
    return Entry()
        .Texts({{"ClaimantName", "Marriage of Hartley"},
                {"NumChild", "2"},
                {"MinChild", "2"},
                {"ClaimAge", "38"},
                {"YrsMarriage", "11"},
                {"EdSkillScore", "7"},
                {"Child(0)", "6"},
                {"Child(1)", "9"},
                {"ClaimDepend17", "2"},
                {"PayerDepend17", "0"},
                {"ClaimDayCare", "850"},
                {"ClaimNumCare", "2"},
                {"OtherDayCare", "0"},
                {"OtherNumCare", "0"},
                {"ClaimHealthCare", "0"},
                {"OtherHealthCare", "310"},
                {"ClaimSpecial", "120"},
                {"OtherSpecial", "0"},
                {"NameMother", "Dana Hartley"},
                {"NameFather", "Michael Hartley"},
                {"County", "King"},
                {"CaseNumber", "23-3-04417-1 SEA"},
                {"OFText", "Mother’s day care cost per provider’s 2023 statement."},
                {"ClaimEarned", "52,000"},
                {"ClaimStIndus", "640"},
                {"PayerEarned", "96,000"},
                {"PayerEarnedExempt", "6,000"},
                {"PayerStIndus", "720"},
                {"PayerDues", "1,080"}})
        .Select({"CustodialOption", "CharOption1", "ClaimHeadHouse", "PayerSingle"})
        .Done();
}

// One teenager with the mother (the Other Party); the father has a state pension plan, the
// mother a small sole proprietorship beside her wages.
CaseRecord NonCustodial() {
    return Entry()
        .Texts({{"ClaimantName", "Marriage of Okafor"},
                {"NumChild", "1"},
                {"MinChild", "1"},
                {"ClaimAge", "44"},
                {"YrsMarriage", "15"},
                {"EdSkillScore", "9"},
                {"Child(0)", "14"},
                {"ClaimDepend17", "0"},
                {"PayerDepend17", "1"},
                {"ClaimDayCare", "0"},
                {"ClaimNumCare", "0"},
                {"OtherDayCare", "0"},
                {"OtherNumCare", "0"},
                {"ClaimHealthCare", "215"},
                {"OtherHealthCare", "0"},
                {"ClaimSpecial", "0"},
                {"OtherSpecial", "95"},
                {"NameMother", "Grace Okafor"},
                {"NameFather", "Chidi Okafor"},
                {"County", "Pierce"},
                {"CaseNumber", "23-3-01872-6"},
                {"ClaimEarned", "78,000"},
                {"ClaimStIndus", "700"},
                {"ClaimPensionPay", "4,680"},
                {"PayerEarned", "41,500"},
                {"PayerStIndus", "480"},
                {"PayerBusiness.AWages(0)", "12,000"}})
        .Select({"NonCustodialOption", "CharOption3", "ClaimSingle", "PayerHeadHouse"})
        .Done();
}

// Three children, 200 of 365 nights with the Claimant on average; row 0 of the parenting time
// table is the oldest child.
CaseRecord SharedOvernights() {
    return Entry()
        .Texts({{"ClaimantName", "Marriage of Lindqvist"},
                {"NumChild", "3"},
                {"MinChild", "3"},
                {"ClaimAge", "41"},
                {"YrsMarriage", "14"},
                {"EdSkillScore", "10"},
                {"Child(0)", "4"},
                {"Child(1)", "8"},
                {"Child(2)", "12"},
                {"PercentOfTimeValue", ".548"},
                {"ClaimDays", "200.0"},
                {"PayerPerCent", ".452"},
                {"PayerDays", "165.0"},
                {"ClaimDays(0)", "190.0"},
                {"PayerDays(0)", "175.0"},
                {"PercentOfTimeValue(0)", ".521"},
                {"PayerPerCent(0)", ".479"},
                {"ClaimDays(1)", "200.0"},
                {"PayerDays(1)", "165.0"},
                {"PercentOfTimeValue(1)", ".548"},
                {"PayerPerCent(1)", ".452"},
                {"ClaimDays(2)", "210.0"},
                {"PayerDays(2)", "155.0"},
                {"PercentOfTimeValue(2)", ".575"},
                {"PayerPerCent(2)", ".425"},
                {"ClaimDepend17", "2"},
                {"PayerDepend17", "1"},
                {"ClaimDayCare", "1,150"},
                {"ClaimNumCare", "2"},
                {"OtherDayCare", "0"},
                {"OtherNumCare", "0"},
                {"ClaimHealthCare", "0"},
                {"OtherHealthCare", "285"},
                {"ClaimSpecial", "150"},
                {"OtherSpecial", "150"},
                {"NameMother", "Karin Lindqvist"},
                {"NameFather", "Erik Lindqvist"},
                {"County", "Spokane"},
                {"CaseNumber", "23-3-00961-32"},
                {"ClaimEarned", "88,000"},
                {"ClaimStIndus", "610"},
                {"ClaimRetire", "5,280"},
                {"PayerEarned", "104,000"},
                {"PayerLT", "3,500"},
                {"PayerST", "420"},
                {"PayerStIndus", "700"}})
        .Select({"SharedOption", "CharOption2", "ClaimHeadHouse", "PayerSingle"})
        .Done();
}

// Four children, two with each parent (element 0 the youngest); each pays day care for one.
CaseRecord SplitTwoEach() {
    return Entry()
        .Texts({{"ClaimantName", "Marriage of Pereira"},
                {"NumChild", "4"},
                {"MinChild", "4"},
                {"ClaimAge", "43"},
                {"YrsMarriage", "18"},
                {"EdSkillScore", "8"},
                {"Child(0)", "5"},
                {"Child(1)", "9"},
                {"Child(2)", "13"},
                {"Child(3)", "16"},
                {"ClaimantPossessionSplit", "2"},
                {"OtherPossessionSplit", "2"},
                {"ClaimDepend17", "2"},
                {"PayerDepend17", "2"},
                {"ClaimDayCare", "400"},
                {"ClaimNumCare", "1"},
                {"OtherDayCare", "325"},
                {"OtherNumCare", "1"},
                {"ClaimHealthCare", "180"},
                {"OtherHealthCare", "0"},
                {"ClaimSpecial", "0"},
                {"OtherSpecial", "60"},
                {"NameMother", "Ana Pereira"},
                {"NameFather", "Rui Pereira"},
                {"County", "Clark"},
                {"CaseNumber", "23-3-02215-06"},
                {"ClaimEarned", "61,000"},
                {"ClaimStIndus", "590"},
                {"PayerEarned", "83,000"},
                {"PayerPT", "7,200"},
                {"PayerStIndus", "760"},
                {"PayerDues", "900"}})
        .Select({"SplitOption", "CharOption2", "ClaimHeadHouse", "PayerHeadHouse", "ClaimChild(0)",
                 "OtherChild(1)", "ClaimChild(2)", "OtherChild(3)"})
        .Done();
}

// The custodial Claimant has remarried and files jointly; the new spouse's incomes are in the
// second column of her income screen.
CaseRecord JointFilerNewSpouse() {
    return Entry()
        .Texts({{"ClaimantName", "Marriage of Brandt"},
                {"NumChild", "1"},
                {"MinChild", "1"},
                {"ClaimAge", "36"},
                {"YrsMarriage", "9"},
                {"EdSkillScore", "8"},
                {"Child(0)", "7"},
                {"ClaimDepend17", "1"},
                {"PayerDepend17", "0"},
                {"ClaimDayCare", "620"},
                {"ClaimNumCare", "1"},
                {"OtherDayCare", "0"},
                {"OtherNumCare", "0"},
                {"ClaimHealthCare", "0"},
                {"OtherHealthCare", "190"},
                {"ClaimSpecial", "0"},
                {"OtherSpecial", "0"},
                {"NameMother", "Julia Brandt"},
                {"NameFather", "Tobias Brandt"},
                {"County", "Thurston"},
                {"CaseNumber", "23-3-00388-34"},
                {"ClaimEarned", "58,000"},
                {"ClaimStIndus", "560"},
                {"ClaimEarned1", "72,000"},
                {"ClaimST1", "850"},
                {"PayerEarned", "67,500"},
                {"PayerStIndus", "650"}})
        .Select({"CustodialOption", "CharOption1", "ClaimMFJ", "PayerSingle"})
        .Done();
}

// A long marriage with grown children: maintenance only. The Other Party owns an S corporation
// and itemizes.
CaseRecord NoMinorsMaintenance() {
    Entry entry;
    entry
        .Texts({{"ClaimantName", "Marriage of Renée Castellano"},
                {"NumChild", "2"},
                {"MinChild", "0"},
                {"ClaimAge", "53"},
                {"YrsMarriage", "24"},
                {"EdSkillScore", "4"},
                {"ClaimDepend17", "0"},
                {"PayerDepend17", "0"},
                {"County", "Snohomish"},
                {"CaseNumber", "23-3-03120-31"},
                {"ClaimEarned", "28,000"},
                {"ClaimIRADeduct", "6,500"},
                {"PayerLT", "12,000"},
                {"PayerBusiness.CWages(0)", "95,000"},
                {"PayerBusiness.CPass(0)", "48,000"},
                {"PayerBusiness.CW2(0)", "210,000"},
                {"PayerBusiness.CCap(0)", "85,000"}})
        .Select({"NoMinorOption", "CharOption1", "ClaimMarried", "PayerMarried"});
    ChooseItemizedDeduction(entry.record, IncomeParty::Other);
    entry.Texts({{"PayerItemizedAmount", "31,400"}});
    return entry.Done();
}

struct Example {
    const char* name;
    CaseRecord (*build)();
};

const Example kExamples[] = {
    {"Custodial", Custodial},
    {"NonCustodial", NonCustodial},
    {"SharedOvernights", SharedOvernights},
    {"SplitTwoEach", SplitTwoEach},
    {"JointFilerNewSpouse", JointFilerNewSpouse},
    {"NoMinorsMaintenance", NoMinorsMaintenance},
};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ExampleCaseFiles, AreWhatTheProgramWrites) {
    const std::filesystem::path folder = std::filesystem::path(TOVARIS_SOURCE_DIR) / "examples";
    const char* update = std::getenv("TOVARIS_UPDATE_GOLDEN");
    const bool rewrite = update != nullptr && std::string(update) == "1";
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.name);
        CaseRecord record = example.build();
        const std::string saved = SaveData(record);
        const std::filesystem::path path = folder / (std::string(example.name) + ".QCF");
        if (rewrite) {
            std::filesystem::create_directories(folder);
            ASSERT_TRUE(SaveCaseFile(record, path).ok);
        }
        EXPECT_EQ(ReadFile(path), saved)
            << path << " differs; TOVARIS_UPDATE_GOLDEN=1 rewrites it after a deliberate change";

        CaseRecord reopened;
        CaseFileResult result = LoadData(reopened, saved, path.filename().string());
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(SaveData(reopened), saved);
    }
}

// Every example passes the Express read-in and the maintenance checks without a message.
TEST(ExampleCaseFiles, PassTheExpressReadIn) {
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.name);
        CaseRecord record = example.build();
        ScriptedInteraction interaction(kAnswerYes);
        ReadInResult entry = CheckDataEntry(record, interaction);
        EXPECT_FALSE(entry.stopped) << entry.message;
        ReadInResult maint = CheckMaintEntry(record, interaction);
        EXPECT_FALSE(maint.stopped) << maint.message;
        for (const auto& message : interaction.messages()) {
            ADD_FAILURE() << message.title << ": " << message.text;
        }
    }
}

}  // namespace
}  // namespace tovaris
