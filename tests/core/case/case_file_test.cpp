#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "case/case_file.h"
#include "case/case_file_layout.h"
#include "case/case_file_refresh.h"
#include "case/case_record.h"
#include "case/income_refresh.h"

namespace tovaris {
namespace {

bool IsIncomeOrBusiness(Screen screen) {
    return screen == Screen::ClaimIncome || screen == Screen::PayerIncome ||
           screen == Screen::ClaimBusiness || screen == Screen::PayerBusiness;
}

// A case with every field of every screen filled, as the screens leave it after their refresh.
CaseRecord FullCase() {
    CaseRecord record;
    int i = 0;
    for (const FieldSpec& field : AllFields()) {
        ++i;
        switch (field.kind) {
            case FieldKind::Text:
                record.fields.SetText(field.name, IsIncomeOrBusiness(field.screen)
                                                      ? std::to_string(100 * i + 7)
                                                      : "Note " + std::to_string(i) + ", café’s");
                break;
            case FieldKind::Option:
                record.fields.SetSelectedState(field.name, i % 2 == 0);
                break;
            case FieldKind::Check:
                record.fields.SetCheck(field.name, static_cast<int16_t>(i % 3));
                break;
        }
    }
    CaseGlobals& g = record.globals;
    g.WorksheetFontName = "Verdana";
    g.WorksheetFontPoints = 8.25f;
    g.WorksheetFontSize = 10;
    g.ClaimImputeStatus = "Imputed";
    g.PayerImputeStatus = "Not Imputed";
    g.ClaimImputeNote = "Income imputed at full-time minimum wage.";
    g.PayerImputeNote = "";
    g.ClaimImputeNoteWS = "Parent 2's income imputed at full-time minimum wage.";
    g.PayerImputeNoteWS = "";
    for (const CaseFileRefreshStep& step : CaseFileRefreshSteps()) {
        step.run(record);
    }
    return record;
}

// The first n fields of a case file line, ending CR LF.
std::string CutAfter(const std::string& bytes, int n) {
    bool quoted = false;
    int fields = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '"') {
            quoted = !quoted;
        } else if (!quoted && (bytes[i] == ',' || bytes[i] == '\r')) {
            if (++fields == n) {
                return bytes.substr(0, i) + "\r\n";
            }
        }
    }
    return bytes;
}

// Field n (1-based) of a case file line replaced by `text`.
std::string ReplaceField(const std::string& bytes, int n, const std::string& text) {
    std::string head = n > 1 ? CutAfter(bytes, n - 1) : "";
    head = head.substr(0, head.size() >= 2 ? head.size() - 2 : 0);
    std::string withField = CutAfter(bytes, n);
    std::string rest = bytes.substr(withField.size() - 2);
    return head + (n > 1 ? "," : "") + text + rest;
}

void ExpectSameField(const CaseRecord& a, const CaseRecord& b, const FieldSpec& field) {
    switch (field.kind) {
        case FieldKind::Text:
            EXPECT_EQ(a.fields.Text(field.name), b.fields.Text(field.name)) << field.name;
            break;
        case FieldKind::Option:
            EXPECT_EQ(a.fields.Selected(field.name), b.fields.Selected(field.name)) << field.name;
            break;
        case FieldKind::Check:
            EXPECT_EQ(a.fields.Check(field.name), b.fields.Check(field.name)) << field.name;
            break;
    }
}

bool IsEmptyField(const CaseRecord& record, const FieldSpec& field) {
    switch (field.kind) {
        case FieldKind::Text:
            return record.fields.Text(field.name).empty();
        case FieldKind::Option:
            return !record.fields.Selected(field.name);
        case FieldKind::Check:
            return record.fields.Check(field.name) == 0;
    }
    return false;
}

