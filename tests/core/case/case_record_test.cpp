#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "case/case_file_layout.h"
#include "case/case_record.h"

namespace tovaris {
namespace {

TEST(CaseSchema, EveryCaseFilePositionNamesAKnownField) {
    std::span<const FileSlotSpec> layout = CaseFileLayout();
    ASSERT_EQ(layout.size(), 601u);
    int reserved = 0;
    for (const FileSlotSpec& slot : layout) {
        if (slot.screen == Screen::None) {
            ++reserved;
            EXPECT_TRUE(slot.kind == FileSlot::Empty || slot.kind == FileSlot::ReservedText);
        } else if (slot.screen != Screen::Global) {
            EXPECT_TRUE(IsField(slot.name)) << slot.name;
        }
    }
    EXPECT_EQ(reserved, 56);
}

TEST(CaseSchema, KnowsTheNamesTheScreensUse) {
    struct Case {
        const char* name;
        FieldKind kind;
        Screen screen;
    };
    const Case cases[] = {
        {"ClaimantName", FieldKind::Text, Screen::Express},
        {"CustodialOption", FieldKind::Option, Screen::Express},
        {"Child(4)", FieldKind::Text, Screen::Express},
        {"ClaimChild(0)", FieldKind::Option, Screen::Express},
        {"ClaimEarned", FieldKind::Text, Screen::ClaimIncome},
        {"PayerEarned1", FieldKind::Text, Screen::PayerIncome},
        {"ClaimEICCheck", FieldKind::Check, Screen::ClaimIncome},
        {"ClaimantAge65", FieldKind::Check, Screen::ClaimIncome},
        {"OtherAge65", FieldKind::Check, Screen::PayerIncome},
        {"ChildText(2)", FieldKind::Text, Screen::Worksheet},
        {"DeviationCheck(15)", FieldKind::Check, Screen::Worksheet},
        {"NeedLimit", FieldKind::Text, Screen::Worksheet},
        {"ClaimDays(6)", FieldKind::Text, Screen::ParentingTime},
        {"ClaimBusiness.AWages(1)", FieldKind::Text, Screen::ClaimBusiness},
        {"PayerBusiness.DTrade(0)", FieldKind::Check, Screen::PayerBusiness},
        {"d31", FieldKind::Text, Screen::FinancialDeclaration},
    };
    for (const Case& c : cases) {
        const FieldSpec& field = FindField(c.name);
        EXPECT_EQ(field.kind, c.kind) << c.name;
        EXPECT_EQ(field.screen, c.screen) << c.name;
    }
    EXPECT_FALSE(FindField("NeedLimit").persisted);
    EXPECT_TRUE(FindField("a14f").persisted);
}

TEST(CaseSchema, EveryIncomeFieldExistsForBothParties) {
    for (const FieldSpec& field : AllFields()) {
        if (field.screen != Screen::ClaimIncome) {
            continue;
        }
        std::string name(field.name);
        std::string other = name == "ClaimantAge65" ? "OtherAge65" : "Payer" + name.substr(5);
        EXPECT_TRUE(IsField(other)) << name << " has no " << other;
    }
}

TEST(CaseFields, MisspeltOrMisusedNamesThrow) {
    CaseFields fields;
    EXPECT_THROW(fields.Text("ClaimEarnd"), std::out_of_range);
    EXPECT_THROW(fields.SetText("Child(5)", "3"), std::out_of_range);
    EXPECT_THROW(fields.Selected("ClaimantName"), std::logic_error);
    EXPECT_THROW(fields.Check("CustodialOption"), std::logic_error);
}

TEST(CaseFields, SelectingAnOptionClearsItsGroup) {
    CaseFields fields;
    fields.Select("ClaimSingle");
    fields.Select("ClaimMFJ");
    EXPECT_FALSE(fields.Selected("ClaimSingle"));
    EXPECT_TRUE(fields.Selected("ClaimMFJ"));
    fields.Select("PayerSingle");
    EXPECT_TRUE(fields.Selected("ClaimMFJ"));  // the other party's group is separate
    fields.Select("ClaimChild(2)");
    fields.Select("OtherChild(2)");
    EXPECT_FALSE(fields.Selected("ClaimChild(2)"));
    fields.SetSelectedState("OtherChild(1)", true);
    fields.SetSelectedState("ClaimChild(1)", true);
    EXPECT_TRUE(fields.Selected("OtherChild(1)"));
}

TEST(CaseRecord, StartUpState) {
    CaseRecord record;
    EXPECT_TRUE(record.fields.Selected("CustodialOption"));
    EXPECT_EQ(record.fields.Text("ClaimStateTax"), ".00");
    EXPECT_EQ(record.fields.Text("PayerStateTax"), ".00");
    EXPECT_EQ(record.fields.Text("ClaimStateTaxCombo"), "As Rate");
    EXPECT_TRUE(record.fields.Selected("PayerStandardDeduction"));
    EXPECT_EQ(record.globals.ClaimImputeStatus, "Not Imputed");
    EXPECT_EQ(record.globals.PayerImputeStatus, "Not Imputed");
    EXPECT_EQ(record.globals.WorksheetFontSize, 10);
    EXPECT_EQ(record.options.applyMaintToCSSwitches[0], 1);
    EXPECT_EQ(record.options.applyMaintToCSSwitches[1], 1);
    EXPECT_EQ(record.options.incomePeriodFactor, 1.0);
    EXPECT_EQ(record.options.economicTable, EconomicTableChoice::Current);
    EXPECT_EQ(record.options.extrapolation, Extrapolation::Dont);
    EXPECT_EQ(record.options.maintTaxedTo, MaintTaxedTo::Payer);
    EXPECT_EQ(record.options.claimantColumn, ClaimantColumn::Column2);
}

TEST(CaseRecord, ClearEmptiesTheCaseScreensButNotTheWorksheet) {
    CaseRecord record;
    CaseFields& f = record.fields;
    f.SetText("ClaimantName", "Smith");
    f.Select("SharedOption");
    f.Select("CharOption2");
    f.SetText("ClaimStateTax", "$1,200");
    f.SetText("ClaimStateTaxCombo", "As Amount");
    f.SetText("PayerEarned", "52000");
    f.Select("PayerItemizedDeduction");
    f.SetCheck("ClaimEICCheck", 1);
    f.SetText("ClaimDays(3)", "120");
    f.SetText("PayerBusiness.CWages(1)", "4000");
    f.SetText("CaseNumber", "23-3-01234-5");
    ClearCase(record);

    EXPECT_TRUE(f.Selected("CustodialOption"));
    EXPECT_FALSE(f.Selected("SharedOption"));
    EXPECT_FALSE(f.Selected("CharOption2"));
    EXPECT_EQ(f.Text("ClaimantName"), "");
    EXPECT_EQ(f.Text("ClaimStateTax"), ".0");
    EXPECT_EQ(f.Text("PayerStateTax"), ".0");
    EXPECT_EQ(f.Text("ClaimStateTaxCombo"), "As Rate");
    EXPECT_EQ(f.Text("PayerEarned"), "");
    EXPECT_TRUE(f.Selected("PayerStandardDeduction"));
    EXPECT_EQ(f.Check("ClaimEICCheck"), 0);
    EXPECT_EQ(f.Text("ClaimDays(3)"), "");
    EXPECT_EQ(f.Text("PayerBusiness.CWages(1)"), "");
    EXPECT_EQ(f.Text("CaseNumber"), "23-3-01234-5");
    EXPECT_EQ(record.globals.ClaimImputeStatus, "");
    EXPECT_EQ(record.globals.PayerImputeNoteWS, "");
}

TEST(CaseRecord, AfterClearEveryOtherExpressFieldIsEmpty) {
    CaseRecord record;
    ClearCase(record);
    const std::set<std::string_view> kept = {"CustodialOption", "ClaimStateTax", "PayerStateTax",
                                             "ClaimStateTaxCombo", "PayerStateTaxCombo"};
    for (const FieldSpec& field : AllFields()) {
        if (field.screen != Screen::Express || kept.contains(field.name)) {
            continue;
        }
        if (field.kind == FieldKind::Text) {
            EXPECT_EQ(record.fields.Text(field.name), "") << field.name;
        } else if (field.kind == FieldKind::Option) {
            EXPECT_FALSE(record.fields.Selected(field.name)) << field.name;
        }
    }
}

}  // namespace
}  // namespace tovaris