TEST(CaseFile, EveryScreenFilledReopensIdentical) {
    CaseRecord original = FullCase();
    const std::string saved = SaveData(original);
    EXPECT_EQ(SaveData(original), saved);  // saving twice: the same bytes

    CaseRecord reopened;
    CaseFileResult result = LoadData(reopened, saved, "Full.QCF");
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.fieldsRead, 601);
    EXPECT_FALSE(result.oldFile);
    for (const FieldSpec& field : AllFields()) {
        if (field.persisted) {
            ExpectSameField(original, reopened, field);
        }
    }
    EXPECT_EQ(reopened.globals.WorksheetFontName, "Verdana");
    EXPECT_EQ(reopened.globals.WorksheetFontPoints, 8.25f);
    EXPECT_EQ(reopened.globals.WorksheetFontSize, 10);
    EXPECT_EQ(reopened.globals.ClaimImputeNoteWS, original.globals.ClaimImputeNoteWS);
    EXPECT_EQ(SaveData(reopened), saved);
}

TEST(CaseFile, AnEmptyCaseWritesSixHundredOneFieldsAndReadsBackEmpty) {
    CaseRecord empty;
    ClearCase(empty);
    const std::string saved = SaveData(empty);
    EXPECT_EQ(saved.substr(0, 3), "\"\",");
    EXPECT_EQ(saved.substr(saved.size() - 2), "\r\n");
    EXPECT_EQ(CutAfter(saved, 601), saved);
    EXPECT_NE(CutAfter(saved, 600), saved);

    CaseRecord reopened = FullCase();
    ASSERT_TRUE(LoadData(reopened, saved, "Empty.QCF").ok);
    for (const FieldSpec& field : AllFields()) {
        if (field.persisted) {
            ExpectSameField(empty, reopened, field);
        }
    }
}

TEST(CaseFile, ReservedPositionsAreWrittenAsTheyAlwaysWere) {
    CaseRecord record = FullCase();
    const std::string saved = SaveData(record);
    // Positions 20 and 23 are empty fields, 21-22 booleans, 112-115 empty texts.
    EXPECT_TRUE(CutAfter(saved, 20).ends_with("#,\r\n"));
    EXPECT_TRUE(CutAfter(saved, 23).ends_with("#,\r\n"));
    EXPECT_TRUE(CutAfter(saved, 115).ends_with("\",\"\",\"\",\"\",\"\"\r\n"));
    EXPECT_TRUE(CutAfter(saved, 259).ends_with("\",\r\n"));
}

// Files of earlier releases stop at a group boundary; the missing fields are emptied.
TEST(CaseFile, FilesCutAtEveryGroupBoundaryOpen) {
    CaseRecord full = FullCase();
    const std::string saved = SaveData(full);
    // Derived on every refresh, so they follow what the shorter file holds.
    const std::set<std::string> derived = {
        "ClaimTotal",  "ClaimTotal1", "PayerTotal", "PayerTotal1", "ClaimGrossInc",
        "PayGrossInc", "ClaimSelf",   "ClaimSelf1", "PayerSelf",   "PayerSelf1"};
    std::span<const FileSlotSpec> layout = CaseFileLayout();
    for (int end : kCaseFileGroupEnds) {
        SCOPED_TRACE("file ends at " + std::to_string(end));
        CaseRecord record = FullCase();
        CaseFileResult result = LoadData(record, CutAfter(saved, end), "Older.QCF");
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(result.fieldsRead, end);
        EXPECT_EQ(result.oldFile, end < 333);
        std::set<std::string> present;
        for (int p = 0; p < end; ++p) {
            present.insert(std::string(layout[p].name));
        }
        for (int p = 0; p < kCaseFileFieldCount; ++p) {
            const FileSlotSpec& slot = layout[p];
            std::string name(slot.name);
            if (slot.screen == Screen::None || slot.screen == Screen::Global ||
                derived.contains(name)) {
                continue;
            }
            const FieldSpec& field = FindField(name);
            if (present.contains(name)) {
                ExpectSameField(full, record, field);
            } else if (name == "ClaimStateTaxCombo" || name == "PayerStateTaxCombo") {
                EXPECT_EQ(record.fields.Text(name), "As Rate");
            } else {
                EXPECT_TRUE(IsEmptyField(record, field)) << name;
            }
        }
        EXPECT_EQ(record.globals.WorksheetFontName, "Verdana");
        EXPECT_EQ(record.globals.WorksheetFontSize, end < 394 ? 9 : 10);  // 8.25 points
        EXPECT_EQ(record.globals.ClaimImputeStatus, end < 506 ? "" : "Imputed");
    }
}

TEST(CaseFile, TheOldestFilesKeepTheirGrossIncomes) {
    CaseRecord old;
    old.fields.SetText("ClaimantName", "Marriage of Ferris");
    old.fields.SetText("ClaimGrossInc", "4,321");
    old.fields.SetText("PayGrossInc", "$6,100.50");
    const std::string file = CutAfter(SaveData(old), 278);

    CaseRecord record = FullCase();
    CaseFileResult result = LoadData(record, file, "Ferris.QCF");
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.oldFile);
    EXPECT_EQ(record.fields.Text("ClaimGrossInc"), "4,321");
    EXPECT_EQ(record.fields.Text("PayGrossInc"), "$6,100.50");
    for (const FieldSpec& field : AllFields()) {
        if (IsIncomeOrBusiness(field.screen)) {
            EXPECT_TRUE(IsEmptyField(record, field)) << field.name;
        }
    }
    EXPECT_EQ(record.fields.Text("ClaimStateTaxCombo"), "As Rate");
    EXPECT_EQ(record.fields.Text("PayerStateTaxCombo"), "As Rate");
    EXPECT_EQ(record.income.Of(IncomeParty::Claimant).totals[0], 0.0f);
}

TEST(CaseFile, DamagedFilesSayWhereAndLeaveTheOpenCaseAsItWas) {
    CaseRecord source = FullCase();
    source.fields.SetText("ClaimantName", "Marriage of Quist");
    const std::string saved = SaveData(source);
    struct Row {
        const char* label;
        std::string bytes;
        int damagedAt;
    };
    const Row rows[] = {
        {"277 fields", CutAfter(saved, 277), 278},
        {"between two boundaries", CutAfter(saved, 300), 301},
        {"text where a boolean belongs", ReplaceField(saved, 7, "\"abc\""), 7},
        {"boolean where a number belongs", ReplaceField(saved, 278, "#TRUE#"), 278},
        {"check box state 5", ReplaceField(saved, 307, "5"), 307},
        {"text after the closing quote", ReplaceField(saved, 3, "\"2\"x"), 3},
        {"unterminated text", CutAfter(saved, 4).substr(0, CutAfter(saved, 4).size() - 3), 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CaseRecord record;
        record.fields.SetText("ClaimantName", "Marriage of Adair");
        record.fields.SetText("ClaimEarned", "52000");
        ChangeIncomePeriod(record, IncomeParty::Claimant, IncomePeriod::Monthly);
        const CaseRecord before = record;
        CaseFileResult result = LoadData(record, row.bytes, "Quist.QCF");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.damagedAt, row.damagedAt);
        EXPECT_EQ(result.message, "The case file Quist.QCF is damaged at field " +
                                      std::to_string(row.damagedAt) +
                                      " and could not be read completely.");
        CaseRecord after = record;
        CaseRecord expected = before;
        EXPECT_EQ(SaveData(after), SaveData(expected));
        EXPECT_EQ(record.income.Of(IncomeParty::Claimant).period,
                  before.income.Of(IncomeParty::Claimant).period);
    }
}

TEST(CaseFile, GarbageNeverCrashesTheReader) {
    std::string noise;
    uint32_t state = 12345;
    for (int i = 0; i < 5000; ++i) {
        state = state * 1664525u + 1013904223u;
        noise += static_cast<char>(state >> 24);
    }
    const std::string inputs[] = {
        "",
        "\r\n",
        std::string("\0\0\0\0", 4),
        "hello, world",
        "PK\x03\x04 not a case file",
        noise,
        "\"" + noise,
        std::string(300, ','),
        "#TRUE#,#FALSE#\r\n",
    };
    for (const std::string& bytes : inputs) {
        CaseRecord record;
        CaseFileResult result = LoadData(record, bytes, "Strange.QCF");
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.message.find("The case file Strange.QCF is damaged at field "),
                  std::string::npos);
    }
}

TEST(CaseFile, WindowsCharactersSurvive) {
    CaseRecord record;
    record.fields.SetText("ClaimantName", "Marriage of Léa O’Brien");
    record.fields.SetText("OFText", "Père’s “holiday” schedule – 50/50 €");
    record.fields.SetText("County", "Snohomish ✓");  // no such character in the code page
    const std::string saved = SaveData(record);
    EXPECT_NE(saved.find("\"Marriage of L\xE9"
                         "a O\x92"
                         "Brien\""),
              std::string::npos);
    EXPECT_NE(saved.find("\"Snohomish ?\""), std::string::npos);

    CaseRecord reopened;
    ASSERT_TRUE(LoadData(reopened, saved, "Obrien.QCF").ok);
    EXPECT_EQ(reopened.fields.Text("ClaimantName"), "Marriage of Léa O’Brien");
    EXPECT_EQ(reopened.fields.Text("OFText"), "Père’s “holiday” schedule – 50/50 €");
}

TEST(CaseFile, AQuoteInTheWorksheetNoteBecomesAnApostrophe) {
    CaseRecord record;
    record.fields.SetText("OFText", "Father said \"no deviation\"");
    const std::string saved = SaveData(record);
    EXPECT_EQ(record.fields.Text("OFText"), "Father said 'no deviation'");
    EXPECT_NE(saved.find("\"Father said 'no deviation'\""), std::string::npos);
    CaseRecord reopened;
    EXPECT_TRUE(LoadData(reopened, saved, "Note.QCF").ok);
}

TEST(CaseFile, SuggestedNameDropsTheCharactersFileNamesCannotHold) {
    CaseRecord record;
    record.fields.SetText("ClaimantName", "Smith/Jones: Who? <v.> \"Doe\" | *2023*\\");
    EXPECT_EQ(SuggestedCaseFileName(record.fields), "SmithJones Who v. \"Doe\"  2023");
}

class CaseFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tovaris_case_file_" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    static std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path folder_;
};

TEST_F(CaseFileOnDisk, SavesAndOpens) {
    CaseRecord record = FullCase();
    const std::filesystem::path path = folder_ / "Marriage of Ortiz.QCF";
    ASSERT_TRUE(SaveCaseFile(record, path).ok);
    EXPECT_EQ(Read(path), SaveData(record));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                            std::filesystem::directory_iterator()),
              1);  // no temporary left behind

    CaseRecord reopened;
    ASSERT_TRUE(OpenCaseFile(reopened, path).ok);
    EXPECT_EQ(SaveData(reopened), SaveData(record));
}

TEST_F(CaseFileOnDisk, AFailedSaveLeavesThePreviousFile) {
    CaseRecord record;
    record.fields.SetText("ClaimantName", "First version");
    const std::filesystem::path path = folder_ / "Case.QCF";
    ASSERT_TRUE(SaveCaseFile(record, path).ok);
    const std::string before = Read(path);

    std::filesystem::create_directory(folder_ / "Case.QCF.saving");  // blocks the temporary file
    record.fields.SetText("ClaimantName", "Second version");
    CaseFileResult result = SaveCaseFile(record, path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.rfind("The case file Case.QCF could not be saved.", 0), 0u);
    EXPECT_EQ(Read(path), before);

    EXPECT_FALSE(SaveCaseFile(record, folder_ / "no such folder" / "Case.QCF").ok);
}

TEST_F(CaseFileOnDisk, OpeningAMissingFileSaysSo) {
    CaseRecord record;
    CaseFileResult result = OpenCaseFile(record, folder_ / "Gone.QCF");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "The case file Gone.QCF could not be opened.");
}

}  // namespace
}  // namespace tovaris
